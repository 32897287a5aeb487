#include "lang/builtin_texts.h"

#include "lang/atomic_write.h"

namespace dtu {
namespace {

// Chinese texts are GBK bytes; the comment above each row shows it in UTF-8 (⏎ = CR LF).
// Row 145 repeats the key of row 144 on purpose: lookups find row 144, the language
// file lists both.
constexpr BuiltinText kBuiltinTexts[] = {
    // 1 Brantec-GPRS-DTU
    {"lang_System_Title", "Brantec-GPRS-DTU", "Brantec-GPRS-DTU"},
    // 2 文件(&F)
    {"lang_Menu_File", "\xCE\xC4\xBC\xFE(&F)", "File(&F)"},
    // 3 English(&L)
    {"lang_Menu_Lang", "English(&L)", "Chinese(&L)"},
    // 4 帮助(&H)
    {"lang_Menu_Help", "\xB0\xEF\xD6\xFA(&H)", "Help(&H)"},
    // 5 恢复出厂配置
    {"lang_Menu_Default", "\xBB\xD6\xB8\xB4\xB3\xF6\xB3\xA7\xC5\xE4\xD6\xC3", "Factory Reset"},
    // 6 读取设备配置
    {"lang_Menu_Read", "\xB6\xC1\xC8\xA1\xC9\xE8\xB1\xB8\xC5\xE4\xD6\xC3", "Read Dev Config"},
    // 7 配置全部参数(F9)
    {"lang_Menu_WriteAll", "\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD(F9)",
     "Write All (F9)"},
    // 8 保存串口配置
    {"lang_Menu_SaveComConf", "\xB1\xA3\xB4\xE6\xB4\xAE\xBF\xDA\xC5\xE4\xD6\xC3",
     "Save COM Config"},
    // 9 以保存的串口配置重新打开串口 (F8)
    {"lang_Menu_ReOpenCom",
     "\xD2\xD4\xB1\xA3\xB4\xE6\xB5\xC4\xB4\xAE\xBF\xDA\xC5\xE4\xD6\xC3\xD6\xD8\xD0\xC2\xB4\xF2\xBF"
     "\xAA\xB4\xAE\xBF\xDA (F8) ",
     "Open COM again with saved Config (F8) "},
    // 10 退出程序
    {"lang_Menu_Exit", "\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2", "Exit"},
    // 11 关于...
    {"lang_Menu_About", "\xB9\xD8\xD3\xDA...", "About..."},
    // 12 检查更新
    {"lang_Menu_Update", "\xBC\xEC\xB2\xE9\xB8\xFC\xD0\xC2", "Check Update"},
    // 13 访问站点
    {"lang_Menu_Web", "\xB7\xC3\xCE\xCA\xD5\xBE\xB5\xE3", "Website"},
    // 14 https://velkor.example.com/cn/download
    {"lang_DownWeb", "https://velkor.example.com/cn/download",
     "https://velkor.example.com/en/download"},
    // 15 https://velkor.example.com/cn/support
    {"lang_WorkOrder", "https://velkor.example.com/cn/support",
     "https://velkor.example.com/en/support"},
    // 16 技术支持
    {"lang_Menu_TechnicalSupport", "\xBC\xBC\xCA\xF5\xD6\xA7\xB3\xD6", "TechnicalSupport"},
    // 17 入门手册
    {"lang_Menu_Baedeker", "\xC8\xEB\xC3\xC5\xCA\xD6\xB2\xE1", "Baedeker"},
    // 18 产品手册
    {"lang_Menu_ProductManuals", "\xB2\xFA\xC6\xB7\xCA\xD6\xB2\xE1", "ProductManuals"},
    // 19 知识问答
    {"lang_Menu_FAQ", "\xD6\xAA\xCA\xB6\xCE\xCA\xB4\xF0", "FAQ"},
    // 20 D2D服务
    {"lang_Menu_D2D", "D2D\xB7\xFE\xCE\xF1", "D2D server"},
    // 21 其他配置方式
    {"lang_Menu_Message", "\xC6\xE4\xCB\xFB\xC5\xE4\xD6\xC3\xB7\xBD\xCA\xBD",
     "More config instructions"},
    // 22 模块支持通过短信AT指令设置模块参数,格式为⏎⏎ kelmo,CMD⏎⏎CMD为指令,请参考AT指令集
    {"lang_Hint_Message",
     "\xC4\xA3\xBF\xE9\xD6\xA7\xB3\xD6\xCD\xA8\xB9\xFD\xB6\xCC\xD0\xC5"
     "AT\xD6\xB8\xC1\xEE\xC9\xE8\xD6\xC3\xC4\xA3\xBF\xE9\xB2\xCE\xCA\xFD,"
     "\xB8\xF1\xCA\xBD\xCE\xAA\r\n\r\n                    "
     "kelmo,CMD\r\n\r\nCMD\xCE\xAA\xD6\xB8\xC1\xEE,\xC7\xEB\xB2\xCE\xBF\xBC"
     "AT\xD6\xB8\xC1\xEE\xBC\xAF",
     "Module support via text message AT instruction\r\n\r\nto set the module parameters,the "
     "format is \r\n\r\n                    kelmo,CMD\r\n\r\nabout CMD,Please refer to the AT "
     "command set."},
    // 23 保存串口配置用于批量设置,使用方法参考:⏎1. 配置第一个设备⏎2. 更换设备⏎3.
    // 在配置窗口点击菜单"以保存的串口配置重新打开串口"(快捷键F8)⏎4. 点"配置全部参数"(快捷键F9)
    {"lang_Menu_ManySet",
     "\xB1\xA3\xB4\xE6\xB4\xAE\xBF\xDA\xC5\xE4\xD6\xC3\xD3\xC3\xD3\xDA\xC5\xFA\xC1\xBF\xC9\xE8\xD6"
     "\xC3,\xCA\xB9\xD3\xC3\xB7\xBD\xB7\xA8\xB2\xCE\xBF\xBC:\r\n1. "
     "\xC5\xE4\xD6\xC3\xB5\xDA\xD2\xBB\xB8\xF6\xC9\xE8\xB1\xB8\r\n2. "
     "\xB8\xFC\xBB\xBB\xC9\xE8\xB1\xB8\r\n3. "
     "\xD4\xDA\xC5\xE4\xD6\xC3\xB4\xB0\xBF\xDA\xB5\xE3\xBB\xF7\xB2\xCB\xB5\xA5\"\xD2\xD4\xB1\xA3"
     "\xB4\xE6\xB5\xC4\xB4\xAE\xBF\xDA\xC5\xE4\xD6\xC3\xD6\xD8\xD0\xC2\xB4\xF2\xBF\xAA\xB4\xAE\xBF"
     "\xDA\"(\xBF\xEC\xBD\xDD\xBC\xFC"
     "F8)\r\n4. "
     "\xB5\xE3\"\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD\"(\xBF\xEC\xBD\xDD\xBC\xFC"
     "F9)",
     "Save the serial port configuration used in batch setting,reference:\r\n1. Configure the "
     "first device\r\n2. change devices\r\n3. Click menu \"Open COM again with saved "
     "Config\"(ShortCut:F8)\r\n4. Click button\"Write All Config\"(ShortCut:F9)"},
    // 24 实时帮助
    {"lang_Menu_HintMouse_Enable", "\xCA\xB5\xCA\xB1\xB0\xEF\xD6\xFA", "Real-time Help"},
    // 25 提交问题
    {"lang_Menu_WorkOrder", "\xCC\xE1\xBD\xBB\xCE\xCA\xCC\xE2", "Work Order"},
    // 26 打开串口
    {"lang_grp_OpenCom", "\xB4\xF2\xBF\xAA\xB4\xAE\xBF\xDA", "Open COM Port"},
    // 27 串口号
    {"lang_Lbl_ComName", "\xB4\xAE\xBF\xDA\xBA\xC5", "COM Port"},
    // 28 波特率
    {"lang_Lbl_ComBaudRate", "\xB2\xA8\xCC\xD8\xC2\xCA", "Baud Rate"},
    // 29 校验/数据/停止
    {"lang_Lbl_ComParam", "\xD0\xA3\xD1\xE9/\xCA\xFD\xBE\xDD/\xCD\xA3\xD6\xB9", "Parity/Data/Stop"},
    // 30 校验位
    {"lang_Lbl_ComParity", "\xD0\xA3\xD1\xE9\xCE\xBB", "Parity"},
    // 31 数据位
    {"lang_Lbl_ComData", "\xCA\xFD\xBE\xDD\xCE\xBB", "Data bits"},
    // 32 停止位
    {"lang_Lbl_ComStop", "\xCD\xA3\xD6\xB9\xCE\xBB", "Stop bits"},
    // 33 打开串口
    {"lang_Command_Open", "\xB4\xF2\xBF\xAA\xB4\xAE\xBF\xDA", "Open COM"},
    // 34 关闭串口
    {"lang_Command_Close", "\xB9\xD8\xB1\xD5\xB4\xAE\xBF\xDA", "Close COM"},
    // 35 APN账号
    {"lang_Lbl_APN", "APN\xD5\xCB\xBA\xC5", "APN"},
    // 36 移动
    {"lang_cbb_CMNET", "\xD2\xC6\xB6\xAF", "CMNET"},
    // 37 联通
    {"lang_cbb_UNINET", "\xC1\xAA\xCD\xA8", "UNINET"},
    // 38 其他
    {"lang_cbb_Other", "\xC6\xE4\xCB\xFB", "Other"},
    // 39 设备波特率
    {"lang_Lbl_DTUBaudRate", "\xC9\xE8\xB1\xB8\xB2\xA8\xCC\xD8\xC2\xCA", "DTU BaudRate"},
    // 40 工作模式
    {"lang_Lbl_WorkMode", "\xB9\xA4\xD7\xF7\xC4\xA3\xCA\xBD", "Work Mode"},
    // 41 数据透传模式
    {"lang_Cbb_DataTran", "\xCA\xFD\xBE\xDD\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD",
     "Data Transmission mode"},
    // 42 串口命令模式
    {"lang_Cbb_ComCmd", "\xB4\xAE\xBF\xDA\xC3\xFC\xC1\xEE\xC4\xA3\xCA\xBD", "Serial command mode"},
    // 43 AT指令模式
    {"lang_Cbb_AtCmd", "AT\xD6\xB8\xC1\xEE\xC4\xA3\xCA\xBD", "AT Instruction mode"},
    // 44 Httpd Client模式
    {"lang_Cbb_HttpdClient", "Httpd Client\xC4\xA3\xCA\xBD", "Httpd Client mode"},
    // 45 短信透传模式
    {"lang_Cbb_SmsTrans", "\xB6\xCC\xD0\xC5\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD",
     "Sms Transmission mode"},
    // 46 透传网络
    {"lang_Lbl_TSNet", "\xCD\xB8\xB4\xAB\xCD\xF8\xC2\xE7", "Transfer Net"},
    // 47 启用网络
    {"lang_Lbl_Enable", "\xC6\xF4\xD3\xC3\xCD\xF8\xC2\xE7", "Use  Net  "},
    // 48 IP或域名
    {"lang_Lbl_IP", "IP\xBB\xF2\xD3\xF2\xC3\xFB", "IP/Domain"},
    // 49 网络端口
    {"lang_Lbl_Port", "\xCD\xF8\xC2\xE7\xB6\xCB\xBF\xDA", "Port"},
    // 50 网络协议
    {"lang_Lbl_NetProtocol", "\xCD\xF8\xC2\xE7\xD0\xAD\xD2\xE9", "Protocol"},
    // 51 心跳时间
    {"lang_Lbl_HeartbeatTime", "\xD0\xC4\xCC\xF8\xCA\xB1\xBC\xE4", "Heartbeat"},
    // 52 打包时间
    {"lang_Lbl_WaitTime", "\xB4\xF2\xB0\xFC\xCA\xB1\xBC\xE4", "Pack Time"},
    // 53 自动重启时间
    {"lang_Lbl_RestartTime", "\xD7\xD4\xB6\xAF\xD6\xD8\xC6\xF4\xCA\xB1\xBC\xE4", "Restart Time"},
    // 54 毫秒
    {"lang_Lbl_ms", "\xBA\xC1\xC3\xEB", "ms"},
    // 55 字节
    {"lang_Lbl_Byte", "\xD7\xD6\xBD\xDA", "Bytes"},
    // 56 秒
    {"lang_Lbl_s", "\xC3\xEB", "s"},
    // 57 注册包格式
    {"lang_Lbl_DevID", "\xD7\xA2\xB2\xE1\xB0\xFC\xB8\xF1\xCA\xBD", "Register Pkt"},
    // 58 心跳包格式
    {"lang_Lbl_HeartbeatFormat", "\xD0\xC4\xCC\xF8\xB0\xFC\xB8\xF1\xCA\xBD", "Heartbeat Pkt"},
    // 59 向网络发心跳包
    {"lang_cbb_HeartbeatTo_0", "\xCF\xF2\xCD\xF8\xC2\xE7\xB7\xA2\xD0\xC4\xCC\xF8\xB0\xFC",
     "ToNetSendHeartbeat"},
    // 60 向串口发心跳包
    {"lang_cbb_HeartbeatTo_1", "\xCF\xF2\xB4\xAE\xBF\xDA\xB7\xA2\xD0\xC4\xCC\xF8\xB0\xFC",
     "ToComSendHeartbeat"},
    // 61 连接即发注册包
    {"lang_cbb_RegMode_0", "\xC1\xAC\xBD\xD3\xBC\xB4\xB7\xA2\xD7\xA2\xB2\xE1\xB0\xFC",
     "Connecte Send ID  "},
    // 62 数据携带注册包
    {"lang_cbb_RegMode_1", "\xCA\xFD\xBE\xDD\xD0\xAF\xB4\xF8\xD7\xA2\xB2\xE1\xB0\xFC",
     "Data With ID      "},
    // 63 启用D2D转发服务
    {"lang_chk_D2DEnable",
     "\xC6\xF4\xD3\xC3"
     "D2D\xD7\xAA\xB7\xA2\xB7\xFE\xCE\xF1",
     "Use Velkor-D2D "},
    // 64 启用网络AT指令
    {"lang_chk_NetAtEnable",
     "\xC6\xF4\xD3\xC3\xCD\xF8\xC2\xE7"
     "AT\xD6\xB8\xC1\xEE",
     "Enable Net AT  "},
    // 65 启用串口AT指令
    {"lang_chk_ComAtEnable",
     "\xC6\xF4\xD3\xC3\xB4\xAE\xBF\xDA"
     "AT\xD6\xB8\xC1\xEE",
     "Enable Serial AT"},
    // 66 启用串口缓存
    {"lang_chk_CachEnable", "\xC6\xF4\xD3\xC3\xB4\xAE\xBF\xDA\xBB\xBA\xB4\xE6",
     "Enable Serial cache"},
    // 67 启用透传云
    {"lang_chkCloudEnalbe", "\xC6\xF4\xD3\xC3\xCD\xB8\xB4\xAB\xD4\xC6", "Enable Velkor Cloud"},
    // 68 透传云设备编号
    {"lang_lbledtCloud", "\xCD\xB8\xB4\xAB\xD4\xC6\xC9\xE8\xB1\xB8\xB1\xE0\xBA\xC5",
     "Cloud Dev Number"},
    // 69 通讯密码
    {"lang_lbledtPswd", "\xCD\xA8\xD1\xB6\xC3\xDC\xC2\xEB", "Password"},
    // 70 精简显示 -
    {"lang_btn_ShowMore_tidily", "\xBE\xAB\xBC\xF2\xCF\xD4\xCA\xBE -", "Show Tidily -"},
    // 71 完整显示 +
    {"lang_btn_ShowMore_full", "\xCD\xEA\xD5\xFB\xCF\xD4\xCA\xBE +", "Show Full +"},
    // 72 目的号码
    {"lang_lbl_TelNo", "\xC4\xBF\xB5\xC4\xBA\xC5\xC2\xEB", "Phone No."},
    // 73 短信内容
    {"lang_lbl_Sms_Msg", "\xB6\xCC\xD0\xC5\xC4\xDA\xC8\xDD", "Message"},
    // 74 信息提示区
    {"lang_Lbl_Info", "\xD0\xC5\xCF\xA2\xCC\xE1\xCA\xBE\xC7\xF8", "Information"},
    // 75 清空显示区
    {"lang_Lbl_ClearInfo", "\xC7\xE5\xBF\xD5\xCF\xD4\xCA\xBE\xC7\xF8", "Clear"},
    // 76 发送区
    {"lang_Lbl_Send", "\xB7\xA2\xCB\xCD\xC7\xF8", "Send Area"},
    // 77 清空发送区
    {"lang_Lbl_ClearSend", "\xC7\xE5\xBF\xD5\xB7\xA2\xCB\xCD\xC7\xF8", "Clear"},
    // 78 发送
    {"lang_btn_Send", "\xB7\xA2\xCB\xCD", "Send"},
    // 79 附：常用AT指令
    {"lang_grp_CommonAtCmd",
     "\xB8\xBD\xA3\xBA\xB3\xA3\xD3\xC3"
     "AT\xD6\xB8\xC1\xEE",
     "Common AT Commands"},
    // 80 查询固件版本
    {"lang_btn_At_GetCiver", "\xB2\xE9\xD1\xAF\xB9\xCC\xBC\xFE\xB0\xE6\xB1\xBE",
     "Firmware Version"},
    // 81 发短信
    {"lang_btn_Sms_Send", "\xB7\xA2\xB6\xCC\xD0\xC5", "Send SMS"},
    // 82 重启设备
    {"lang_btn_ReStart", "\xD6\xD8\xC6\xF4\xC9\xE8\xB1\xB8", "Restart"},
    // 83 断线重连间隔
    {"lang_lbledtResoc", "\xB6\xCF\xCF\xDF\xD6\xD8\xC1\xAC\xBC\xE4\xB8\xF4", "Reconnect"},
    // 84 HTTP请求方式
    {"lang_lblHTPTP", "HTTP\xC7\xEB\xC7\xF3\xB7\xBD\xCA\xBD", "HTTP Method"},
    // 85 HTTP请求的URL
    {"lang_lblHTPURL", "HTTP\xC7\xEB\xC7\xF3\xB5\xC4URL", "HTTP URL"},
    // 86 HTTP请求头信息
    {"lang_lblHTPHD", "HTTP\xC7\xEB\xC7\xF3\xCD\xB7\xD0\xC5\xCF\xA2", "HTTP Header"},
    // 87 关于本程序
    {"lang_About_Title", "\xB9\xD8\xD3\xDA\xB1\xBE\xB3\xCC\xD0\xF2", "About this"},
    // 88 版本:
    {"lang_About_Version", "\xB0\xE6\xB1\xBE:", "Version:"},
    // 89 确 认
    {"lang_About_Yes", "\xC8\xB7 \xC8\xCF", "OK"},
    // 90 本软件由Velkor开发,用于通过串口配置Brantec系列GPRS DTU,免费使用.
    {"lang_About_Description",
     "\xB1\xBE\xC8\xED\xBC\xFE\xD3\xC9Velkor\xBF\xAA\xB7\xA2,"
     "\xD3\xC3\xD3\xDA\xCD\xA8\xB9\xFD\xB4\xAE\xBF\xDA\xC5\xE4\xD6\xC3"
     "Brantec\xCF\xB5\xC1\xD0GPRS DTU,\xC3\xE2\xB7\xD1\xCA\xB9\xD3\xC3.",
     "Developed by Velkor.\r\nConfigures the Brantec GPRS DTU product family."},
    // 91 联系我们:
    {"lang_About_Contact", "\xC1\xAA\xCF\xB5\xCE\xD2\xC3\xC7:", "Contact Us:"},
    // 92 https://velkor.example.com
    {"lang_About_Website", "https://velkor.example.com", "https://velkor.example.com/en"},
    // 93
    {"lang_About_Tel", " ", " "},
    // 94
    {"lang_About_Email", " ", " "},
    // 95 APN设置
    {"lang_APN_Title", "APN\xC9\xE8\xD6\xC3", "APN Setting"},
    // 96 APN:
    {"lang_APN_APN", "APN:", "APN:"},
    // 97 账号:
    {"lang_APN_Account", "\xD5\xCB\xBA\xC5:", "Account:"},
    // 98 APN账号不能为空！
    {"lang_APN_APNEmpty", "APN\xD5\xCB\xBA\xC5\xB2\xBB\xC4\xDC\xCE\xAA\xBF\xD5\xA3\xA1",
     "APN account can not be empty!"},
    // 99 密码:
    {"lang_APN_Password", "\xC3\xDC\xC2\xEB:", "Password:"},
    // 100 确 定
    {"lang_APN_OK", "\xC8\xB7 \xB6\xA8", "OK"},
    // 101 [提示]:串口未开启！请先打开串口.
    {"lang_Info_ComIsOpen",
     "[\xCC\xE1\xCA\xBE]:"
     "\xB4\xAE\xBF\xDA\xCE\xB4\xBF\xAA\xC6\xF4\xA3\xA1\xC7\xEB\xCF\xC8\xB4\xF2\xBF\xAA\xB4\xAE\xBF"
     "\xDA.",
     "[Note]: Com is not Opened, Open Com first, Please!"},
    // 102 [发送]:
    {"lang_Info_Send", "[\xB7\xA2\xCB\xCD]:", "[Send]:"},
    // 103 [接收]:
    {"lang_Info_Receive", "[\xBD\xD3\xCA\xD5]:", "[Receive]:"},
    // 104 [提示]:设备启动,已进入配置状态,请马上配置参数,5秒内无配置操作,设备将进入通讯状态
    {"lang_Info_SendInfo",
     "[\xCC\xE1\xCA\xBE]:\xC9\xE8\xB1\xB8\xC6\xF4\xB6\xAF,"
     "\xD2\xD1\xBD\xF8\xC8\xEB\xC5\xE4\xD6\xC3\xD7\xB4\xCC\xAC,"
     "\xC7\xEB\xC2\xED\xC9\xCF\xC5\xE4\xD6\xC3\xB2\xCE\xCA\xFD,"
     "5\xC3\xEB\xC4\xDA\xCE\xDE\xC5\xE4\xD6\xC3\xB2\xD9\xD7\xF7,"
     "\xC9\xE8\xB1\xB8\xBD\xAB\xBD\xF8\xC8\xEB\xCD\xA8\xD1\xB6\xD7\xB4\xCC\xAC",
     "[Note]: The device has been started, Send The configuration information in 5 "
     "seconds.please."},
    // 105 [提示]:操作成功.
    {"lang_Info_DoSuccess", "[\xCC\xE1\xCA\xBE]:\xB2\xD9\xD7\xF7\xB3\xC9\xB9\xA6.",
     "[Note]: Successful operation."},
    // 106 [提示]:参数设置成功,+++A配置状态下设置的参数重启设备后生效.
    {"lang_Info_SetSuccess",
     "[\xCC\xE1\xCA\xBE]:\xB2\xCE\xCA\xFD\xC9\xE8\xD6\xC3\xB3\xC9\xB9\xA6,+++"
     "A\xC5\xE4\xD6\xC3\xD7\xB4\xCC\xAC\xCF\xC2\xC9\xE8\xD6\xC3\xB5\xC4\xB2\xCE\xCA\xFD\xD6\xD8\xC6"
     "\xF4\xC9\xE8\xB1\xB8\xBA\xF3\xC9\xFA\xD0\xA7.",
     "[Note]: Parameter set successfully.Device set parameter in \"+++A\" state ,Effective after "
     "reboot"},
    // 107 [提示]:参数读取成功.
    {"lang_Info_ReadSuccess",
     "[\xCC\xE1\xCA\xBE]:\xB2\xCE\xCA\xFD\xB6\xC1\xC8\xA1\xB3\xC9\xB9\xA6.",
     "[Note]:Parameter read successfully."},
    // 108 [提示]:命令执行失败！正尝试发送"+++A"进入配置状态.⏎
    {"lang_receive_Timeout1",
     "[\xCC\xE1\xCA\xBE]:"
     "\xC3\xFC\xC1\xEE\xD6\xB4\xD0\xD0\xCA\xA7\xB0\xDC\xA3\xA1\xD5\xFD\xB3\xA2\xCA\xD4\xB7\xA2\xCB"
     "\xCD\"+++A\"\xBD\xF8\xC8\xEB\xC5\xE4\xD6\xC3\xD7\xB4\xCC\xAC.\r\n",
     "[Note]: Exec failure!Try sending \"+++A\" to enter configured state\r\n"},
    // 109 [提示]:命令执行失败,请排查以下情况:⏎⏎  1.
    // 当前在数据透传模式下且已进入+++A配置状态,回到通讯状态请点击"AT+ENTM"⏎⏎  2.
    // 当前在串口命令、HttpdClient或短信透传模式下且进入了通讯状态,这种情况+++A无效,需要重启设备,重启之后按提示在5秒内配置⏎⏎
    // 3.  电源线或串口线接触不良⏎
    {"lang_receive_Timeout2",
     "[\xCC\xE1\xCA\xBE]:\xC3\xFC\xC1\xEE\xD6\xB4\xD0\xD0\xCA\xA7\xB0\xDC,"
     "\xC7\xEB\xC5\xC5\xB2\xE9\xD2\xD4\xCF\xC2\xC7\xE9\xBF\xF6:\r\n\r\n  1.  "
     "\xB5\xB1\xC7\xB0\xD4\xDA\xCA\xFD\xBE\xDD\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD\xCF\xC2\xC7\xD2\xD2"
     "\xD1\xBD\xF8\xC8\xEB+++A\xC5\xE4\xD6\xC3\xD7\xB4\xCC\xAC,"
     "\xBB\xD8\xB5\xBD\xCD\xA8\xD1\xB6\xD7\xB4\xCC\xAC\xC7\xEB\xB5\xE3\xBB\xF7\"AT+ENTM\"\r\n\r\n  "
     "2.  "
     "\xB5\xB1\xC7\xB0\xD4\xDA\xB4\xAE\xBF\xDA\xC3\xFC\xC1\xEE\xA1\xA2HttpdClient\xBB\xF2\xB6\xCC"
     "\xD0\xC5\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD\xCF\xC2\xC7\xD2\xBD\xF8\xC8\xEB\xC1\xCB\xCD\xA8\xD1"
     "\xB6\xD7\xB4\xCC\xAC,\xD5\xE2\xD6\xD6\xC7\xE9\xBF\xF6+++A\xCE\xDE\xD0\xA7,"
     "\xD0\xE8\xD2\xAA\xD6\xD8\xC6\xF4\xC9\xE8\xB1\xB8,"
     "\xD6\xD8\xC6\xF4\xD6\xAE\xBA\xF3\xB0\xB4\xCC\xE1\xCA\xBE\xD4\xDA"
     "5\xC3\xEB\xC4\xDA\xC5\xE4\xD6\xC3\r\n\r\n  3.  "
     "\xB5\xE7\xD4\xB4\xCF\xDF\xBB\xF2\xB4\xAE\xBF\xDA\xCF\xDF\xBD\xD3\xB4\xA5\xB2\xBB\xC1\xBC\r\n",
     "[Note]:Exec failure,Please investigation:\r\n\r\n  1.  Now device is working in Data "
     "Transmission mode and has entered +++ A configuration status, Want to go back to the "
     "communication status, please click \"AT+ENTM\"\r\n\r\n  2.  Now device is working in Serial "
     "command mode\xA1\xA2HttpdClient mode or Sms Transmission mode and has entered  communication "
     "status,  in this case,+++A is void, device should be reboot ,and set or read parameter "
     "follow the instructions in 5 seconds \r\n\r\n  3.  Power lines or serial cable is bad\r\n"},
    // 110 [提示]:命令执行失败,请排查以下情况:⏎⏎  1.
    // 当前已进入通讯状态,在数据透传模式下进入配置状态,请点击+++A⏎⏎  2.  电源线或串口线接触不良⏎
    {"lang_receive_Timeout3",
     "[\xCC\xE1\xCA\xBE]:\xC3\xFC\xC1\xEE\xD6\xB4\xD0\xD0\xCA\xA7\xB0\xDC,"
     "\xC7\xEB\xC5\xC5\xB2\xE9\xD2\xD4\xCF\xC2\xC7\xE9\xBF\xF6:\r\n\r\n  1.  "
     "\xB5\xB1\xC7\xB0\xD2\xD1\xBD\xF8\xC8\xEB\xCD\xA8\xD1\xB6\xD7\xB4\xCC\xAC,"
     "\xD4\xDA\xCA\xFD\xBE\xDD\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD\xCF\xC2\xBD\xF8\xC8\xEB\xC5\xE4\xD6"
     "\xC3\xD7\xB4\xCC\xAC,\xC7\xEB\xB5\xE3\xBB\xF7+++A\r\n\r\n  2.  "
     "\xB5\xE7\xD4\xB4\xCF\xDF\xBB\xF2\xB4\xAE\xBF\xDA\xCF\xDF\xBD\xD3\xB4\xA5\xB2\xBB\xC1\xBC\r\n",
     "[Note]:Exec failure,Please investigation:\r\n\r\n  1.  Now device is working in "
     "communication status.If device is working in Data Transmission mode and Want to into "
     "configuration status , please click \"+++A\"\r\n\r\n  2.  Power lines or serial cable is "
     "bad\r\n"},
    // 111 [提示]:已进入+++A配置状态,点击AT+ENTM回到通讯状态⏎
    {"lang_Info_EnterPPPA_Ok",
     "[\xCC\xE1\xCA\xBE]:\xD2\xD1\xBD\xF8\xC8\xEB+++A\xC5\xE4\xD6\xC3\xD7\xB4\xCC\xAC,"
     "\xB5\xE3\xBB\xF7"
     "AT+ENTM\xBB\xD8\xB5\xBD\xCD\xA8\xD1\xB6\xD7\xB4\xCC\xAC\r\n",
     "[Note]:Enter +++A OK,Want to go back to the communication status, please click \"AT+ENTM\""},
    // 112 [提示]:已回到通讯状态⏎
    {"lang_Info_ENTM_Ok",
     "[\xCC\xE1\xCA\xBE]:\xD2\xD1\xBB\xD8\xB5\xBD\xCD\xA8\xD1\xB6\xD7\xB4\xCC\xAC\r\n",
     "[Note]:Has gone back to the communication status\r\n"},
    // 113 [提示]:串口打开失败,请检查该串口是否被其他软件占用！
    {"lang_Info_ComInuse",
     "[\xCC\xE1\xCA\xBE]:\xB4\xAE\xBF\xDA\xB4\xF2\xBF\xAA\xCA\xA7\xB0\xDC,"
     "\xC7\xEB\xBC\xEC\xB2\xE9\xB8\xC3\xB4\xAE\xBF\xDA\xCA\xC7\xB7\xF1\xB1\xBB\xC6\xE4\xCB\xFB\xC8"
     "\xED\xBC\xFE\xD5\xBC\xD3\xC3\xA3\xA1",
     "[Note]: Failure , please close other software which use this Com Port."},
    // 114 一般操作流程:
    {"info_Start0",
     "\xD2\xBB\xB0\xE3\xB2\xD9\xD7\xF7\xC1\xF7\xB3\xCC:", "General operation process:"},
    // 115 1、模块连PC串口,上电;
    {"info_Start1", "1\xA1\xA2\xC4\xA3\xBF\xE9\xC1\xACPC\xB4\xAE\xBF\xDA,\xC9\xCF\xB5\xE7;",
     "1,Module connect to PC serial port;"},
    // 116 2、打开串口;
    {"info_Start2", "2\xA1\xA2\xB4\xF2\xBF\xAA\xB4\xAE\xBF\xDA;", "2,Open the serial port;"},
    // 117 3、读取设备配置;
    {"info_Start3", "3\xA1\xA2\xB6\xC1\xC8\xA1\xC9\xE8\xB1\xB8\xC5\xE4\xD6\xC3;",
     "3,Read Dev Config;"},
    // 118 4、选择工作模式及配置相关参数;
    {"info_Start4",
     "4\xA1\xA2\xD1\xA1\xD4\xF1\xB9\xA4\xD7\xF7\xC4\xA3\xCA\xBD\xBC\xB0\xC5\xE4\xD6\xC3\xCF\xE0\xB9"
     "\xD8\xB2\xCE\xCA\xFD;",
     "4,Choose work mode and configure related parameters;"},
    // 119 5、配置全部参数.
    {"info_Start5", "5\xA1\xA2\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD.", "5,Write All."},
    // 120 设置设备串口的波特率,须与用户设备的串口一致
    {"lang_Hint_ComBaudRate",
     "\xC9\xE8\xD6\xC3\xC9\xE8\xB1\xB8\xB4\xAE\xBF\xDA\xB5\xC4\xB2\xA8\xCC\xD8\xC2\xCA,"
     "\xD0\xEB\xD3\xEB\xD3\xC3\xBB\xA7\xC9\xE8\xB1\xB8\xB5\xC4\xB4\xAE\xBF\xDA\xD2\xBB\xD6\xC2",
     "Baud rate of the device's serial port; it must match the port of your equipment"},
    // 121 设备拨号使用的APN,选择"其他"可自定义APN、账号和密码
    {"lang_Hint_APN",
     "\xC9\xE8\xB1\xB8\xB2\xA6\xBA\xC5\xCA\xB9\xD3\xC3\xB5\xC4"
     "APN,\xD1\xA1\xD4\xF1\"\xC6\xE4\xCB\xFB\"\xBF\xC9\xD7\xD4\xB6\xA8\xD2\xE5"
     "APN\xA1\xA2\xD5\xCB\xBA\xC5\xBA\xCD\xC3\xDC\xC2\xEB",
     "APN the device dials with; choose \"Other\" to set your own APN, account and password"},
    // 122 选择工作模式⏎AT + CIMOD = "MOD" <CR> ⏎MOD 表示工作模式⏎  0 :数据透传模式,用于传输数据⏎  1
    // :串口命令模式,用于支持本公司自定义串口命令协议⏎  2 : AT 指令模式,用于响应用户AT指令⏎  3 :
    // HTTPD Client 模式,对串口数据做GET打包⏎  4 :短信透传模式⏎<CR>
    // 表示回车⏎⏎关于工作模式详解,点菜单"帮助-技术支持-产品手册",⏎见"工作模式及功能描述"章节
    {"lang_Hint_WorkMode",
     "\xD1\xA1\xD4\xF1\xB9\xA4\xD7\xF7\xC4\xA3\xCA\xBD\r\nAT + CIMOD = \"MOD\" <CR> \r\nMOD "
     "\xB1\xED\xCA\xBE\xB9\xA4\xD7\xF7\xC4\xA3\xCA\xBD\r\n  0 "
     ":\xCA\xFD\xBE\xDD\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD,"
     "\xD3\xC3\xD3\xDA\xB4\xAB\xCA\xE4\xCA\xFD\xBE\xDD\r\n  1 "
     ":\xB4\xAE\xBF\xDA\xC3\xFC\xC1\xEE\xC4\xA3\xCA\xBD,"
     "\xD3\xC3\xD3\xDA\xD6\xA7\xB3\xD6\xB1\xBE\xB9\xAB\xCB\xBE\xD7\xD4\xB6\xA8\xD2\xE5\xB4\xAE\xBF"
     "\xDA\xC3\xFC\xC1\xEE\xD0\xAD\xD2\xE9\r\n  2 : AT "
     "\xD6\xB8\xC1\xEE\xC4\xA3\xCA\xBD,\xD3\xC3\xD3\xDA\xCF\xEC\xD3\xA6\xD3\xC3\xBB\xA7"
     "AT\xD6\xB8\xC1\xEE\r\n  3 : HTTPD Client "
     "\xC4\xA3\xCA\xBD,\xB6\xD4\xB4\xAE\xBF\xDA\xCA\xFD\xBE\xDD\xD7\xF6GET\xB4\xF2\xB0\xFC\r\n  4 "
     ":\xB6\xCC\xD0\xC5\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD\r\n<CR> "
     "\xB1\xED\xCA\xBE\xBB\xD8\xB3\xB5\r\n\r\n\xB9\xD8\xD3\xDA\xB9\xA4\xD7\xF7\xC4\xA3\xCA\xBD\xCF"
     "\xEA\xBD\xE2,\xB5\xE3\xB2\xCB\xB5\xA5\"\xB0\xEF\xD6\xFA-\xBC\xBC\xCA\xF5\xD6\xA7\xB3\xD6-"
     "\xB2\xFA\xC6\xB7\xCA\xD6\xB2\xE1\","
     "\r\n\xBC\xFB\"\xB9\xA4\xD7\xF7\xC4\xA3\xCA\xBD\xBC\xB0\xB9\xA6\xC4\xDC\xC3\xE8\xCA\xF6\"\xD5"
     "\xC2\xBD\xDA",
     "Set Work Mode\r\nAT + CIMOD = \"MOD\" <CR> \r\nMOD stand for Work Mode\r\n  0 :Data "
     "Transmission mode\r\n  1 :Serial command mode\r\n  2 :AT Instruction mode\r\n  3 :Httpd "
     "Client mode\r\n  4 :Sms Transmission mode\r\n<CR> stand for CRLF\r\nAbout work mode, please "
     "click menu \"Help-TechnicalSupport-ProductManuals\",\r\nread\"Working mode and "
     "Function\"Section"},
    // 123 勾选表示启用第1路网络连接
    {"lang_Hint_NetEnable1",
     "\xB9\xB4\xD1\xA1\xB1\xED\xCA\xBE\xC6\xF4\xD3\xC3\xB5\xDA"
     "1\xC2\xB7\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3",
     "Checked: network socket 1 is used"},
    // 124 勾选表示启用第2路网络连接
    {"lang_Hint_NetEnable2",
     "\xB9\xB4\xD1\xA1\xB1\xED\xCA\xBE\xC6\xF4\xD3\xC3\xB5\xDA"
     "2\xC2\xB7\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3",
     "Checked: network socket 2 is used"},
    // 125 勾选表示启用第3路网络连接
    {"lang_Hint_NetEnable3",
     "\xB9\xB4\xD1\xA1\xB1\xED\xCA\xBE\xC6\xF4\xD3\xC3\xB5\xDA"
     "3\xC2\xB7\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3",
     "Checked: network socket 3 is used"},
    // 126 勾选表示启用第4路网络连接
    {"lang_Hint_NetEnable4",
     "\xB9\xB4\xD1\xA1\xB1\xED\xCA\xBE\xC6\xF4\xD3\xC3\xB5\xDA"
     "4\xC2\xB7\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3",
     "Checked: network socket 4 is used"},
    // 127 服务器的IP地址或域名
    {"lang_Hint_IP", "\xB7\xFE\xCE\xF1\xC6\xF7\xB5\xC4IP\xB5\xD8\xD6\xB7\xBB\xF2\xD3\xF2\xC3\xFB",
     "IP address or domain name of the server"},
    // 128 网络协议:TCP或UDP
    {"lang_Hint_Ptl", "\xCD\xF8\xC2\xE7\xD0\xAD\xD2\xE9:TCP\xBB\xF2UDP",
     "Network protocol: TCP or UDP"},
    // 129 服务器的端口号,范围1~65535
    {"lang_Hint_PtlPort",
     "\xB7\xFE\xCE\xF1\xC6\xF7\xB5\xC4\xB6\xCB\xBF\xDA\xBA\xC5,\xB7\xB6\xCE\xA7"
     "1~65535",
     "Port number of the server, 1~65535"},
    // 130 设置心跳时间,0为禁用心跳,推荐值30~60.网络空闲状态每隔一段心跳时间向服务器发送一个心跳包
    {"lang_Hint_edt_HeartbeatTime",
     "\xC9\xE8\xD6\xC3\xD0\xC4\xCC\xF8\xCA\xB1\xBC\xE4,0\xCE\xAA\xBD\xFB\xD3\xC3\xD0\xC4\xCC\xF8,"
     "\xCD\xC6\xBC\xF6\xD6\xB5"
     "30~60."
     "\xCD\xF8\xC2\xE7\xBF\xD5\xCF\xD0\xD7\xB4\xCC\xAC\xC3\xBF\xB8\xF4\xD2\xBB\xB6\xCE\xD0\xC4\xCC"
     "\xF8\xCA\xB1\xBC\xE4\xCF\xF2\xB7\xFE\xCE\xF1\xC6\xF7\xB7\xA2\xCB\xCD\xD2\xBB\xB8\xF6\xD0\xC4"
     "\xCC\xF8\xB0\xFC",
     "Set Heartbeat Time,When network idle,set it 0 stand for disable Heartbeat , recommended "
     "value 30~60. every once in a Heartbeat Time to send a heartbeat packet data to the server."},
    // 131 设置串口打包时间,推荐值10~100,两个数据包之间的时间间隔超过打包时间将分包发送.
    {"lang_Hint_edt_WaitTime",
     "\xC9\xE8\xD6\xC3\xB4\xAE\xBF\xDA\xB4\xF2\xB0\xFC\xCA\xB1\xBC\xE4,\xCD\xC6\xBC\xF6\xD6\xB5"
     "10~100,"
     "\xC1\xBD\xB8\xF6\xCA\xFD\xBE\xDD\xB0\xFC\xD6\xAE\xBC\xE4\xB5\xC4\xCA\xB1\xBC\xE4\xBC\xE4\xB8"
     "\xF4\xB3\xAC\xB9\xFD\xB4\xF2\xB0\xFC\xCA\xB1\xBC\xE4\xBD\xAB\xB7\xD6\xB0\xFC\xB7\xA2\xCB\xCD"
     ".",
     "Set serial port packaging time, recommended value 10~100,Over the time,data will subcontract "
     "to send"},
    // 132
    // 设置自动重启时间,小于600禁用自动重启,推荐值1800.网络和串口端没有数据处于空闲状态之后开启计时,超过该时间,模块自动重启,使网络链接稳定
    {"lang_Hint_ResetTime",
     "\xC9\xE8\xD6\xC3\xD7\xD4\xB6\xAF\xD6\xD8\xC6\xF4\xCA\xB1\xBC\xE4,\xD0\xA1\xD3\xDA"
     "600\xBD\xFB\xD3\xC3\xD7\xD4\xB6\xAF\xD6\xD8\xC6\xF4,\xCD\xC6\xBC\xF6\xD6\xB5"
     "1800."
     "\xCD\xF8\xC2\xE7\xBA\xCD\xB4\xAE\xBF\xDA\xB6\xCB\xC3\xBB\xD3\xD0\xCA\xFD\xBE\xDD\xB4\xA6\xD3"
     "\xDA\xBF\xD5\xCF\xD0\xD7\xB4\xCC\xAC\xD6\xAE\xBA\xF3\xBF\xAA\xC6\xF4\xBC\xC6\xCA\xB1,"
     "\xB3\xAC\xB9\xFD\xB8\xC3\xCA\xB1\xBC\xE4,\xC4\xA3\xBF\xE9\xD7\xD4\xB6\xAF\xD6\xD8\xC6\xF4,"
     "\xCA\xB9\xCD\xF8\xC2\xE7\xC1\xB4\xBD\xD3\xCE\xC8\xB6\xA8",
     "Set auto restart time, less than 600 stand for disable Auto restartm,recommended value "
     "1800.Network and serial port side there is no data in the idle state after open timing,more "
     "than this time, module automatic restart. Make the network connection stable"},
    // 133 注册包内容,用于服务器识别设备;勾选hex时按十六进制输入
    {"lang_Hint_edt_RegFormat",
     "\xD7\xA2\xB2\xE1\xB0\xFC\xC4\xDA\xC8\xDD,"
     "\xD3\xC3\xD3\xDA\xB7\xFE\xCE\xF1\xC6\xF7\xCA\xB6\xB1\xF0\xC9\xE8\xB1\xB8;"
     "\xB9\xB4\xD1\xA1hex\xCA\xB1\xB0\xB4\xCA\xAE\xC1\xF9\xBD\xF8\xD6\xC6\xCA\xE4\xC8\xEB",
     "Registration packet, lets the server identify the device; with hex checked, type it in "
     "hexadecimal"},
    // 134 心跳包内容,网络空闲时每隔心跳时间发送一次;勾选hex时按十六进制输入
    {"lang_Hint_edt_HeartbeatFormat",
     "\xD0\xC4\xCC\xF8\xB0\xFC\xC4\xDA\xC8\xDD,"
     "\xCD\xF8\xC2\xE7\xBF\xD5\xCF\xD0\xCA\xB1\xC3\xBF\xB8\xF4\xD0\xC4\xCC\xF8\xCA\xB1\xBC\xE4\xB7"
     "\xA2\xCB\xCD\xD2\xBB\xB4\xCE;"
     "\xB9\xB4\xD1\xA1hex\xCA\xB1\xB0\xB4\xCA\xAE\xC1\xF9\xBD\xF8\xD6\xC6\xCA\xE4\xC8\xEB",
     "Heartbeat packet, sent every heartbeat time while the network is idle; with hex checked, "
     "type it in hexadecimal"},
    // 135 勾选表示心跳包按十六进制输入
    {"lang_Hint_chk_HeartbeatFormat",
     "\xB9\xB4\xD1\xA1\xB1\xED\xCA\xBE\xD0\xC4\xCC\xF8\xB0\xFC\xB0\xB4\xCA\xAE\xC1\xF9\xBD\xF8\xD6"
     "\xC6\xCA\xE4\xC8\xEB",
     "Checked: the heartbeat packet is typed in hexadecimal"},
    // 136 勾选表示注册包按十六进制输入
    {"lang_Hint_chk_RegFormat",
     "\xB9\xB4\xD1\xA1\xB1\xED\xCA\xBE\xD7\xA2\xB2\xE1\xB0\xFC\xB0\xB4\xCA\xAE\xC1\xF9\xBD\xF8\xD6"
     "\xC6\xCA\xE4\xC8\xEB",
     "Checked: the registration packet is typed in hexadecimal"},
    // 137
    // 向网络发心跳包:[默认]心跳包向网络发送,用来维持连接⏎⏎向串口发心跳包:心跳包向串口发送,当用户设备需要指令读取信息时,可使用此方式并将读取指令设置为心跳包,来自动读取设备信息
    {"lang_Hint_cbb_HeartbeatTo",
     "\xCF\xF2\xCD\xF8\xC2\xE7\xB7\xA2\xD0\xC4\xCC\xF8\xB0\xFC:[\xC4\xAC\xC8\xCF]"
     "\xD0\xC4\xCC\xF8\xB0\xFC\xCF\xF2\xCD\xF8\xC2\xE7\xB7\xA2\xCB\xCD,"
     "\xD3\xC3\xC0\xB4\xCE\xAC\xB3\xD6\xC1\xAC\xBD\xD3\r\n\r\n\xCF\xF2\xB4\xAE\xBF\xDA\xB7\xA2\xD0"
     "\xC4\xCC\xF8\xB0\xFC:\xD0\xC4\xCC\xF8\xB0\xFC\xCF\xF2\xB4\xAE\xBF\xDA\xB7\xA2\xCB\xCD,"
     "\xB5\xB1\xD3\xC3\xBB\xA7\xC9\xE8\xB1\xB8\xD0\xE8\xD2\xAA\xD6\xB8\xC1\xEE\xB6\xC1\xC8\xA1\xD0"
     "\xC5\xCF\xA2\xCA\xB1,"
     "\xBF\xC9\xCA\xB9\xD3\xC3\xB4\xCB\xB7\xBD\xCA\xBD\xB2\xA2\xBD\xAB\xB6\xC1\xC8\xA1\xD6\xB8\xC1"
     "\xEE\xC9\xE8\xD6\xC3\xCE\xAA\xD0\xC4\xCC\xF8\xB0\xFC,"
     "\xC0\xB4\xD7\xD4\xB6\xAF\xB6\xC1\xC8\xA1\xC9\xE8\xB1\xB8\xD0\xC5\xCF\xA2",
     "ToNetSendHeartbeat:[Default]Heartbeat send to Net,used for keepping network "
     "connection\r\n\r\nToComSendHeartbeat:Heartbeat send to Serial ,When your equipment need use "
     "instruction to read information,use this case and set the instruction as heartbeat package "
     "format"},
    // 138
    // 连接即发注册包:当TCP连接时,先发送一个注册包,用于服务器识别链接,之后的数据正常发送.⏎⏎数据携带注册包:发送的每个数据包都由注册包和数据包组成,注册包用于服务器识别链接
    {"lang_Hint_cbb_RegMode",
     "\xC1\xAC\xBD\xD3\xBC\xB4\xB7\xA2\xD7\xA2\xB2\xE1\xB0\xFC:\xB5\xB1TCP\xC1\xAC\xBD\xD3\xCA\xB1,"
     "\xCF\xC8\xB7\xA2\xCB\xCD\xD2\xBB\xB8\xF6\xD7\xA2\xB2\xE1\xB0\xFC,"
     "\xD3\xC3\xD3\xDA\xB7\xFE\xCE\xF1\xC6\xF7\xCA\xB6\xB1\xF0\xC1\xB4\xBD\xD3,"
     "\xD6\xAE\xBA\xF3\xB5\xC4\xCA\xFD\xBE\xDD\xD5\xFD\xB3\xA3\xB7\xA2\xCB\xCD."
     "\r\n\r\n\xCA\xFD\xBE\xDD\xD0\xAF\xB4\xF8\xD7\xA2\xB2\xE1\xB0\xFC:"
     "\xB7\xA2\xCB\xCD\xB5\xC4\xC3\xBF\xB8\xF6\xCA\xFD\xBE\xDD\xB0\xFC\xB6\xBC\xD3\xC9\xD7\xA2\xB2"
     "\xE1\xB0\xFC\xBA\xCD\xCA\xFD\xBE\xDD\xB0\xFC\xD7\xE9\xB3\xC9,"
     "\xD7\xA2\xB2\xE1\xB0\xFC\xD3\xC3\xD3\xDA\xB7\xFE\xCE\xF1\xC6\xF7\xCA\xB6\xB1\xF0\xC1\xB4\xBD"
     "\xD3",
     "Connecte Send ID:When the TCP connection, sending the first packet equipment ID, used for "
     "server identification link, after the normal data transmission\r\n\r\nData With ID:Each data "
     "packet sent by the device ID and data packets, ID for the server to identify the link "
     "equipment."},
    // 139 D2D ID,范围1~65535,启用D2D转发服务后有效
    {"lang_Hint_lbledt_D2D_ID",
     "D2D ID,\xB7\xB6\xCE\xA7"
     "1~65535,\xC6\xF4\xD3\xC3"
     "D2D\xD7\xAA\xB7\xA2\xB7\xFE\xCE\xF1\xBA\xF3\xD3\xD0\xD0\xA7",
     "D2D ID, 1~65535, used when the D2D service is enabled"},
    // 140 Velkor D2D
    // 服务可实现任意多台网络设备之间跨网络的数据交互.⏎详情点菜单"帮助-技术支持-D2D服务"
    {"lang_Hint_chk_D2DEnable",
     "Velkor D2D "
     "\xB7\xFE\xCE\xF1\xBF\xC9\xCA\xB5\xCF\xD6\xC8\xCE\xD2\xE2\xB6\xE0\xCC\xA8\xCD\xF8\xC2\xE7\xC9"
     "\xE8\xB1\xB8\xD6\xAE\xBC\xE4\xBF\xE7\xCD\xF8\xC2\xE7\xB5\xC4\xCA\xFD\xBE\xDD\xBD\xBB\xBB\xA5."
     "\r\n\xCF\xEA\xC7\xE9\xB5\xE3\xB2\xCB\xB5\xA5\"\xB0\xEF\xD6\xFA-"
     "\xBC\xBC\xCA\xF5\xD6\xA7\xB3\xD6-D2D\xB7\xFE\xCE\xF1\"",
     "Velkor D2D Data Transfer System \r\nget more,click menu\"Help-TechnicalSupport-D2D server\""},
    // 141 通过网络发送AT指令,勾选表示启用；网络AT指令可使服务器向模块发送AT指令,指令格式为kelmo,CMD
    // CMD表示具体指令
    {"lang_Hint_chk_NetAtEnable",
     "\xCD\xA8\xB9\xFD\xCD\xF8\xC2\xE7\xB7\xA2\xCB\xCD"
     "AT\xD6\xB8\xC1\xEE,\xB9\xB4\xD1\xA1\xB1\xED\xCA\xBE\xC6\xF4\xD3\xC3\xA3\xBB\xCD\xF8\xC2\xE7"
     "AT\xD6\xB8\xC1\xEE\xBF\xC9\xCA\xB9\xB7\xFE\xCE\xF1\xC6\xF7\xCF\xF2\xC4\xA3\xBF\xE9\xB7\xA2"
     "\xCB\xCD"
     "AT\xD6\xB8\xC1\xEE,\xD6\xB8\xC1\xEE\xB8\xF1\xCA\xBD\xCE\xAAkelmo,CMD "
     "CMD\xB1\xED\xCA\xBE\xBE\xDF\xCC\xE5\xD6\xB8\xC1\xEE",
     "Send AT command through Net,checked stand for enable,the comand format is      kelmo,CMD     "
     " CMD is specific instructions "},
    // 142
    // 向串口发送AT指令,勾选表示启用；串口AT指令可在数据透传的同时响应AT指令,适用于既要传输数据又需要支持短信报警的场合,指令格式为kelmo,CMD
    // CMD表示具体指令
    {"lang_Hint_chk_ComAtEnable",
     "\xCF\xF2\xB4\xAE\xBF\xDA\xB7\xA2\xCB\xCD"
     "AT\xD6\xB8\xC1\xEE,\xB9\xB4\xD1\xA1\xB1\xED\xCA\xBE\xC6\xF4\xD3\xC3\xA3\xBB\xB4\xAE\xBF\xDA"
     "AT\xD6\xB8\xC1\xEE\xBF\xC9\xD4\xDA\xCA\xFD\xBE\xDD\xCD\xB8\xB4\xAB\xB5\xC4\xCD\xAC\xCA\xB1"
     "\xCF\xEC\xD3\xA6"
     "AT\xD6\xB8\xC1\xEE,"
     "\xCA\xCA\xD3\xC3\xD3\xDA\xBC\xC8\xD2\xAA\xB4\xAB\xCA\xE4\xCA\xFD\xBE\xDD\xD3\xD6\xD0\xE8\xD2"
     "\xAA\xD6\xA7\xB3\xD6\xB6\xCC\xD0\xC5\xB1\xA8\xBE\xAF\xB5\xC4\xB3\xA1\xBA\xCF,"
     "\xD6\xB8\xC1\xEE\xB8\xF1\xCA\xBD\xCE\xAAkelmo,CMD "
     "CMD\xB1\xED\xCA\xBE\xBE\xDF\xCC\xE5\xD6\xB8\xC1\xEE",
     "Send AT command through Serial,checked stand for enable ;Applies to both transmit data and "
     "Respond AT instructions,the comand format is      kelmo,CMD      CMD is specific "
     "instructions "},
    // 143 一般用户无需"完整显示"
    {"lang_Hint_btn_ShowMore",
     "\xD2\xBB\xB0\xE3\xD3\xC3\xBB\xA7\xCE\xDE\xD0\xE8\"\xCD\xEA\xD5\xFB\xCF\xD4\xCA\xBE\"",
     "General users do not need to \"Show Full"},
    // 144 点此切换到配置状态（仅在数据透传模式下生效）.
    {"lang_Hint_btn_PPPA",
     "\xB5\xE3\xB4\xCB\xC7\xD0\xBB\xBB\xB5\xBD\xC5\xE4\xD6\xC3\xD7\xB4\xCC\xAC\xA3\xA8\xBD\xF6\xD4"
     "\xDA\xCA\xFD\xBE\xDD\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD\xCF\xC2\xC9\xFA\xD0\xA7\xA3\xA9.",
     "Click here to switch to the configuration state ( Effect only in Data Transmission "
     "mode\xA3\xA9 ."},
    // 145 点此切换到通讯状态（仅在数据透传模式下生效）.
    {"lang_Hint_btn_PPPA",
     "\xB5\xE3\xB4\xCB\xC7\xD0\xBB\xBB\xB5\xBD\xCD\xA8\xD1\xB6\xD7\xB4\xCC\xAC\xA3\xA8\xBD\xF6\xD4"
     "\xDA\xCA\xFD\xBE\xDD\xCD\xB8\xB4\xAB\xC4\xA3\xCA\xBD\xCF\xC2\xC9\xFA\xD0\xA7\xA3\xA9.",
     "Click here to switch to the communication status ( Effect only in Data Transmission "
     "mode\xA3\xA9."},
    // 146 恢复出厂设置  :AT+CIRELOAD<CR>
    {"lang_Hint_btn_Default", "\xBB\xD6\xB8\xB4\xB3\xF6\xB3\xA7\xC9\xE8\xD6\xC3  :AT+CIRELOAD<CR>",
     "Factory Reset :AT+CIRELOAD<CR>"},
    // 147 把全部参数写入设备并保存（F9）
    {"lang_Hint_btn_SetAll",
     "\xB0\xD1\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD\xD0\xB4\xC8\xEB\xC9\xE8\xB1\xB8\xB2\xA2\xB1\xA3\xB4"
     "\xE6\xA3\xA8"
     "F9\xA3\xA9",
     "Write all parameters to the device and save them\xA3\xA8"
     "F9\xA3\xA9"},
    // 148 重启模块: AT+CIRESET<CR>
    {"lang_Hint_btn_ReStart", "\xD6\xD8\xC6\xF4\xC4\xA3\xBF\xE9: AT+CIRESET<CR>",
     "Reboot Device:AT+CIRESET<CR>"},
    // 149 把发送区的内容发送到串口（Ctrl + Enter）
    {"lang_Hint_btn_Send",
     "\xB0\xD1\xB7\xA2\xCB\xCD\xC7\xF8\xB5\xC4\xC4\xDA\xC8\xDD\xB7\xA2\xCB\xCD\xB5\xBD\xB4\xAE\xBF"
     "\xDA\xA3\xA8"
     "Ctrl + Enter\xA3\xA9",
     "Send the text of the send area to the serial port\xA3\xA8"
     "Ctrl + Enter\xA3\xA9"},
    // 150 当前键盘状态为小写,发AT指令需要大写
    {"lang_Hint_mmo_Send",
     "\xB5\xB1\xC7\xB0\xBC\xFC\xC5\xCC\xD7\xB4\xCC\xAC\xCE\xAA\xD0\xA1\xD0\xB4,\xB7\xA2"
     "AT\xD6\xB8\xC1\xEE\xD0\xE8\xD2\xAA\xB4\xF3\xD0\xB4",
     "Keyboard status is lowercase,the AT command format should be uppercase."},
    // 151 使用D2D服务:设置D2D ID,再选择D2D服务器所在的网络通道
    {"lang_Bb_UseD2d_Setp",
     "\xCA\xB9\xD3\xC3"
     "D2D\xB7\xFE\xCE\xF1:\xC9\xE8\xD6\xC3"
     "D2D ID,\xD4\xD9\xD1\xA1\xD4\xF1"
     "D2D\xB7\xFE\xCE\xF1\xC6\xF7\xCB\xF9\xD4\xDA\xB5\xC4\xCD\xF8\xC2\xE7\xCD\xA8\xB5\xC0",
     "To use D2D: set the D2D ID, then choose the socket of the D2D server"},
    // 152 请设置D2D ID,程序会自动生成注册包格式.
    {"lang_Bb_UseD2d_lbled_D2D_ID",
     "\xC7\xEB\xC9\xE8\xD6\xC3"
     "D2D "
     "ID,"
     "\xB3\xCC\xD0\xF2\xBB\xE1\xD7\xD4\xB6\xAF\xC9\xFA\xB3\xC9\xD7\xA2\xB2\xE1\xB0\xFC\xB8\xF1\xCA"
     "\xBD.",
     "Please set D2D ID,the program will automatically generate Device ID"},
    // 153 从这四路网络中选择D2D服务所在的服务器,使用TCP协议,25565端口.
    {"lang_Bb_UseD2d_chk_NetPort4",
     "\xB4\xD3\xD5\xE2\xCB\xC4\xC2\xB7\xCD\xF8\xC2\xE7\xD6\xD0\xD1\xA1\xD4\xF1"
     "D2D\xB7\xFE\xCE\xF1\xCB\xF9\xD4\xDA\xB5\xC4\xB7\xFE\xCE\xF1\xC6\xF7,"
     "\xCA\xB9\xD3\xC3TCP\xD0\xAD\xD2\xE9,25565\xB6\xCB\xBF\xDA.",
     "Click the server which D2D server running in, use TCP and 25565 port"},

    // Rows added for the port window's open errors and the log's time stamps and saving.
    // 154 显示时间戳
    {"lang_Menu_TimeStamps", "\xCF\xD4\xCA\xBE\xCA\xB1\xBC\xE4\xB4\xC1", "Time Stamps"},
    // 155 保存日志...
    {"lang_Menu_SaveLog", "\xB1\xA3\xB4\xE6\xC8\xD5\xD6\xBE...", "Save Log..."},
    // 156 文本文件 (*.txt);;HTML 文件 (*.html)
    {"lang_SaveLog_Filter",
     "\xCE\xC4\xB1\xBE\xCE\xC4\xBC\xFE (*.txt);;HTML \xCE\xC4\xBC\xFE (*.html)",
     "Text files (*.txt);;HTML files (*.html)"},
    // 157 日志未能保存到 %1：%2
    {"lang_Info_LogNotSaved",
     "\xC8\xD5\xD6\xBE\xCE\xB4\xC4\xDC\xB1\xA3\xB4\xE6\xB5\xBD %1\xA3\xBA%2",
     "The log was not saved to %1: %2"},
    // 158 [提示]:没有权限打开 %1。请用命令 sudo usermod -aG %2 $USER 加入它的用户组
    // %2，然后注销并重新登录。
    {"lang_Info_OpenNoPermission",
     "[\xCC\xE1\xCA\xBE]:\xC3\xBB\xD3\xD0\xC8\xA8\xCF\xDE\xB4\xF2\xBF\xAA "
     "%1\xA1\xA3\xC7\xEB\xD3\xC3\xC3\xFC\xC1\xEE sudo usermod -aG %2 $USER "
     "\xBC\xD3\xC8\xEB\xCB\xFC\xB5\xC4\xD3\xC3\xBB\xA7\xD7\xE9 "
     "%2\xA3\xAC\xC8\xBB\xBA\xF3\xD7\xA2\xCF\xFA\xB2\xA2\xD6\xD8\xD0\xC2\xB5\xC7\xC2\xBC\xA1\xA3",
     "[Note]: No permission to open %1. Join its group %2 with: sudo usermod -aG %2 $USER, then "
     "log out and log in again."},
    // 159 [提示]:只有root能打开 %1，没有可加入的用户组。请管理员为它指定用户组（例如用udev规则）。
    {"lang_Info_OpenRootOnly",
     "[\xCC\xE1\xCA\xBE]:\xD6\xBB\xD3\xD0root\xC4\xDC\xB4\xF2\xBF\xAA "
     "%1\xA3\xAC\xC3\xBB\xD3\xD0\xBF\xC9\xBC\xD3\xC8\xEB\xB5\xC4\xD3\xC3\xBB\xA7\xD7\xE9\xA1\xA3"
     "\xC7\xEB\xB9\xDC\xC0\xED\xD4\xB1\xCE\xAA\xCB\xFC\xD6\xB8\xB6\xA8\xD3\xC3\xBB\xA7\xD7\xE9\xA3"
     "\xA8\xC0\xFD\xC8\xE7\xD3\xC3udev\xB9\xE6\xD4\xF2\xA3\xA9\xA1\xA3",
     "[Note]: Only root may open %1; no group has access to it. Ask the administrator to give it a "
     "group (with a udev rule, for example)."},
    // 160  占用程序: PID %1 (%2)。
    {"lang_Info_OpenHolder", " \xD5\xBC\xD3\xC3\xB3\xCC\xD0\xF2: PID %1 (%2)\xA1\xA3",
     " Held by PID %1 (%2)."},
    // 161 [提示]:%1 不存在，串口设备是否已拔出？
    {"lang_Info_OpenMissing",
     "[\xCC\xE1\xCA\xBE]:%1 "
     "\xB2\xBB\xB4\xE6\xD4\xDA\xA3\xAC\xB4\xAE\xBF\xDA\xC9\xE8\xB1\xB8\xCA\xC7\xB7\xF1\xD2\xD1\xB0"
     "\xCE\xB3\xF6\xA3\xBF",
     "[Note]: %1 is not there. Was the adapter unplugged?"},
    // 162 [提示]:请先选择串口。
    {"lang_Info_OpenNoPort",
     "[\xCC\xE1\xCA\xBE]:\xC7\xEB\xCF\xC8\xD1\xA1\xD4\xF1\xB4\xAE\xBF\xDA\xA1\xA3",
     "[Note]: Choose a serial port first."},
    // 163 [提示]:无法打开 %1: %2
    {"lang_Info_OpenOther", "[\xCC\xE1\xCA\xBE]:\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA %1: %2",
     "[Note]: Cannot open %1: %2"},
    // The end of every run that did not succeed, and the refused over-long send.
    // 164 [错误]: 文本超过 65535 字节,未发送
    {"lang_Info_TooLong",
     "[\xB4\xED\xCE\xF3]: \xCE\xC4\xB1\xBE\xB3\xAC\xB9\xFD 65535 "
     "\xD7\xD6\xBD\xDA,\xCE\xB4\xB7\xA2\xCB\xCD",
     "[Error]: text longer than 65535 bytes, nothing sent"},
    // 165 [错误]: 设备拒绝的行(%d): %s。
    {"lang_Run_Refused",
     "[\xB4\xED\xCE\xF3]: \xC9\xE8\xB1\xB8\xBE\xDC\xBE\xF8\xB5\xC4\xD0\xD0(%d): %s\xA1\xA3",
     "[Error]: Refused by the device (%d): %s."},
    // 166 [错误]: 无法读取的回复(%d): %s。
    {"lang_Run_Unreadable",
     "[\xB4\xED\xCE\xF3]: \xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xB5\xC4\xBB\xD8\xB8\xB4(%d): %s\xA1\xA3",
     "[Error]: Replies that could not be read (%d): %s."},
    // An answer past its bound: [错误]: %s 的回复超过 %s 字节,无法读取;其余部分已丢弃。
    {"lang_Run_AnswerTooLong",
     "[\xB4\xED\xCE\xF3]: %s \xB5\xC4\xBB\xD8\xB8\xB4\xB3\xAC\xB9\xFD %s "
     "\xD7\xD6\xBD\xDA,\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1;"
     "\xC6\xE4\xD3\xE0\xB2\xBF\xB7\xD6\xD2\xD1\xB6\xAA\xC6\xFA\xA1\xA3",
     "[Error]: The answer to %s is longer than %s bytes and cannot be read; the rest of it was "
     "discarded."},
    // 167 [错误]: 设备无应答。请检查串口(%s)及其线路参数(%s)、设备电源和连线。
    {"lang_Run_NoAnswer",
     "[\xB4\xED\xCE\xF3]: "
     "\xC9\xE8\xB1\xB8\xCE\xDE\xD3\xA6\xB4\xF0\xA1\xA3\xC7\xEB\xBC\xEC\xB2\xE9\xB4\xAE\xBF\xDA(%s)"
     "\xBC\xB0\xC6\xE4\xCF\xDF\xC2\xB7\xB2\xCE\xCA\xFD(%s)"
     "\xA1\xA2\xC9\xE8\xB1\xB8\xB5\xE7\xD4\xB4\xBA\xCD\xC1\xAC\xCF\xDF\xA1\xA3",
     "[Error]: The device does not answer. Check the port (%s) and its line settings (%s), the "
     "power and the cable."},
    // 168 [错误]: 串口 %s 已断开(设备被拔出或断电?)。串口已关闭,请在串口窗口中重新打开。
    {"lang_Run_PortLost",
     "[\xB4\xED\xCE\xF3]: \xB4\xAE\xBF\xDA %s "
     "\xD2\xD1\xB6\xCF\xBF\xAA(\xC9\xE8\xB1\xB8\xB1\xBB\xB0\xCE\xB3\xF6\xBB\xF2\xB6\xCF\xB5\xE7?)"
     "\xA1\xA3\xB4\xAE\xBF\xDA\xD2\xD1\xB9\xD8\xB1\xD5,"
     "\xC7\xEB\xD4\xDA\xB4\xAE\xBF\xDA\xB4\xB0\xBF\xDA\xD6\xD0\xD6\xD8\xD0\xC2\xB4\xF2\xBF\xAA\xA1"
     "\xA3",
     "[Error]: The port %s is gone (device unplugged or powered off?). It is closed now; open it "
     "again from the port window."},
    // 169 [错误]: 串口无法按设备的新参数(%s)重新打开: %s。串口已关闭,请在串口窗口中重新打开。
    {"lang_Run_ReopenFailed",
     "[\xB4\xED\xCE\xF3]: "
     "\xB4\xAE\xBF\xDA\xCE\xDE\xB7\xA8\xB0\xB4\xC9\xE8\xB1\xB8\xB5\xC4\xD0\xC2\xB2\xCE\xCA\xFD(%s)"
     "\xD6\xD8\xD0\xC2\xB4\xF2\xBF\xAA: "
     "%s\xA1\xA3\xB4\xAE\xBF\xDA\xD2\xD1\xB9\xD8\xB1\xD5,"
     "\xC7\xEB\xD4\xDA\xB4\xAE\xBF\xDA\xB4\xB0\xBF\xDA\xD6\xD0\xD6\xD8\xD0\xC2\xB4\xF2\xBF\xAA\xA1"
     "\xA3",
     "[Error]: The port could not follow the device's new settings (%s): %s. It is closed now; "
     "open it again from the port window."},
    // 170 [错误]: 上一个操作在完成 %d/%d 行后被中断。
    {"lang_Run_Interrupted",
     "[\xB4\xED\xCE\xF3]: \xC9\xCF\xD2\xBB\xB8\xF6\xB2\xD9\xD7\xF7\xD4\xDA\xCD\xEA\xB3\xC9 %d/%d "
     "\xD0\xD0\xBA\xF3\xB1\xBB\xD6\xD0\xB6\xCF\xA1\xA3",
     "[Error]: The previous run was interrupted after %d of %d lines."},
    // 171 [提示]: %1 不接受所选的线路参数(%2)。请选择其他波特率或检验/数据/停止位。
    {"lang_Info_OpenLineSettings",
     "[\xCC\xE1\xCA\xBE]: %1 "
     "\xB2\xBB\xBD\xD3\xCA\xDC\xCB\xF9\xD1\xA1\xB5\xC4\xCF\xDF\xC2\xB7\xB2\xCE\xCA\xFD(%2)"
     "\xA1\xA3\xC7\xEB\xD1\xA1\xD4\xF1\xC6\xE4\xCB\xFB\xB2\xA8\xCC\xD8\xC2\xCA\xBB\xF2\xBC\xEC\xD1"
     "\xE9/\xCA\xFD\xBE\xDD/\xCD\xA3\xD6\xB9\xCE\xBB\xA1\xA3",
     "[Note]: %1 does not take the chosen line settings (%2). Choose another baud rate or parity, "
     "data or stop bits."},
    // The question after a failed save of the settings file.
    // 172 重试
    {"lang_Save_Retry", "\xD6\xD8\xCA\xD4", "Retry"},
    // 173 不保存并关闭
    {"lang_Save_Close", "\xB2\xBB\xB1\xA3\xB4\xE6\xB2\xA2\xB9\xD8\xB1\xD5", "Close without saving"},
    // The form as a profile file: export and import from the File menu.
    // 174 导出配置文件...
    {"lang_Menu_ExportProfile", "\xB5\xBC\xB3\xF6\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE...",
     "Export Profile..."},
    // 175 导入配置文件...
    {"lang_Menu_ImportProfile", "\xB5\xBC\xC8\xEB\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE...",
     "Import Profile..."},
    // 176 配置文件 (*.ini);;所有文件 (*)
    {"lang_Profile_Filter",
     "\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE (*.ini);;\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE (*)",
     "Profiles (*.ini);;All files (*)"},
    // 177 [提示]: 表单已导出到配置文件 %s
    {"lang_Profile_Exported",
     "[\xCC\xE1\xCA\xBE]: "
     "\xB1\xED\xB5\xA5\xD2\xD1\xB5\xBC\xB3\xF6\xB5\xBD\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE %s",
     "[Note]: The form was exported to the profile %s"},
    // 178 [提示]: 已从配置文件 %s 导入表单
    {"lang_Profile_Imported",
     "[\xCC\xE1\xCA\xBE]: \xD2\xD1\xB4\xD3\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE %s "
     "\xB5\xBC\xC8\xEB\xB1\xED\xB5\xA5",
     "[Note]: The form was imported from the profile %s"},
    // 179 [错误]: 无法读取配置文件 %s
    {"lang_Profile_Unreadable",
     "[\xB4\xED\xCE\xF3]: \xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE %s",
     "[Error]: Cannot read the profile %s"},
    // 180 [错误]: 无法写入配置文件 %s
    {"lang_Profile_Unwritable",
     "[\xB4\xED\xCE\xF3]: \xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE %s",
     "[Error]: Cannot write the profile %s"},
    // What a run could not take from the device.
    // 181 [错误]: 未能从设备读到(%d): %s。
    {"lang_Run_NotRead",
     "[\xB4\xED\xCE\xF3]: \xCE\xB4\xC4\xDC\xB4\xD3\xC9\xE8\xB1\xB8\xB6\xC1\xB5\xBD(%d): %s\xA1\xA3",
     "[Error]: Not read from the device (%d): %s."},
    // 182 [错误]: 串口 %s
    // 上的设备有回复,但无法识别。请检查线路参数(%s):波特率和数据格式(校验位、数据位)。
    {"lang_Run_Garbled",
     "[\xB4\xED\xCE\xF3]: \xB4\xAE\xBF\xDA %s "
     "\xC9\xCF\xB5\xC4\xC9\xE8\xB1\xB8\xD3\xD0\xBB\xD8\xB8\xB4,"
     "\xB5\xAB\xCE\xDE\xB7\xA8\xCA\xB6\xB1\xF0\xA1\xA3\xC7\xEB\xBC\xEC\xB2\xE9\xCF\xDF\xC2\xB7\xB2"
     "\xCE\xCA\xFD(%s):\xB2\xA8\xCC\xD8\xC2\xCA\xBA\xCD\xCA\xFD\xBE\xDD\xB8\xF1\xCA\xBD("
     "\xD0\xA3\xD1\xE9\xCE\xBB\xA1\xA2\xCA\xFD\xBE\xDD\xCE\xBB)\xA1\xA3",
     "[Error]: The device on %s answers, but its replies cannot be read. Check the line settings "
     "(%s): the baud rate and the format (parity, data bits)."},
    // The form as a profile file: one too long to be a profile is not read.
    // 183 [错误]: 配置文件 %s 超过 1 MiB，未导入
    {"lang_Profile_TooLong",
     "[\xB4\xED\xCE\xF3]: \xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE %s \xB3\xAC\xB9\xFD 1 "
     "MiB\xA3\xAC\xCE\xB4\xB5\xBC\xC8\xEB",
     "[Error]: The profile %s is larger than 1 MiB; it was not imported"},
    // The language file: only its first 4 MiB are read.
    // 184 [错误]: 语言文件 %s 超过 4 MiB，只读取了前 4 MiB
    {"lang_Info_LangFileTooLong",
     "[\xB4\xED\xCE\xF3]: \xD3\xEF\xD1\xD4\xCE\xC4\xBC\xFE %s \xB3\xAC\xB9\xFD 4 "
     "MiB\xA3\xAC\xD6\xBB\xB6\xC1\xC8\xA1\xC1\xCB\xC7\xB0 4 MiB",
     "[Error]: The language file %s is larger than 4 MiB; only its first 4 MiB were read"},
    // The question when the main window closes during write all.
    // 185 正在配置全部参数。关闭窗口将中断配置，参数不会保存到设备中。
    {"lang_Close_WriteRunning",
     "\xD5\xFD\xD4\xDA\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD\xA1\xA3\xB9\xD8\xB1\xD5\xB4"
     "\xB0\xBF\xDA\xBD\xAB\xD6\xD0\xB6\xCF\xC5\xE4\xD6\xC3\xA3\xAC\xB2\xCE\xCA\xFD\xB2\xBB\xBB\xE1"
     "\xB1\xA3\xB4\xE6\xB5\xBD\xC9\xE8\xB1\xB8\xD6\xD0\xA1\xA3",
     "Write all is still running. Closing the window interrupts it, and the settings are not saved "
     "in the device's memory."},
    // 186 停止并关闭
    {"lang_Close_StopAndClose", "\xCD\xA3\xD6\xB9\xB2\xA2\xB9\xD8\xB1\xD5", "Stop and close"},
    // 187 继续配置
    {"lang_Close_KeepWriting", "\xBC\xCC\xD0\xF8\xC5\xE4\xD6\xC3", "Keep writing"},
    // A write all that ended before the device took ATW.
    // 188 [错误]: 参数没有保存到设备的存储器中(未发送 ATW),设备重启后将恢复原参数。
    {"lang_Run_NotSaved",
     "[\xB4\xED\xCE\xF3]: "
     "\xB2\xCE\xCA\xFD\xC3\xBB\xD3\xD0\xB1\xA3\xB4\xE6\xB5\xBD\xC9\xE8\xB1\xB8\xB5\xC4\xB4\xE6\xB4"
     "\xA2\xC6\xF7\xD6\xD0(\xCE\xB4\xB7\xA2\xCB\xCD "
     "ATW),"
     "\xC9\xE8\xB1\xB8\xD6\xD8\xC6\xF4\xBA\xF3\xBD\xAB\xBB\xD6\xB8\xB4\xD4\xAD\xB2\xCE\xCA\xFD\xA1"
     "\xA3",
     "[Error]: The settings were not saved in the device's memory (ATW was not sent); the device "
     "goes back to its old settings when it restarts."},
    // Finding in the log, the port separator, the send box and the hex view.
    // 189 在日志中查找
    {"lang_Find_Placeholder", "\xD4\xDA\xC8\xD5\xD6\xBE\xD6\xD0\xB2\xE9\xD5\xD2",
     "Find in the log"},
    // 190 下一个 (Enter)
    {"lang_Find_Next", "\xCF\xC2\xD2\xBB\xB8\xF6 (Enter)", "Next (Enter)"},
    // 191 上一个 (Shift+Enter)
    {"lang_Find_Previous", "\xC9\xCF\xD2\xBB\xB8\xF6 (Shift+Enter)", "Previous (Shift+Enter)"},
    // 192 == %1 已打开 %2 ==
    {"lang_Info_PortOpened", "== %1 \xD2\xD1\xB4\xF2\xBF\xAA %2 ==", "== %1 opened %2 =="},
    // 193 [提示]: 日志已保存到 %1
    {"lang_Info_LogSaved",
     "[\xCC\xE1\xCA\xBE]: \xC8\xD5\xD6\xBE\xD2\xD1\xB1\xA3\xB4\xE6\xB5\xBD %1",
     "[Note]: The log was saved to %1"},
    // 194 按输入
    {"lang_SendEol_AsTyped", "\xB0\xB4\xCA\xE4\xC8\xEB", "As typed"},
    // 195 发送时每行的结尾。按输入：输入的换行以 CR LF 发出，末尾不另加
    {"lang_Hint_SendEol",
     "\xB7\xA2\xCB\xCD\xCA\xB1\xC3\xBF\xD0\xD0\xB5\xC4\xBD\xE1\xCE\xB2\xA1\xA3\xB0\xB4\xCA\xE4\xC8"
     "\xEB\xA3\xBA\xCA\xE4\xC8\xEB\xB5\xC4\xBB\xBB\xD0\xD0\xD2\xD4 CR LF "
     "\xB7\xA2\xB3\xF6\xA3\xAC\xC4\xA9\xCE\xB2\xB2\xBB\xC1\xED\xBC\xD3",
     "What ends each line sent. As typed: the line breaks you type go out as CR LF, nothing is "
     "added at the end"},
    // 196 [提示]: 发出的 AT 指令没有行尾，设备不会应答；请在发送区选择行尾 CR 或 CR LF
    {"lang_Hint_NoLineEnd",
     "[\xCC\xE1\xCA\xBE]: \xB7\xA2\xB3\xF6\xB5\xC4 AT "
     "\xD6\xB8\xC1\xEE\xC3\xBB\xD3\xD0\xD0\xD0\xCE\xB2\xA3\xAC\xC9\xE8\xB1\xB8\xB2\xBB\xBB\xE1\xD3"
     "\xA6\xB4\xF0\xA3\xBB\xC7\xEB\xD4\xDA\xB7\xA2\xCB\xCD\xC7\xF8\xD1\xA1\xD4\xF1\xD0\xD0\xCE\xB2 "
     "CR \xBB\xF2 CR LF",
     "[Hint]: The AT command went out without a line end, which the device does not answer; choose "
     "the line end CR or CR LF in the send area"},
    // 197 十六进制
    {"lang_chk_HexView", "\xCA\xAE\xC1\xF9\xBD\xF8\xD6\xC6", "Hex"},
    // 198 收到的每个数据块按原样以十六进制字节显示，文字列在旁边
    {"lang_Hint_HexView",
     "\xCA\xD5\xB5\xBD\xB5\xC4\xC3\xBF\xB8\xF6\xCA\xFD\xBE\xDD\xBF\xE9\xB0\xB4\xD4\xAD\xD1\xF9\xD2"
     "\xD4\xCA\xAE\xC1\xF9\xBD\xF8\xD6\xC6\xD7\xD6\xBD\xDA\xCF\xD4\xCA\xBE\xA3\xAC\xCE\xC4\xD7\xD6"
     "\xC1\xD0\xD4\xDA\xC5\xD4\xB1\xDF",
     "Shows each block received as it came: its bytes in hex, their text beside them"},
    // 199 [提示]:
    // 收到的内容无法读懂时多半是波特率或数据格式(校验位、数据位)不对；勾选信息区的“十六进制”可查看原始字节
    {"lang_Hint_SeeHexView",
     "[\xCC\xE1\xCA\xBE]: "
     "\xCA\xD5\xB5\xBD\xB5\xC4\xC4\xDA\xC8\xDD\xCE\xDE\xB7\xA8\xB6\xC1\xB6\xAE\xCA\xB1\xB6\xE0\xB0"
     "\xEB\xCA\xC7\xB2\xA8\xCC\xD8\xC2\xCA\xBB\xF2\xCA\xFD\xBE\xDD\xB8\xF1\xCA\xBD("
     "\xD0\xA3\xD1\xE9\xCE\xBB\xA1\xA2\xCA\xFD\xBE\xDD\xCE\xBB)"
     "\xB2\xBB\xB6\xD4\xA3\xBB\xB9\xB4\xD1\xA1\xD0\xC5\xCF\xA2\xC7\xF8\xB5\xC4\xA1\xB0\xCA\xAE\xC1"
     "\xF9\xBD\xF8\xD6\xC6\xA1\xB1\xBF\xC9\xB2\xE9\xBF\xB4\xD4\xAD\xCA\xBC\xD7\xD6\xBD\xDA",
     "[Hint]: Unreadable answers mostly mean a wrong baud rate or format (parity, data bits); tick "
     "Hex in the information area to see the bytes as they came"},
    // A port behind a serial device server: why it did not open, its status and the port window.
    // 200 [提示]:%1 不是网络端口名(rfc2217://主机:端口 或 socket://主机:端口)。
    {"lang_Info_NetBadAddress",
     "[\xCC\xE1\xCA\xBE]:%1 "
     "\xB2\xBB\xCA\xC7\xCD\xF8\xC2\xE7\xB6\xCB\xBF\xDA\xC3\xFB(rfc2217://"
     "\xD6\xF7\xBB\xFA:\xB6\xCB\xBF\xDA \xBB\xF2 "
     "socket://\xD6\xF7\xBB\xFA:\xB6\xCB\xBF\xDA)\xA1\xA3",
     "[Note]: %1 is not a network port name (rfc2217://HOST:PORT or socket://HOST:PORT)."},
    // 201 [提示]:%1 的主机名无法解析: %2
    {"lang_Info_NetNoSuchHost",
     "[\xCC\xE1\xCA\xBE]:%1 \xB5\xC4\xD6\xF7\xBB\xFA\xC3\xFB\xCE\xDE\xB7\xA8\xBD\xE2\xCE\xF6: %2",
     "[Note]: The host name of %1 does not resolve: %2"},
    // 202 [提示]:%1 的服务器拒绝连接(该端口无人监听)。
    {"lang_Info_NetRefused",
     "[\xCC\xE1\xCA\xBE]:%1 "
     "\xB5\xC4\xB7\xFE\xCE\xF1\xC6\xF7\xBE\xDC\xBE\xF8\xC1\xAC\xBD\xD3("
     "\xB8\xC3\xB6\xCB\xBF\xDA\xCE\xDE\xC8\xCB\xBC\xE0\xCC\xFD)\xA1\xA3",
     "[Note]: The server of %1 refused the connection (nothing listens on that port)."},
    // 203 [提示]:无法到达 %1 的服务器(没有路由)。
    {"lang_Info_NetUnreachable",
     "[\xCC\xE1\xCA\xBE]:\xCE\xDE\xB7\xA8\xB5\xBD\xB4\xEF %1 "
     "\xB5\xC4\xB7\xFE\xCE\xF1\xC6\xF7(\xC3\xBB\xD3\xD0\xC2\xB7\xD3\xC9)\xA1\xA3",
     "[Note]: The server of %1 cannot be reached (no route to it)."},
    // 204 [提示]:%1 的服务器没有及时应答。
    {"lang_Info_NetNoAnswer",
     "[\xCC\xE1\xCA\xBE]:%1 "
     "\xB5\xC4\xB7\xFE\xCE\xF1\xC6\xF7\xC3\xBB\xD3\xD0\xBC\xB0\xCA\xB1\xD3\xA6\xB4\xF0\xA1\xA3",
     "[Note]: The server of %1 did not answer in time."},
    // 205 [提示]:%1 的线路参数由服务器设定,请在服务器上改为 %2。
    {"lang_Info_NetServerLine",
     "[\xCC\xE1\xCA\xBE]:%1 "
     "\xB5\xC4\xCF\xDF\xC2\xB7\xB2\xCE\xCA\xFD\xD3\xC9\xB7\xFE\xCE\xF1\xC6\xF7\xC9\xE8\xB6\xA8,"
     "\xC7\xEB\xD4\xDA\xB7\xFE\xCE\xF1\xC6\xF7\xC9\xCF\xB8\xC4\xCE\xAA %2\xA1\xA3",
     "[Note]: The server sets the line of %1; set it there to %2."},
    // 206  "%1",线路参数由服务器设定
    {"lang_Info_NetLineByServer",
     " \"%1\",\xCF\xDF\xC2\xB7\xB2\xCE\xCA\xFD\xD3\xC9\xB7\xFE\xCE\xF1\xC6\xF7\xC9\xE8\xB6\xA8 ",
     " \"%1\", line set by the server "},
    // 207 添加网络端口…
    {"lang_Login_AddNetPort", "\xCC\xED\xBC\xD3\xCD\xF8\xC2\xE7\xB6\xCB\xBF\xDA\xA1\xAD",
     "Add network port..."},
    // 208 网络端口(rfc2217://主机:端口 或 socket://主机:端口):
    {"lang_Login_NetPortPrompt",
     "\xCD\xF8\xC2\xE7\xB6\xCB\xBF\xDA(rfc2217://\xD6\xF7\xBB\xFA:\xB6\xCB\xBF\xDA \xBB\xF2 "
     "socket://\xD6\xF7\xBB\xFA:\xB6\xCB\xBF\xDA):",
     "Network port (rfc2217://HOST:PORT or socket://HOST:PORT):"},
    // 209 [提示]:正在连接 %1 ...
    {"lang_Info_NetConnecting", "[\xCC\xE1\xCA\xBE]:\xD5\xFD\xD4\xDA\xC1\xAC\xBD\xD3 %1 ...",
     "[Note]: Connecting to %1 ..."},
    // Values checked before write all, the compact view's question and the lists' stored indexes.
    // 210 须选择列表中的一项
    {"lang_Rule_Choice", "\xD0\xEB\xD1\xA1\xD4\xF1\xC1\xD0\xB1\xED\xD6\xD0\xB5\xC4\xD2\xBB\xCF\xEE",
     "choose an item of its list"},
    // 211 须为1至9位数字
    {"lang_Rule_Number",
     "\xD0\xEB\xCE\xAA"
     "1\xD6\xC1"
     "9\xCE\xBB\xCA\xFD\xD7\xD6",
     "1 to 9 digits"},
    // 212 须为1至9位数字(空格不计)
    {"lang_Rule_SpacedNumber",
     "\xD0\xEB\xCE\xAA"
     "1\xD6\xC1"
     "9\xCE\xBB\xCA\xFD\xD7\xD6(\xBF\xD5\xB8\xF1\xB2\xBB\xBC\xC6)",
     "1 to 9 digits, blanks aside"},
    // 213 须为0至65535的数字,或留空
    {"lang_Rule_Port",
     "\xD0\xEB\xCE\xAA"
     "0\xD6\xC1"
     "65535\xB5\xC4\xCA\xFD\xD7\xD6,\xBB\xF2\xC1\xF4\xBF\xD5",
     "a number from 0 to 65535, or nothing"},
    // 214 须为1至20位数字,可以+开头
    {"lang_Rule_Phone",
     "\xD0\xEB\xCE\xAA"
     "1\xD6\xC1"
     "20\xCE\xBB\xCA\xFD\xD7\xD6,\xBF\xC9\xD2\xD4+\xBF\xAA\xCD\xB7",
     "1 to 20 digits, a leading + allowed"},
    // 215 不能含双引号或控制字符
    {"lang_Rule_QuotedText",
     "\xB2\xBB\xC4\xDC\xBA\xAC\xCB\xAB\xD2\xFD\xBA\xC5\xBB\xF2\xBF\xD8\xD6\xC6\xD7\xD6\xB7\xFB",
     "no double quote or control character"},
    // 216 须为一行文字,不含控制字符
    {"lang_Rule_Text",
     "\xD0\xEB\xCE\xAA\xD2\xBB\xD0\xD0\xCE\xC4\xD7\xD6,"
     "\xB2\xBB\xBA\xAC\xBF\xD8\xD6\xC6\xD7\xD6\xB7\xFB",
     "one line of text without control characters"},
    // 217 须为1至3项以逗号分隔的带引号文字,各项不含引号
    {"lang_Rule_Apn",
     "\xD0\xEB\xCE\xAA"
     "1\xD6\xC1"
     "3\xCF\xEE\xD2\xD4\xB6\xBA\xBA\xC5\xB7\xD6\xB8\xF4\xB5\xC4\xB4\xF8\xD2\xFD\xBA\xC5\xCE\xC4\xD7"
     "\xD6,\xB8\xF7\xCF\xEE\xB2\xBB\xBA\xAC\xD2\xFD\xBA\xC5",
     "1 to 3 quoted texts separated by commas, none holding a quote"},
    // 218 [错误]: 以下参数不符合要求,没有写入任何参数: %s
    {"lang_Info_WriteRefused",
     "[\xB4\xED\xCE\xF3]: "
     "\xD2\xD4\xCF\xC2\xB2\xCE\xCA\xFD\xB2\xBB\xB7\xFB\xBA\xCF\xD2\xAA\xC7\xF3,"
     "\xC3\xBB\xD3\xD0\xD0\xB4\xC8\xEB\xC8\xCE\xBA\xCE\xB2\xCE\xCA\xFD: %s",
     "[Error]: Nothing written; these values break their rules: %s"},
    // 219 精简显示隐藏的以下参数与设备中的不同,配置全部参数将改写它们:
    {"lang_Compact_Question",
     "\xBE\xAB\xBC\xF2\xCF\xD4\xCA\xBE\xD2\xFE\xB2\xD8\xB5\xC4\xD2\xD4\xCF\xC2\xB2\xCE\xCA\xFD\xD3"
     "\xEB\xC9\xE8\xB1\xB8\xD6\xD0\xB5\xC4\xB2\xBB\xCD\xAC,"
     "\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD\xBD\xAB\xB8\xC4\xD0\xB4\xCB\xFC\xC3\xC7:",
     "Write all in the compact view changes these values that the view hides:"},
    // 220 写入
    {"lang_Compact_Write", "\xD0\xB4\xC8\xEB", "Write"},
    // 221 显示完整
    {"lang_Compact_ShowFull", "\xCF\xD4\xCA\xBE\xCD\xEA\xD5\xFB", "Show full view"},
    // 222 取消
    {"lang_Compact_Cancel", "\xC8\xA1\xCF\xFB", "Cancel"},
    // 223 启用
    {"lang_Value_On", "\xC6\xF4\xD3\xC3", "on"},
    // 224 不启用
    {"lang_Value_Off", "\xB2\xBB\xC6\xF4\xD3\xC3", "off"},
    // 225 (空)
    {"lang_Value_Empty", "(\xBF\xD5)", "(empty)"},
    // 226 [提示]: %s 中 %s 的值 %s 不在列表中,已改用默认值 %s
    {"lang_Info_IndexOutsideList",
     "[\xCC\xE1\xCA\xBE]: %s \xD6\xD0 %s \xB5\xC4\xD6\xB5 %s "
     "\xB2\xBB\xD4\xDA\xC1\xD0\xB1\xED\xD6\xD0,\xD2\xD1\xB8\xC4\xD3\xC3\xC4\xAC\xC8\xCF\xD6\xB5 %s",
     "[Note]: In %s, %s holds %s, no item of its list; the default %s is used instead"},
    // What the status bar says while an action runs and after the port opens or closes,
    // the log's notes for F8 and the compact view's write, and the find bar's count.
    // 227 [提示]:
    // 设备没有应答时，请检查设备电源和连线、所选串口是否接着设备，并试试设备可能使用的波特率(115200、57600、9600)
    {"lang_Hint_NoAnswer",
     "[\xCC\xE1\xCA\xBE]: "
     "\xC9\xE8\xB1\xB8\xC3\xBB\xD3\xD0\xD3\xA6\xB4\xF0\xCA\xB1\xA3\xAC\xC7\xEB\xBC\xEC\xB2\xE9\xC9"
     "\xE8\xB1\xB8\xB5\xE7\xD4\xB4\xBA\xCD\xC1\xAC\xCF\xDF\xA1\xA2\xCB\xF9\xD1\xA1\xB4\xAE\xBF\xDA"
     "\xCA\xC7\xB7\xF1\xBD\xD3\xD7\xC5\xC9\xE8\xB1\xB8\xA3\xAC\xB2\xA2\xCA\xD4\xCA\xD4\xC9\xE8\xB1"
     "\xB8\xBF\xC9\xC4\xDC\xCA\xB9\xD3\xC3\xB5\xC4\xB2\xA8\xCC\xD8\xC2\xCA(115200\xA1\xA2"
     "57600\xA1\xA2"
     "9600)",
     "[Hint]: A silent device: check its power and cable, that the chosen port is the one it is "
     "wired to, and try the baud rates it may use (115200, 57600, 9600)"},
    // 228 正在执行…
    {"lang_Status_Busy", "\xD5\xFD\xD4\xDA\xD6\xB4\xD0\xD0\xA1\xAD", "Working..."},
    // 229 正在读取 %1/%2…
    {"lang_Status_Reading", "\xD5\xFD\xD4\xDA\xB6\xC1\xC8\xA1 %1/%2\xA1\xAD",
     "Reading %1 of %2..."},
    // 230 正在写入 %1/%2…
    {"lang_Status_Writing", "\xD5\xFD\xD4\xDA\xD0\xB4\xC8\xEB %1/%2\xA1\xAD",
     "Writing %1 of %2..."},
    // 231 正在发送 %1/%2…
    {"lang_Status_Sending", "\xD5\xFD\xD4\xDA\xB7\xA2\xCB\xCD %1/%2\xA1\xAD",
     "Sending %1 of %2..."},
    // 232 %1 已打开
    {"lang_Status_PortOpened", "%1 \xD2\xD1\xB4\xF2\xBF\xAA", "%1 opened"},
    // 233 %1 已关闭
    {"lang_Status_PortClosed", "%1 \xD2\xD1\xB9\xD8\xB1\xD5", "%1 closed"},
    // 234 [提示]: 还没有保存的串口配置。请在串口窗口中选择串口后点“文件 > 保存串口配置”，之后 F8
    // 才能以它重开串口。
    {"lang_Info_NoSavedPort",
     "[\xCC\xE1\xCA\xBE]: "
     "\xBB\xB9\xC3\xBB\xD3\xD0\xB1\xA3\xB4\xE6\xB5\xC4\xB4\xAE\xBF\xDA\xC5\xE4\xD6\xC3\xA1\xA3\xC7"
     "\xEB\xD4\xDA\xB4\xAE\xBF\xDA\xB4\xB0\xBF\xDA\xD6\xD0\xD1\xA1\xD4\xF1\xB4\xAE\xBF\xDA\xBA\xF3"
     "\xB5\xE3\xA1\xB0\xCE\xC4\xBC\xFE > "
     "\xB1\xA3\xB4\xE6\xB4\xAE\xBF\xDA\xC5\xE4\xD6\xC3\xA1\xB1\xA3\xAC\xD6\xAE\xBA\xF3 F8 "
     "\xB2\xC5\xC4\xDC\xD2\xD4\xCB\xFC\xD6\xD8\xBF\xAA\xB4\xAE\xBF\xDA\xA1\xA3",
     "[Note]: No port configuration is saved. Choose the port in the port window and use File > "
     "Save COM Config; F8 then reopens the port with it."},
    // 235 [提示]: 配置全部参数还将改写精简显示隐藏的以下参数: %s
    {"lang_Info_HiddenChanges",
     "[\xCC\xE1\xCA\xBE]: "
     "\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD\xBB\xB9\xBD\xAB\xB8\xC4\xD0\xB4\xBE\xAB\xBC"
     "\xF2\xCF\xD4\xCA\xBE\xD2\xFE\xB2\xD8\xB5\xC4\xD2\xD4\xCF\xC2\xB2\xCE\xCA\xFD: %s",
     "[Note]: Write all also changes these values that the compact view hides: %s"},
    // 236 未找到
    {"lang_Find_NotFound", "\xCE\xB4\xD5\xD2\xB5\xBD", "Not found"},
    // 237 %1/%2
    {"lang_Find_Count", "%1/%2", "%1 of %2"},
    // A profile that Import Profile refuses, and why, as the command line says it.
    // 238 [错误]: 配置文件 %s 有以下问题，未导入
    {"lang_Profile_NotImported",
     "[\xB4\xED\xCE\xF3]: \xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE %s "
     "\xD3\xD0\xD2\xD4\xCF\xC2\xCE\xCA\xCC\xE2\xA3\xAC\xCE\xB4\xB5\xBC\xC8\xEB",
     "[Error]: The profile %s was not imported; it has these problems"},
    // 239 [错误]: %s: %s
    {"lang_Profile_Problem", "[\xB4\xED\xCE\xF3]: %s: %s", "[Error]: %s: %s"},
    // 240 须为1或0
    {"lang_Profile_TickDue",
     "\xD0\xEB\xCE\xAA"
     "1\xBB\xF2"
     "0",
     "1 or 0"},
    // 241 %s 出现两次，在第 %s 行和第 %s 行
    {"lang_Profile_GivenTwice",
     "%s \xB3\xF6\xCF\xD6\xC1\xBD\xB4\xCE\xA3\xAC\xD4\xDA\xB5\xDA %s \xD0\xD0\xBA\xCD\xB5\xDA %s "
     "\xD0\xD0",
     "%s is given twice, on lines %s and %s"},
    // 242 不含配置文件的任何键(节 %s)
    {"lang_Profile_NoKeys",
     "\xB2\xBB\xBA\xAC\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE\xB5\xC4\xC8\xCE\xBA\xCE\xBC\xFC(\xBD\xDA "
     "%s)",
     "it holds none of the profile's keys (sections %s)"},
    // 243 (缺少此键，此为其默认值)
    {"lang_Profile_KeyMissing",
     "(\xC8\xB1\xC9\xD9\xB4\xCB\xBC\xFC\xA3\xAC\xB4\xCB\xCE\xAA\xC6\xE4\xC4\xAC\xC8\xCF\xD6\xB5)",
     "(the key is missing: this is its default)"},
    // Finding the device from the port window.
    // 244 查找
    {"lang_Command_Find", "\xB2\xE9\xD5\xD2", "Find"},
    // 245 取消
    {"lang_Find_Cancel", "\xC8\xA1\xCF\xFB", "Cancel"},
    // 246 [提示]:正在查找设备: %1…(%2/%3)
    {"lang_Info_FindTrying",
     "[\xCC\xE1\xCA\xBE]:\xD5\xFD\xD4\xDA\xB2\xE9\xD5\xD2\xC9\xE8\xB1\xB8: %1\xA1\xAD(%2/%3)",
     "[Note]: Finding the device: %1... (%2 of %3)"},
    // 247 %1,先发退出数据模式的 +++
    {"lang_Info_FindEscape",
     "%1,\xCF\xC8\xB7\xA2\xCD\xCB\xB3\xF6\xCA\xFD\xBE\xDD\xC4\xA3\xCA\xBD\xB5\xC4 +++",
     "%1, escape +++ first"},
    // 248 [提示]:没有设备应答(已尝试 %1 种设置)。请检查设备电源和连线、所选串口是否接着设备。
    {"lang_Info_FindNone",
     "[\xCC\xE1\xCA\xBE]:\xC3\xBB\xD3\xD0\xC9\xE8\xB1\xB8\xD3\xA6\xB4\xF0(\xD2\xD1\xB3\xA2\xCA\xD4 "
     "%1 "
     "\xD6\xD6\xC9\xE8\xD6\xC3)"
     "\xA1\xA3\xC7\xEB\xBC\xEC\xB2\xE9\xC9\xE8\xB1\xB8\xB5\xE7\xD4\xB4\xBA\xCD\xC1\xAC\xCF\xDF\xA1"
     "\xA2\xCB\xF9\xD1\xA1\xB4\xAE\xBF\xDA\xCA\xC7\xB7\xF1\xBD\xD3\xD7\xC5\xC9\xE8\xB1\xB8\xA1\xA3",
     "[Note]: No device answered (tried %1 settings). Check the device's power and cable, and that "
     "the chosen port is the one it is wired to."},
    // 249 [提示]:已取消查找设备。
    {"lang_Info_FindCancelled",
     "[\xCC\xE1\xCA\xBE]:\xD2\xD1\xC8\xA1\xCF\xFB\xB2\xE9\xD5\xD2\xC9\xE8\xB1\xB8\xA1\xA3",
     "[Note]: Finding the device was cancelled."},
    // 250 [错误]:查找设备时串口断开了。
    {"lang_Info_FindLost",
     "[\xB4\xED\xCE\xF3]:"
     "\xB2\xE9\xD5\xD2\xC9\xE8\xB1\xB8\xCA\xB1\xB4\xAE\xBF\xDA\xB6\xCF\xBF\xAA\xC1\xCB\xA1\xA3",
     "[Error]: The port went away while finding the device."},
    // Compare with the device
    // 251 与设备比较
    {"lang_Menu_Compare", "\xD3\xEB\xC9\xE8\xB1\xB8\xB1\xC8\xBD\xCF", "Compare with Device"},
    // 252 配置全部参数将改写设备中的以下参数:
    {"lang_Compare_Question",
     "\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD\xBD\xAB\xB8\xC4\xD0\xB4\xC9\xE8\xB1\xB8\xD6"
     "\xD0\xB5\xC4\xD2\xD4\xCF\xC2\xB2\xCE\xCA\xFD:",
     "Write all would change these values in the device:"},
    // 253 设备中的参数与界面相同,配置全部参数不会改写它们。
    {"lang_Compare_Same",
     "\xC9\xE8\xB1\xB8\xD6\xD0\xB5\xC4\xB2\xCE\xCA\xFD\xD3\xEB\xBD\xE7\xC3\xE6\xCF\xE0\xCD\xAC,"
     "\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD\xB2\xBB\xBB\xE1\xB8\xC4\xD0\xB4\xCB\xFC\xC3"
     "\xC7\xA1\xA3",
     "The device already holds the values write all would send."},
    // 254 参数
    {"lang_Compare_Field", "\xB2\xCE\xCA\xFD", "Setting"},
    // 255 设备中
    {"lang_Compare_Device", "\xC9\xE8\xB1\xB8\xD6\xD0", "In the device"},
    // 256 界面中
    {"lang_Compare_Form", "\xBD\xE7\xC3\xE6\xD6\xD0", "In the form"},
    // 257 未读到
    {"lang_Compare_NotRead", "\xCE\xB4\xB6\xC1\xB5\xBD", "not read"},
    // 258 读取设备,列出配置全部参数将改写的参数;界面中的参数不变
    {"lang_Hint_btn_Compare",
     "\xB6\xC1\xC8\xA1\xC9\xE8\xB1\xB8,"
     "\xC1\xD0\xB3\xF6\xC5\xE4\xD6\xC3\xC8\xAB\xB2\xBF\xB2\xCE\xCA\xFD\xBD\xAB\xB8\xC4\xD0\xB4\xB5"
     "\xC4\xB2\xCE\xCA\xFD;\xBD\xE7\xC3\xE6\xD6\xD0\xB5\xC4\xB2\xCE\xCA\xFD\xB2\xBB\xB1\xE4",
     "Reads the device and lists what write all would change; the form stays as it is"},
    // Provisioning a fleet: the device list strip and the record of writes.
    // 259 设备清单...
    {"lang_Menu_DeviceList", "\xC9\xE8\xB1\xB8\xC7\xE5\xB5\xA5...", "Device List..."},
    // 260 设备清单 (*.csv);;所有文件 (*)
    {"lang_List_Filter",
     "\xC9\xE8\xB1\xB8\xC7\xE5\xB5\xA5 (*.csv);;\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE (*)",
     "Device lists (*.csv);;All files (*)"},
    // 261 第 %s 行，共 %s 行
    {"lang_List_Row", "\xB5\xDA %s \xD0\xD0\xA3\xAC\xB9\xB2 %s \xD0\xD0", "row %s of %s"},
    // 262 上一行
    {"lang_List_Back", "\xC9\xCF\xD2\xBB\xD0\xD0", "Back"},
    // 263 下一行
    {"lang_List_Next", "\xCF\xC2\xD2\xBB\xD0\xD0", "Next"},
    // 264 关闭清单
    {"lang_List_Close", "\xB9\xD8\xB1\xD5\xC7\xE5\xB5\xA5", "Close List"},
    // 265 记录：%s
    {"lang_List_Record", "\xBC\xC7\xC2\xBC\xA3\xBA%s", "Record: %s"},
    // 266 [错误]: 设备清单 %s 第 %s 行第 %s 列有误：%s
    {"lang_List_Bad",
     "[\xB4\xED\xCE\xF3]: \xC9\xE8\xB1\xB8\xC7\xE5\xB5\xA5 %s \xB5\xDA %s \xD0\xD0\xB5\xDA %s "
     "\xC1\xD0\xD3\xD0\xCE\xF3\xA3\xBA%s",
     "[Error]: Device list %s, line %s, column %s: %s is not accepted"},
    // 267 [错误]: 无法使用设备清单 %s (第 %s 行第 %s 列)
    {"lang_List_Unusable",
     "[\xB4\xED\xCE\xF3]: \xCE\xDE\xB7\xA8\xCA\xB9\xD3\xC3\xC9\xE8\xB1\xB8\xC7\xE5\xB5\xA5 %s "
     "(\xB5\xDA %s \xD0\xD0\xB5\xDA %s \xC1\xD0)",
     "[Error]: The device list %s cannot be used (line %s, column %s)"},
    // 268 [提示]: 设备清单 %s 的每一行都已完成
    {"lang_List_AllDone",
     "[\xCC\xE1\xCA\xBE]: \xC9\xE8\xB1\xB8\xC7\xE5\xB5\xA5 %s "
     "\xB5\xC4\xC3\xBF\xD2\xBB\xD0\xD0\xB6\xBC\xD2\xD1\xCD\xEA\xB3\xC9",
     "[Note]: Every row of the device list %s is done"},
    // 269 [提示]: 已记入 %s
    {"lang_Record_Written", "[\xCC\xE1\xCA\xBE]: \xD2\xD1\xBC\xC7\xC8\xEB %s",
     "[Note]: Recorded in %s"},
    // 270 [错误]: 无法写入记录 %s
    {"lang_Record_Unwritable",
     "[\xB4\xED\xCE\xF3]: \xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xBC\xC7\xC2\xBC %s",
     "[Error]: Cannot add to the record %s"},
    // The compact view's question as a list
    // 271 将写入
    {"lang_Compact_Written", "\xBD\xAB\xD0\xB4\xC8\xEB", "Written"},
    // Line settings a port or a server did not take, and why a port did not open
    // 272 波特率
    {"lang_Line_BaudRate", "\xB2\xA8\xCC\xD8\xC2\xCA", "baud rate"},
    // 273 输入波特率
    {"lang_Line_InputBaudRate", "\xCA\xE4\xC8\xEB\xB2\xA8\xCC\xD8\xC2\xCA", "input baud rate"},
    // 274 数据位
    {"lang_Line_CharSize", "\xCA\xFD\xBE\xDD\xCE\xBB", "character size"},
    // 275 数据位
    {"lang_Line_DataBits", "\xCA\xFD\xBE\xDD\xCE\xBB", "data bits"},
    // 276 校验位
    {"lang_Line_Parity", "\xD0\xA3\xD1\xE9\xCE\xBB", "parity"},
    // 277 停止位
    {"lang_Line_StopBits", "\xCD\xA3\xD6\xB9\xCE\xBB", "stop bits"},
    // 278 硬件流控
    {"lang_Line_FlowControl", "\xD3\xB2\xBC\xFE\xC1\xF7\xBF\xD8", "hardware flow control"},
    // 279 无校验
    {"lang_Line_ParityNone", "\xCE\xDE\xD0\xA3\xD1\xE9", "none"},
    // 280 奇校验
    {"lang_Line_ParityOdd", "\xC6\xE6\xD0\xA3\xD1\xE9", "odd"},
    // 281 偶校验
    {"lang_Line_ParityEven", "\xC5\xBC\xD0\xA3\xD1\xE9", "even"},
    // 282 标记校验
    {"lang_Line_ParityMark", "\xB1\xEA\xBC\xC7\xD0\xA3\xD1\xE9", "mark"},
    // 283 空格校验
    {"lang_Line_ParitySpace", "\xBF\xD5\xB8\xF1\xD0\xA3\xD1\xE9", "space"},
    // 284 开
    {"lang_Line_On", "\xBF\xAA", "on"},
    // 285 关
    {"lang_Line_Off", "\xB9\xD8", "off"},
    // 286 要求%1为 %2,串口为 %3
    {"lang_Line_NotKeptByPort", "\xD2\xAA\xC7\xF3%1\xCE\xAA %2,\xB4\xAE\xBF\xDA\xCE\xAA %3",
     "%1 %2 asked, port has %3"},
    // 287 要求%1为 %2,服务器为 %3
    {"lang_Line_NotKeptByServer",
     "\xD2\xAA\xC7\xF3%1\xCE\xAA %2,\xB7\xFE\xCE\xF1\xC6\xF7\xCE\xAA %3",
     "%1 %2 asked, server has %3"},
    // 288 要求%1为 %2,服务器答以未定义的代码 %3
    {"lang_Line_UnknownAnswer",
     "\xD2\xAA\xC7\xF3%1\xCE\xAA "
     "%2,\xB7\xFE\xCE\xF1\xC6\xF7\xB4\xF0\xD2\xD4\xCE\xB4\xB6\xA8\xD2\xE5\xB5\xC4\xB4\xFA\xC2\xEB "
     "%3",
     "%1 %2 asked, server has code %3"},
    // 289 要求%1为 %2,服务器未确认
    {"lang_Line_NotConfirmed",
     "\xD2\xAA\xC7\xF3%1\xCE\xAA %2,\xB7\xFE\xCE\xF1\xC6\xF7\xCE\xB4\xC8\xB7\xC8\xCF",
     "%1 %2 asked, the server did not confirm it"},
    // 290 要求%1为 %2,串口只接受 %3 到 %4
    {"lang_Line_OutOfRange",
     "\xD2\xAA\xC7\xF3%1\xCE\xAA %2,\xB4\xAE\xBF\xDA\xD6\xBB\xBD\xD3\xCA\xDC %3 \xB5\xBD %4",
     "%1 %2 asked, a port takes %3 to %4"},
    // 291 系统拒绝%1 %2: %3
    {"lang_Line_Refused", "\xCF\xB5\xCD\xB3\xBE\xDC\xBE\xF8%1 %2: %3", "%1 %2 refused: %3"},
    // 292 系统拒绝线路参数: %1
    {"lang_Line_AllRefused", "\xCF\xB5\xCD\xB3\xBE\xDC\xBE\xF8\xCF\xDF\xC2\xB7\xB2\xCE\xCA\xFD: %1",
     "line settings refused: %1"},
    // 293 无法读回线路参数: %1
    {"lang_Line_Unreadable", "\xCE\xDE\xB7\xA8\xB6\xC1\xBB\xD8\xCF\xDF\xC2\xB7\xB2\xCE\xCA\xFD: %1",
     "line settings cannot be read back: %1"},
    // 294 服务器不提供串口控制选项
    {"lang_Line_NoComPort",
     "\xB7\xFE\xCE\xF1\xC6\xF7\xB2\xBB\xCC\xE1\xB9\xA9\xB4\xAE\xBF\xDA\xBF\xD8\xD6\xC6\xD1\xA1\xCF"
     "\xEE",
     "the server does not offer the com-port option"},
    // 295 打开的文件过多:请调高 `ulimit -n`
    {"lang_Reason_TooManyFiles",
     "\xB4\xF2\xBF\xAA\xB5\xC4\xCE\xC4\xBC\xFE\xB9\xFD\xB6\xE0:\xC7\xEB\xB5\xF7\xB8\xDF `ulimit "
     "-n`",
     "too many open files: raise `ulimit -n`"},
    // 296 串口已打开
    {"lang_Reason_AlreadyOpen", "\xB4\xAE\xBF\xDA\xD2\xD1\xB4\xF2\xBF\xAA",
     "This serial port already opened"},
    // 297 无法设置串口缓冲区
    {"lang_Reason_NoSettings",
     "\xCE\xDE\xB7\xA8\xC9\xE8\xD6\xC3\xB4\xAE\xBF\xDA\xBB\xBA\xB3\xE5\xC7\xF8",
     "Cannot setup comm buffer"},
    // 298 无法创建读线程
    {"lang_Reason_NoReader", "\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xB6\xC1\xCF\xDF\xB3\xCC",
     "Unable to create read thread"},
    // 299 无法创建写线程
    {"lang_Reason_NoWriter", "\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8\xD0\xB4\xCF\xDF\xB3\xCC",
     "Unable to create write thread"},
    // 300 无效的波特率 "%1"
    {"lang_Reason_BadBaudRate", "\xCE\xDE\xD0\xA7\xB5\xC4\xB2\xA8\xCC\xD8\xC2\xCA \"%1\"",
     "invalid baud rate \"%1\""},
    // 301 无效的数据位 "%1"
    {"lang_Reason_BadDataBits", "\xCE\xDE\xD0\xA7\xB5\xC4\xCA\xFD\xBE\xDD\xCE\xBB \"%1\"",
     "invalid data bits \"%1\""},
    // 302 无效的停止位 "%1"
    {"lang_Reason_BadStopBits", "\xCE\xDE\xD0\xA7\xB5\xC4\xCD\xA3\xD6\xB9\xCE\xBB \"%1\"",
     "invalid stop bits \"%1\""},
    // 303 服务器关闭了连接
    {"lang_Reason_ServerClosed", "\xB7\xFE\xCE\xF1\xC6\xF7\xB9\xD8\xB1\xD5\xC1\xCB\xC1\xAC\xBD\xD3",
     "the server closed the connection"},
    // 304 此服务器使用普通 TCP,请改用 %1
    {"lang_Reason_PlainServer",
     "\xB4\xCB\xB7\xFE\xCE\xF1\xC6\xF7\xCA\xB9\xD3\xC3\xC6\xD5\xCD\xA8 "
     "TCP,\xC7\xEB\xB8\xC4\xD3\xC3 %1",
     "this server speaks plain TCP: use %1"},
    // 305 连接时端口被关闭
    {"lang_Reason_Cancelled", "\xC1\xAC\xBD\xD3\xCA\xB1\xB6\xCB\xBF\xDA\xB1\xBB\xB9\xD8\xB1\xD5",
     "closed while connecting"},
    // 306 未连接
    {"lang_Reason_NotConnected", "\xCE\xB4\xC1\xAC\xBD\xD3", "not connected"},
    // A packet whose hex box is ticked
    // 307 须为成对的十六进制数字(已勾选十六进制)
    {"lang_Rule_HexPacket",
     "\xD0\xEB\xCE\xAA\xB3\xC9\xB6\xD4\xB5\xC4\xCA\xAE\xC1\xF9\xBD\xF8\xD6\xC6\xCA\xFD\xD7\xD6("
     "\xD2\xD1\xB9\xB4\xD1\xA1\xCA\xAE\xC1\xF9\xBD\xF8\xD6\xC6)",
     "hexadecimal digits in pairs (its hex box is ticked)"},
};

}  // namespace

std::span<const BuiltinText> BuiltinTexts() {
    return kBuiltinTexts;
}

const TLangList& EnglishBuiltinTable() {
    static TLangList table;
    static const bool filled = (FillLangTable(table), true);
    static_cast<void>(filled);
    return table;
}

void FillLangTable(TLangList& list) {
    for (const BuiltinText& row : kBuiltinTexts) {
        list.AddText(row.key, row.chinese, row.english);
    }
}

std::string LoadLanguage(TLangList& table, const std::string& fileName) {
    FillLangTable(table);
    const LangLoad load = table.LoadLangFile(fileName);
    if (load.unwritten) {
        return load.unwritten->What() + ": " + load.unwritten->reason;
    }
    if (!load.complete) {
        std::string line = table.GetText("lang_Info_LangFileTooLong");
        // The text may come from the file itself, placeholder or not.
        if (const auto at = line.find("%s"); at != std::string::npos) {
            line.replace(at, 2, fileName);
        }
        return line;
    }
    return {};
}

}  // namespace dtu
