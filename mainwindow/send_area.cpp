#include "mainwindow/send_area.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "mainwindow/caps_lock.h"
#include "mainwindow/clear_label.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/named_controls.h"
#include "widgets/clickable_label.h"
#include "widgets/form_text.h"

namespace dtu {

namespace {

using K = ControlKind;

constexpr FormControl kSendGroup[] = {
    {K::Label, "lbl_Send", 16, 16, 100, 0, Shown::Always, "发送区", kNoFlags, 0},
    {K::Memo, "mmo_Send", 16, 40, 337, 59, Shown::Always, "", kVerticalScroll, 0},
};

constexpr QRect kLineEndBox{124, 12, 116, 22};

}  // namespace

SendArea::SendArea(QWidget* parent, DigitsOnlyFilter* digitsOnly, NamedControls& named)
    : QGroupBox(parent) {
    setObjectName("grp_Send");
    const auto created = CreateControls(this, kSendGroup, digitsOnly, named);
    box_ = static_cast<QPlainTextEdit*>(created[RowIndex(kSendGroup, "mmo_Send")]);
    ClickableLabel* clear = AddClearLabel(this, "lbl_ClearSend", "清空发送区", 248, 16, named);
    clear_ = clear;
    connect(clear, &ClickableLabel::clicked, box_, &QPlainTextEdit::clear);
    lineEnd_ = new QComboBox(this);
    lineEnd_->setObjectName("cbb_SendLineEnd");
    lineEnd_->setGeometry(kLineEndBox);
    named.Record(lineEnd_);
    // Item texts come with the language texts.
    for (const LineEndChoice& choice : LineEndNames()) {
        lineEnd_->addItem(QString(), static_cast<int>(choice.end));
    }
    box_->installEventFilter(this);
    // Tool-tip events of a scrolled memo go to its viewport.
    box_->viewport()->installEventFilter(this);
}

std::string SendArea::TakeForSending() {
    const std::string sent = WithLineEnd(MemoText(box_), ChosenLineEnd());
    history_.Add(box_->toPlainText());
    return sent;
}

LineEnd SendArea::ChosenLineEnd() const {
    return static_cast<LineEnd>(lineEnd_->currentData().toInt());
}

void SendArea::ChooseLineEnd(LineEnd end) {
    lineEnd_->setCurrentIndex(lineEnd_->findData(static_cast<int>(end)));
}

bool SendArea::Recall(int key) {
    QString text;
    if (!history_.Shows(box_->toPlainText()) ||
        !(key == Qt::Key_Up ? history_.Older(text) : history_.Newer(text))) {
        return false;
    }
    box_->setPlainText(text);
    box_->moveCursor(QTextCursor::End);
    return true;
}

bool SendArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
            key->modifiers() == Qt::NoModifier && Recall(key->key())) {
            return true;
        }
    }
    if ((watched == box_ || watched == box_->viewport()) && event->type() == QEvent::ToolTip) {
        // The upper-case reminder is only wanted while Caps Lock is off.
        return CapsLockIsOn();
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace dtu
