#pragma once

#include <QString>
#include <QStringList>

namespace dtu {

// The texts last sent from the send box, newest last, for Up and Down to
// recall. Walking starts past the newest text; Down past it gives an empty box.
class SendHistory {
public:
    static constexpr int kMaxTexts = 50;

    // Remembers a sent text (an empty one, or one just like the newest, is not
    // kept twice) and starts the walk afresh.
    void Add(const QString& text);

    // The text before (or after) the one recalled last; nothing when the walk
    // is already at the oldest (or past the newest) text.
    bool Older(QString& text);
    bool Newer(QString& text);

    // Whether `text` is what the walk shows now: an empty box before the walk,
    // else the text recalled last. Up and Down only walk while it is.
    bool Shows(const QString& text) const;

private:
    QStringList texts_;
    qsizetype at_ = 0;  // texts_.size(): past the newest
};

}  // namespace dtu
