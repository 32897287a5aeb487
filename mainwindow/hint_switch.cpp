#include "mainwindow/hint_switch.h"

#include <QCoreApplication>
#include <QEvent>

namespace dtu {

namespace {

bool IsWide(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFF00 && u <= 0xFF60) || (u >= 0x3000 && u <= 0x303F);
}

// Where the line that starts at `begin` breaks: the index its next line starts at.
qsizetype LineBreak(const QString& text, qsizetype begin, int columns) {
    int used = 0;
    qsizetype lastBlank = -1;
    qsizetype lastWide = -1;
    for (qsizetype i = begin; i < text.size(); ++i) {
        const QChar c = text[i];
        used += IsWide(c) ? 2 : 1;
        if (used > columns && i > begin) {
            if (IsWide(c)) {
                return i;
            }
            if (lastBlank > begin) {
                return lastBlank;
            }
            return lastWide > begin ? lastWide : i;
        }
        if (c == u' ') {
            lastBlank = i;
        } else if (IsWide(c)) {
            lastWide = i + 1;
        }
    }
    return text.size();
}

}  // namespace

QString WrapHint(const QString& text, int columns) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        qsizetype begin = 0;
        do {
            const qsizetype end = LineBreak(paragraph, begin, columns);
            lines << paragraph.mid(begin, end - begin).trimmed();
            begin = end;
        } while (begin < paragraph.size());
    }
    return lines.join(u'\n');
}

HintSwitch::HintSwitch(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

HintSwitch::~HintSwitch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (!on_ && event->type() == QEvent::ToolTip) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace dtu
