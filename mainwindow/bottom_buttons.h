#pragma once

#include <array>

class QPushButton;
class QStyle;
class QWidget;

namespace dtu {

class NamedControls;

// The buttons along the bottom, one for each main operation.
struct OperationButtons {
    QPushButton* readAll = nullptr;
    QPushButton* writeAll = nullptr;
    QPushButton* factoryReset = nullptr;
    QPushButton* restart = nullptr;
    QPushButton* send = nullptr;
};

class BottomButtons {
public:
    static constexpr std::size_t kCount = 5;

    // Creates the buttons on `parent` at their designed places.
    BottomButtons(QWidget* parent, NamedControls& named);

    const OperationButtons& Operations() const { return buttons_; }
    // Compare with Device, a smaller button just above Write All.
    QPushButton* Compare() const { return compare_; }
    // Left to right.
    std::array<QPushButton*, kCount> All() const;
    // Spreads them evenly over a client area `width` wide, edge to edge.
    void Spread(int width);
    // The glyphs are read from disk, so only once the window is first shown.
    void LoadGlyphsOnce(const QStyle& style);

private:
    OperationButtons buttons_;
    QPushButton* compare_ = nullptr;
    bool glyphsLoaded_ = false;
};

}  // namespace dtu
