#include "mainwindow/text_fit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace dtu {

namespace {

// Room for the caret and the edit's inner margin beside the text.
constexpr int kEditTextMargin = 4;

}  // namespace

int ComboWidthFor(const QComboBox& box, const QStringList& texts) {
    const QFontMetrics metrics(box.font());
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    return box.style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), &box)
        .width();
}

int EditWidthFor(const QLineEdit& edit, const QString& text) {
    const QMargins margins = edit.contentsMargins() + edit.textMargins();
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    return QFontMetrics(edit.font()).horizontalAdvance(text) + margins.left() + margins.right() +
           2 * frame + 2 * kEditTextMargin;
}

}  // namespace dtu
