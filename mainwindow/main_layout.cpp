#include <QComboBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QStatusBar>
#include <algorithm>

#include "mainwindow/bottom_buttons.h"
#include "mainwindow/data_page.h"
#include "mainwindow/info_area.h"
#include "mainwindow/info_group.h"
#include "mainwindow/log_find.h"
#include "mainwindow/main_window.h"
#include "mainwindow/named_controls.h"
#include "mainwindow/run_report.h"
#include "mainwindow/send_area.h"
#include "mainwindow/text_fit.h"
#include "mainwindow/work_mode_pages.h"

namespace dtu {

namespace {

constexpr int kPageRightMargin = 4;

}  // namespace

void Tfrm_MainLx1::BuildForm() {
    auto* central = new QWidget(this);
    central->setObjectName("client");
    setCentralWidget(central);
    BuildCommonGroup(central);
    pages_ = new WorkModePages(central, session_.Form(), language_, digitsOnly_, named_);
    pages_->setGeometry(16, 132, 405, 451);
    infoGroup_ = new InfoGroup(central, digitsOnly_, named_);
    infoGroup_->setGeometry(435, 7, 368, 470);
    stretching_.Add(infoGroup_, kWiden | kHeighten);
    stretching_.Add(infoGroup_->ClearLabel(), kMoveRight);
    stretching_.Add(infoGroup_->Log(), kWiden | kHeighten);
    stretching_.Add(infoGroup_->Find(), kMoveDown | kWiden);
    stretching_.Add(infoGroup_->Progress(), kMoveDown | kWiden);
    info_ = infoGroup_->Log();
    auto* findKey = new QShortcut(QKeySequence::Find, this);
    findKey->setObjectName("findLog_shortcut");
    connect(findKey, &QShortcut::activated, infoGroup_->Find(), &LogFind::Open);
    sendArea_ = new SendArea(central, digitsOnly_, named_);
    sendArea_->setGeometry(435, 466, 368, 117);
    stretching_.Add(sendArea_, kMoveDown | kWiden);
    stretching_.Add(sendArea_->Box(), kWiden);
    stretching_.Add(sendArea_->ClearLabel(), kMoveRight);
    bottom_ = std::make_unique<BottomButtons>(central, named_);
    for (QPushButton* button : bottom_->All()) {
        stretching_.Add(button, kMoveDown);
    }
    stretching_.Add(bottom_->Compare(), kMoveDown);
    report_ = std::make_unique<RunReport>(session_, language_, *info_, *infoGroup_->Progress(),
                                          *statusBar());
    // Enter, like Space, presses the button that has the focus.
    for (QPushButton* button : central->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
}

int Tfrm_MainLx1::FitTextWidths() {
    const int right = pages_->Data().FitTextWidths();
    for (QComboBox* box : {apnChoice_, workMode_, sendArea_->LineEndBox()}) {
        box->resize(
            std::max(box->width(), ComboWidthFor(*box, ItemTextsOfBothLanguages(language_, *box))),
            box->height());
    }
    const int extra = std::max(0, right + kPageRightMargin - pages_->width());
    if (extra > 0) {
        WidenFormColumn(extra);
    }
    stretching_.KeepPlaces();
    return extra;
}

void Tfrm_MainLx1::WidenFormColumn(int extra) {
    for (QWidget* region : {commonGroup_, static_cast<QWidget*>(pages_)}) {
        region->resize(region->width() + extra, region->height());
    }
    for (QWidget* region : {static_cast<QWidget*>(infoGroup_), static_cast<QWidget*>(sendArea_)}) {
        region->move(region->x() + extra, region->y());
    }
    bottom_->Spread(kClientWidth + extra);
}

void Tfrm_MainLx1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const QSize extra = (event->size() - minimumSize()).expandedTo({0, 0});
    stretching_.Place(extra);
}

}  // namespace dtu
