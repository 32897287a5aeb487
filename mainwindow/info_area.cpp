#include "mainwindow/info_area.h"

#include <QFontDatabase>
#include <QSaveFile>
#include <QScrollBar>
#include <utility>

#include "mainwindow/log_text.h"

namespace dtu {

const QColor InfoArea::kTxColour{0, 0, 255};
const QColor InfoArea::kRxColour{0, 128, 0};
const QColor InfoArea::kErrorColour{255, 0, 0};
const QColor InfoArea::kStampColour{128, 128, 128};

namespace {

QString WithLineBreaks(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    lines.append(u'\n');
    return lines;
}

}  // namespace

InfoArea::InfoArea(QWidget* parent) : QTextEdit(parent) {
    setObjectName("edtDialog");
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAcceptRichText(false);
    // What the device and the tool said stays as they said it.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A log of 65535 lines would otherwise keep as many undo steps.
    setUndoRedoEnabled(false);
    stampFormat_.setForeground(kStampColour);
    hexFormat_.setForeground(kStampColour);
    hexFormat_.setFontFamilies({QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(0);
    connect(&flushTimer_, &QTimer::timeout, this, &InfoArea::Flush);
    connect(this, &QTextEdit::textChanged, this, &InfoArea::ScrollToEnd);
}

void InfoArea::ShowTxLine(const QString& text) {
    SetLineColour(kTxColour);
    AppendInfoLine(text);
}

void InfoArea::ShowRxLine(const QString& text) {
    SetLineColour(kRxColour);
    AppendInfoLine(text);
}

void InfoArea::ShowErrorLine(const QString& text) {
    SetLineColour(kErrorColour);
    AppendInfoLine(text);
}

void InfoArea::ShowInfoLine(const QString& text) {
    SetLineColour(palette().color(QPalette::WindowText));
    AppendInfoLine(text);
}

void InfoArea::ShowSeparatorLine(const QString& text) {
    SetLineColour(kStampColour);
    AppendInfoLine(text);
}

void InfoArea::ShowHexBlock(const QByteArray& bytes) {
    const QTextCharFormat shown = lineFormat_;
    lineFormat_ = hexFormat_;
    // The time stamp takes a line of its own above the rows, which keep their columns.
    if (timeStamps_) {
        AppendInfoLine(QString());
    }
    const bool stamped = std::exchange(timeStamps_, false);
    AppendInfoLine(HexDumpLines(bytes).join(u'\n'));
    timeStamps_ = stamped;
    lineFormat_ = shown;
}

void InfoArea::SetLineColour(const QColor& colour) {
    lineFormat_.setForeground(colour);
}

void InfoArea::AppendInfoLine(const QString& text) {
    if (!editBlockOpen_) {
        appendCursor_ = QTextCursor(document());
        appendCursor_.beginEditBlock();
        editBlockOpen_ = true;
        flushTimer_.start();
    }
    appendCursor_.movePosition(QTextCursor::End);
    if (timeStamps_) {
        appendCursor_.insertText(
            QStringLiteral("[%1] ").arg(clock_().toString(QStringLiteral("HH:mm:ss.zzz"))),
            stampFormat_);
    }
    appendCursor_.insertText(WithLineBreaks(text), lineFormat_);
    // A block of several lines can step over the limit; that starts afresh too.
    if (LineCount() >= kMaxLines) {
        // Emptied inside the open edit block, the old lines are never laid out.
        appendCursor_.select(QTextCursor::Document);
        appendCursor_.removeSelectedText();
        appendCursor_.setCharFormat(QTextCharFormat());
    }
}

void InfoArea::Flush() {
    flushTimer_.stop();
    if (editBlockOpen_) {
        editBlockOpen_ = false;
        appendCursor_.endEditBlock();
    }
    ScrollToEnd();
}

QString InfoArea::SaveLog(const QString& path) {
    Flush();
    const bool html = path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive);
    const QByteArray bytes =
        (html ? document()->toHtml() : EscapeControlCharacters(document()->toPlainText())).toUtf8();
    // Written beside the target and renamed over it: a failed save leaves an old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

void InfoArea::ClearArea() {
    Flush();
    clear();
}

void InfoArea::ScrollToEnd() {
    if (editBlockOpen_) {
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->maximum());
}

}  // namespace dtu
