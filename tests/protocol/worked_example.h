#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/session/worked_example_model.h"

namespace dtu {

// The form of the write-all worked example.
inline FormModel WorkedExampleForm() {
    FormModel form;
    LoadWorkedExample(form);
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
