#pragma once

#include <QObject>
#include <array>
#include <cstddef>
#include <vector>

#include "form/form_model.h"
#include "mainwindow/form_controls.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dtu {

class DigitsOnlyFilter;
class NamedControls;
class TLangList;
class TextTargets;

// The data-transmission page: sockets 1 to 4, the packets and timers, D2D, the
// AT switches, cloud and cache, in the form's full or compact view.
class DataPage : public QObject {
public:
    static constexpr std::size_t kSockets = 4;

    // Lays out the page's controls on `page`, which owns the page.
    DataPage(QWidget* page, FormModel& form, const TLangList& language,
             DigitsOnlyFilter* digitsOnly, NamedControls& named);

    // The form's view: which controls show, where they stand and which view
    // the switch offers.
    void ShowView();
    // What follows a changed value: the D2D ID and the cloud login.
    void ShowCouplings(Field field);
    // The cloud, cache and reconnect controls, as the device's firmware family allows.
    void ShowFamilyControls();

    void BindTexts(TextTargets& texts);
    void ApplyTexts();
    // Widens what is too narrow for its texts in either language; returns the
    // right edge of the widest row.
    int FitTextWidths();

    QPushButton* CommandModeButton() const { return commandMode_; }
    QPushButton* DataModeButton() const { return dataMode_; }

protected:
    // A key released in the D2D ID makes the registration packet anew.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Top of row `row` (1 to 12).
    int RowTop(int row) const;

    FormModel& form_;
    const TLangList& language_;

    // Controls one view shows and the other hides.
    struct ViewOnly {
        QWidget* widget;
        Shown shown;
    };
    std::vector<ViewOnly> viewOnly_;
    std::vector<QWidget*> rowMarkers_;
    // The rows the compact view moves.
    std::vector<QWidget*> heartbeatTimeRow_;
    std::vector<QWidget*> heartbeatPacketRow_;
    std::vector<QWidget*> regPacketRow_;
    // Socket 1's labels of the compact view.
    QWidget* hostLabel1_ = nullptr;
    QWidget* protocolLabel1_ = nullptr;
    QWidget* portLabel1_ = nullptr;
    QWidget* host1_ = nullptr;
    // Sockets 1 to 4.
    std::array<QCheckBox*, kSockets> socketEnables_{};
    std::array<QComboBox*, kSockets> protocols_{};
    std::array<QWidget*, kSockets> ports_{};
    // The packet rows, left to right: the edit, its hex box and the box that
    // says where the packet goes.
    struct PacketRow {
        QLineEdit* edit;
        QWidget* hex;
        QComboBox* target;
    };
    std::array<PacketRow, 2> packetRows_{};
    QLineEdit* d2dId_ = nullptr;
    QLineEdit* regFormat_ = nullptr;
    QLineEdit* cloudName_ = nullptr;
    QLineEdit* cloudPassword_ = nullptr;
    QCheckBox* cloudEnable_ = nullptr;
    QCheckBox* cacheEnable_ = nullptr;
    // The reconnect interval, which only firmware with cloud support has.
    std::array<QWidget*, 2> reconnect_{};
    QPushButton* viewSwitch_ = nullptr;
    QPushButton* commandMode_ = nullptr;
    QPushButton* dataMode_ = nullptr;
};

}  // namespace dtu
