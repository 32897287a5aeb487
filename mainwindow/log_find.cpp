#include "mainwindow/log_find.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>

#include "widgets/lang_qt.h"

namespace dtu {

namespace {

const QColor kMatchColour{255, 236, 140};

QToolButton* MakeButton(QWidget* parent, const char* name, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

LogFind::LogFind(QTextEdit* log, QWidget* parent)
    : QWidget(parent),
      log_(log),
      text_(new QLineEdit(this)),
      previous_(MakeButton(this, "btn_FindPrevious", Qt::UpArrow)),
      next_(MakeButton(this, "btn_FindNext", Qt::DownArrow)),
      count_(new QLabel(this)) {
    setObjectName("findLog");
    text_->setObjectName("edt_FindLog");
    text_->setClearButtonEnabled(true);
    text_->installEventFilter(this);
    count_->setObjectName("lbl_FindCount");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(text_, 1);
    layout->addWidget(count_);
    layout->addWidget(previous_);
    layout->addWidget(next_);
    connect(text_, &QLineEdit::textChanged, this, [this] {
        HighlightAll();
        // Typing finds the first match from where the last one began.
        QTextCursor from = log_->textCursor();
        from.setPosition(from.selectionStart());
        log_->setTextCursor(from);
        FindNext();
    });
    connect(previous_, &QToolButton::clicked, this, &LogFind::FindPrevious);
    connect(next_, &QToolButton::clicked, this, &LogFind::FindNext);
    hide();
}

void LogFind::Open() {
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
    HighlightAll();
}

void LogFind::Close() {
    hide();
    log_->setExtraSelections({});
    log_->setFocus(Qt::OtherFocusReason);
}

bool LogFind::FindNext() {
    return Find(false);
}

bool LogFind::FindPrevious() {
    return Find(true);
}

void LogFind::ApplyTexts(const TLangList& table) {
    table_ = &table;
    text_->setPlaceholderText(Tr(table, "lang_Find_Placeholder"));
    previous_->setToolTip(Tr(table, "lang_Find_Previous"));
    next_->setToolTip(Tr(table, "lang_Find_Next"));
}

bool LogFind::Find(bool backwards) {
    const QString wanted = text_->text();
    if (wanted.isEmpty()) {
        count_->clear();
        return false;
    }
    QTextDocument* document = log_->document();
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextCursor found = document->find(wanted, log_->textCursor(), flags);
    if (found.isNull()) {
        QTextCursor wrap(document);
        wrap.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        found = document->find(wanted, wrap, flags);
    }
    if (found.isNull()) {
        ShowCount(0, 0);
        return false;
    }
    // Lines written since the last search are highlighted too.
    const QList<int> starts = HighlightAll();
    ShowCount(static_cast<int>(starts.indexOf(found.selectionStart())) + 1, starts.size());
    log_->setTextCursor(found);
    log_->ensureCursorVisible();
    return true;
}

QList<int> LogFind::HighlightAll() {
    QList<int> starts;
    QList<QTextEdit::ExtraSelection> matches;
    const QString wanted = text_->text();
    if (!wanted.isEmpty()) {
        QTextCursor at(log_->document());
        while (!(at = log_->document()->find(wanted, at)).isNull()) {
            QTextEdit::ExtraSelection match;
            match.cursor = at;
            match.format.setBackground(kMatchColour);
            matches.append(match);
            starts.append(at.selectionStart());
        }
    }
    log_->setExtraSelections(matches);
    return starts;
}

void LogFind::ShowCount(int current, qsizetype total) {
    if (table_ == nullptr) {
        return;
    }
    count_->setText(total == 0 ? Tr(*table_, "lang_Find_NotFound")
                               : Tr(*table_, "lang_Find_Count").arg(current).arg(total));
}

QString LogFind::CountText() const {
    return count_->text();
}

bool LogFind::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Find(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            Close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace dtu
