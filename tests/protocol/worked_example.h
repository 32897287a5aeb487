#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "protocol/form_values.h"

namespace dtu {

// The form of the write-all worked example: data transmission, full view,
// socket 1 only, both hex boxes unticked, 115200 8N1, reconnect interval 10.
inline FormValues WorkedExampleForm() {
    FormValues form;
    form.cbb_WorkMode = 0;
    form.btn_ShowMoreTag = 0;
    form.edt_HeartbeatFormat = "LOG";
    form.edt_RegFormat = "LOGIN:1001";
    form.edt_HeartbeatTime = "50";
    form.edt_WaitTime = "10";
    form.edt_RestartTime = "1800";
    form.sockets[0] = {"TCP", "host1", "2317", true};
    for (std::size_t i = 1; i < form.sockets.size(); ++i) {
        form.sockets[i] = {"TCP", "", "", false};
    }
    form.edt_APN_other = "\"CMNET\",\"\",\"\"";
    form.cbb_Com_BaudRate = "115200";
    form.cbb_Com_ParityText = "NONE";
    form.cbb_Com_ByteText = "8";
    form.cbb_Com_StopText = "1";
    form.cbb_Com_ParityItem = 0;
    form.cbb_Com_ByteItem = 1;
    form.cbb_Com_StopItem = 0;
    form.lbledtResoc = "10";
    return form;
}

// The eighteen lines it sends to a family-2 device, one per reply.
inline std::vector<std::string> WorkedExampleLines() {
    return {
        "AT+CIVER?\r\n",
        "AT+CIPCFG=1,50,0,10,0,1800\r\n",
        "AT+CIPPACK=0,\"4C4F47\",\"0\"\r\n",
        "AT+CIPPACK=1,\"4C4F47494E3A31303031\",\"0\"\r\n",
        "AT+CIPSCONT=1,\"TCP\",\"host1\", 2317,1\r\n",
        "AT+CIPSCONT=2,\"TCP\",\"\", ,0\r\n",
        "AT+CIPSCONT=3,\"TCP\",\"\", ,0\r\n",
        "AT+CIPSCONT=4,\"TCP\",\"\", ,0\r\n",
        "AT+CICOMAT=0\r\n",
        "AT+CINETAT=0\r\n",
        "AT+CLOUDEN=OFF\r\n",  // the three family-2 lines, before the tail
        "AT+CACHE=0\r\n",
        "AT+RESOC=10\r\n",
        "AT+CIMOD=\"0\"\r\n",
        "AT+CSTT=\"CMNET\",\"\",\"\"\r\n",
        "AT+ICF=3,3\r\n",
        "AT+CIPR=115200\r\n",
        "ATW\r\n",
    };
}

}  // namespace dtu
