#pragma once

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <functional>

namespace dtu {

// The coloured log of every exchange with the device. Each write appends one
// line at the end of the text, whatever the user's caret, and the view follows
// the newest line. Writes made in one turn of the event loop share one edit
// block, so a burst of lines costs one layout pass. With time stamps on, each
// line written starts with the local time to the millisecond. The user can
// select and copy the log, never change it.
class InfoArea : public QTextEdit {
    Q_OBJECT
public:
    // The area starts afresh when a write brings it to this many lines.
    static constexpr int kMaxLines = 65535;

    static const QColor kTxColour;
    static const QColor kRxColour;
    static const QColor kErrorColour;
    static const QColor kStampColour;

    explicit InfoArea(QWidget* parent);

    void ShowTxLine(const QString& text);
    void ShowRxLine(const QString& text);
    void ShowErrorLine(const QString& text);
    void ShowInfoLine(const QString& text);
    // A grey line that sets apart what follows, such as the next device.
    void ShowSeparatorLine(const QString& text);
    // Bytes as they arrived: hex with their text beside, in a fixed-width font.
    void ShowHexBlock(const QByteArray& bytes);

    // Appends `text` and a line break in the colour set last. Line breaks inside
    // the text (CR LF, CR or LF) start new lines.
    void AppendInfoLine(const QString& text);
    void SetLineColour(const QColor& colour);

    // Lines written from now on carry a time stamp, or no longer do.
    void SetTimeStamps(bool on) { timeStamps_ = on; }
    bool TimeStamps() const { return timeStamps_; }
    // Where the stamps' time comes from: the local clock unless a test sets one.
    void SetClock(std::function<QTime()> clock) { clock_ = std::move(clock); }

    // Writes the whole log to `path`: HTML keeping the colours when the name
    // ends in ".html", else UTF-8 text with control characters written as
    // \xNN. Returns why it failed; empty on success.
    QString SaveLog(const QString& path);

    // Lines the area holds: every line break written.
    int LineCount() const { return document()->blockCount() - 1; }

    // Closes the pending edit block and scrolls to the end; runs by itself
    // once the current event-loop turn is over.
    void Flush();
    void ClearArea();

private:
    void ScrollToEnd();

    QTextCursor appendCursor_;
    QTextCharFormat lineFormat_;
    QTextCharFormat stampFormat_;
    QTextCharFormat hexFormat_;
    bool timeStamps_ = false;
    std::function<QTime()> clock_ = &QTime::currentTime;
    QTimer flushTimer_;
    bool editBlockOpen_ = false;
};

}  // namespace dtu
