#include "mainwindow/bottom_buttons.h"

#include <QPushButton>
#include <QStyle>
#include <iterator>

#include "mainwindow/named_controls.h"

namespace dtu {

namespace {

struct BottomButton {
    const char* name;
    int left;
    QStyle::StandardPixmap glyph;  // SP_CustomBase: none
    QPushButton* OperationButtons::*kept;
};

constexpr BottomButton kBottomButtons[] = {
    {"btn_SetAll", 16, QStyle::SP_DialogSaveButton, &OperationButtons::writeAll},
    {"btn_Read", 178, QStyle::SP_BrowserReload, &OperationButtons::readAll},
    {"btn_Default", 340, QStyle::SP_DialogResetButton, &OperationButtons::factoryReset},
    {"btn_ReStart", 502, QStyle::SP_CustomBase, &OperationButtons::restart},
    {"btn_Send", 664, QStyle::SP_CustomBase, &OperationButtons::send},
};
static_assert(std::size(kBottomButtons) == BottomButtons::kCount);
constexpr int kBottomTop = 609;
constexpr int kBottomMargin = 16;
constexpr int kBottomWidth = 139;
constexpr int kBottomHeight = 30;
constexpr int kGlyphSize = 24;
// Between the form's pages and Write All.
constexpr int kCompareButtonTop = 585;
constexpr int kCompareButtonHeight = 22;

}  // namespace

BottomButtons::BottomButtons(QWidget* parent, NamedControls& named) {
    for (const BottomButton& row : kBottomButtons) {
        auto* button = new QPushButton(parent);
        button->setObjectName(row.name);
        button->setGeometry(row.left, kBottomTop, kBottomWidth, kBottomHeight);
        named.Record(button);
        buttons_.*row.kept = button;
    }
    compare_ = new QPushButton(parent);
    compare_->setObjectName("btn_Compare");
    compare_->setGeometry(kBottomMargin, kCompareButtonTop, kBottomWidth, kCompareButtonHeight);
    named.Record(compare_);
}

std::array<QPushButton*, BottomButtons::kCount> BottomButtons::All() const {
    std::array<QPushButton*, kCount> all{};
    std::size_t index = 0;
    for (const BottomButton& row : kBottomButtons) {
        all[index++] = buttons_.*row.kept;
    }
    return all;
}

void BottomButtons::Spread(int width) {
    const int last = static_cast<int>(kCount) - 1;
    const int span = width - 2 * kBottomMargin - kBottomWidth;
    int index = 0;
    for (const BottomButton& row : kBottomButtons) {
        (buttons_.*row.kept)->move(kBottomMargin + index++ * span / last, kBottomTop);
    }
}

void BottomButtons::LoadGlyphsOnce(const QStyle& style) {
    if (glyphsLoaded_) {
        return;
    }
    glyphsLoaded_ = true;
    for (const BottomButton& row : kBottomButtons) {
        if (row.glyph != QStyle::SP_CustomBase) {
            QPushButton* button = buttons_.*row.kept;
            button->setIcon(style.standardIcon(row.glyph));
            button->setIconSize(QSize(kGlyphSize, kGlyphSize));
        }
    }
}

}  // namespace dtu
