#include "mainwindow/info_area.h"

#include <QScrollBar>

namespace dtu {

const QColor InfoArea::kTxColour{0, 0, 255};
const QColor InfoArea::kRxColour{0, 128, 0};
const QColor InfoArea::kErrorColour{255, 0, 0};

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
    // A log of 65535 lines would otherwise keep as many undo steps.
    setUndoRedoEnabled(false);
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
