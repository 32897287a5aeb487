#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>

#include "mainwindow/clickable_label.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"

namespace dtu {

namespace {

using K = ControlKind;

constexpr int kStatusBarHeight = 20;
constexpr int kStatusPortWidth = 410;
constexpr int kStatusSecondWidth = 50;

constexpr FormControl kInfoGroup[] = {
    {K::Label, "lbl_Info", 17, 13, 120, 0, 0, "信息提示区", kNoFlags, 0},
};

constexpr FormControl kSendGroup[] = {
    {K::Label, "lbl_Send", 16, 16, 120, 0, 0, "发送区", kNoFlags, 0},
    {K::Memo, "mmo_Send", 16, 40, 337, 59, 0, "", kVerticalScroll, 0},
};

struct BottomButton {
    const char* name;
    int left;
    QStyle::StandardPixmap glyph;  // SP_CustomBase: none
};

constexpr BottomButton kBottomButtons[] = {
    {"btn_SetAll", 16, QStyle::SP_DialogSaveButton},    {"btn_Read", 178, QStyle::SP_BrowserReload},
    {"btn_Default", 340, QStyle::SP_DialogResetButton}, {"btn_ReStart", 502, QStyle::SP_CustomBase},
    {"btn_Send", 664, QStyle::SP_CustomBase},
};
constexpr int kBottomTop = 609;
constexpr int kBottomWidth = 139;
constexpr int kBottomHeight = 30;
constexpr int kGlyphSize = 24;

// How a region follows the window when it is larger than designed: the form
// keeps its place and size, the information and send areas take the room, and
// the bottom buttons stay at the bottom.
enum Follow : unsigned {
    kMoveRight = 1u << 0,
    kMoveDown = 1u << 1,
    kWiden = 1u << 2,
    kHeighten = 1u << 3,
};

struct StretchRow {
    const char* name;
    unsigned follow;
};

constexpr StretchRow kStretchRows[] = {
    {"grp_Info", kWiden | kHeighten}, {"edtDialog", kWiden | kHeighten},
    {"lbl_ClearInfo", kMoveRight},    {"pbWhile", kMoveDown | kWiden},
    {"grp_Send", kMoveDown | kWiden}, {"mmo_Send", kWiden},
    {"lbl_ClearSend", kMoveRight},
};

ClickableLabel* AddClearLabel(QWidget* parent, const char* name, const char* text, int left,
                              int top) {
    auto* label = new ClickableLabel(parent);
    label->setObjectName(name);
    label->setText(QString::fromUtf8(text));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(left, top, 96, 16);
    return label;
}

}  // namespace

void Tfrm_MainLx1::BuildForm() {
    auto* central = new QWidget(this);
    central->setObjectName("client");
    setCentralWidget(central);
    BuildCommonGroup(central);
    BuildPages(central);
    BuildInfoGroup(central);
    BuildSendGroup(central);
    BuildBottomButtons(central);
    BuildStatusBar();
    RecordStretchingRegions();
    // Enter, like Space, presses the button that has the focus.
    for (QPushButton* button : central->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
}

void Tfrm_MainLx1::RecordStretchingRegions() {
    for (const StretchRow& row : kStretchRows) {
        auto* widget = Child<QWidget>(row.name);
        stretching_.push_back({widget, widget->geometry(), row.follow});
    }
    for (const BottomButton& row : kBottomButtons) {
        auto* button = Child<QWidget>(row.name);
        stretching_.push_back({button, button->geometry(), kMoveDown});
    }
}

void Tfrm_MainLx1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize extra = (event->size() - minimumSize()).expandedTo({0, 0});
    for (const StretchingRegion& region : stretching_) {
        QRect place = region.designed;
        place.translate(region.follow & kMoveRight ? extra.width() : 0,
                        region.follow & kMoveDown ? extra.height() : 0);
        place.setSize(place.size() + QSize(region.follow & kWiden ? extra.width() : 0,
                                           region.follow & kHeighten ? extra.height() : 0));
        region.widget->setGeometry(place);
    }
}

void Tfrm_MainLx1::BuildInfoGroup(QWidget* central) {
    auto* group = new QGroupBox(central);
    group->setObjectName("grp_Info");
    group->setGeometry(435, 7, 368, 470);
    CreateControls(group, kInfoGroup, digitsOnly_);
    ClickableLabel* clear = AddClearLabel(group, "lbl_ClearInfo", "清空显示区", 256, 13);
    info_ = new InfoArea(group);
    info_->setGeometry(16, 40, 335, 389);
    connect(clear, &ClickableLabel::clicked, info_, &InfoArea::ClearArea);
    auto* progress = new QProgressBar(group);
    progress->setObjectName("pbWhile");
    progress->setGeometry(2, 455, 364, 13);
    progress->setTextVisible(false);
    progress->hide();
}

void Tfrm_MainLx1::BuildSendGroup(QWidget* central) {
    auto* group = new QGroupBox(central);
    group->setObjectName("grp_Send");
    group->setGeometry(435, 466, 368, 117);
    CreateControls(group, kSendGroup, digitsOnly_);
    ClickableLabel* clear = AddClearLabel(group, "lbl_ClearSend", "清空发送区", 248, 16);
    auto* send = Child<QPlainTextEdit>("mmo_Send");
    connect(clear, &ClickableLabel::clicked, send, &QPlainTextEdit::clear);
}

void Tfrm_MainLx1::BuildBottomButtons(QWidget* central) {
    for (const BottomButton& row : kBottomButtons) {
        auto* button = new QPushButton(central);
        button->setObjectName(row.name);
        button->setGeometry(row.left, kBottomTop, kBottomWidth, kBottomHeight);
    }
}

void Tfrm_MainLx1::LoadButtonGlyphs() {
    for (const BottomButton& row : kBottomButtons) {
        if (row.glyph != QStyle::SP_CustomBase) {
            auto* button = Child<QPushButton>(row.name);
            button->setIcon(style()->standardIcon(row.glyph));
            button->setIconSize(QSize(kGlyphSize, kGlyphSize));
        }
    }
}

void Tfrm_MainLx1::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("stat1");
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(kStatusBarHeight);
    portStatus_ = new QLabel(bar);
    portStatus_->setObjectName("stat1_panel0");
    portStatus_->setFixedWidth(kStatusPortWidth);
    auto* second = new QLabel(bar);
    second->setObjectName("stat1_panel1");
    second->setFixedWidth(kStatusSecondWidth);
    verdictStatus_ = new QLabel(bar);
    verdictStatus_->setObjectName("stat1_verdict");
    verdictStatus_->setMinimumWidth(0);
    // Panels from the left edge, as the port note belongs under the form.
    bar->addWidget(portStatus_);
    bar->addWidget(second);
    bar->addWidget(verdictStatus_, 1);
}

}  // namespace dtu
