#pragma once

#include <array>
#include <string>

namespace dtu {

// The host name the socket host fields show by default; compact-view write all
// sends it for sockets 2 to 4.
inline constexpr const char* kDefaultServerHost = "dtu.example.net";

// A snapshot of the form inputs that write all, the firmware-family extension,
// the port follow-up and the SMS action read. Fields carry the names of their
// controls; texts are GBK bytes as shown, ticks are the check states and item
// indexes are -1 when nothing is selected.
struct FormValues {
    struct Socket {
        std::string cbb_NetProtocol;  // text shown, "TCP" or "UDP"
        std::string edt_IP;
        std::string edt_Port;
        bool chk_NetPort = false;
    };

    int cbb_WorkMode = 0;       // item: the device's work-mode number
    int btn_ShowMoreTag = 1;    // view: 0 full, 1 compact
    std::string edt_APN_other;  // the whole APN value

    // The device's own UART.
    std::string cbb_Com_BaudRate;  // text shown
    std::string cbb_Com_ParityText;
    std::string cbb_Com_ByteText;
    std::string cbb_Com_StopText;
    int cbb_Com_ParityItem = 0;
    int cbb_Com_ByteItem = 1;
    int cbb_Com_StopItem = 0;

    // Data-transmission page.
    std::array<Socket, 4> sockets;  // sockets 1 to 4
    std::string edt_HeartbeatTime;
    std::string edt_WaitTime;
    std::string edt_RestartTime;
    std::string edt_HeartbeatFormat;
    bool chk_HeartbeatFormat = false;  // ticked: the field already holds hex
    int cbb_HeartbeatTo = 0;
    std::string edt_RegFormat;
    bool chk_RegFormat = false;
    int cbb_RegMode = 0;
    bool chk_ComAtEnable = false;
    bool chk_NetAtEnable = false;
    bool chkCloudEnalbe = false;
    std::string lbledtCloud;
    std::string lbledtPswd;
    bool chk_CachEnable = false;
    std::string lbledtResoc;

    // Httpd Client page (socket 5).
    std::string edt_IP5;
    std::string edt_Port5;
    std::string cbbHTPTP;  // text shown
    std::string edtHTPURL;
    std::string mmoHTPHD;  // whole memo text, line breaks included

    // Sms Transmission page.
    std::string edt_TelNo;

    // AT-command page: the SMS sender.
    std::string edt_Sms_TelNo;
    std::string mmo_Sms_Msg;
};

}  // namespace dtu
