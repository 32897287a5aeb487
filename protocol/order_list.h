#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/commands.h"

namespace dtu {

// The list of finished command lines an operation runs, one line per reply,
// and the index of the line being executed.
class OrderList {
public:
    void ClearOrders();
    void AddRawOrder(const std::string& text);
    void AddAtOrder(const std::string& body);
    void AddQueryOrder(const std::string& name);
    void AddExecOrder(const std::string& name);
    void AddSetOrder(const std::string& name, const std::string& value);
    void AddSetOrderCmd(TCmd cmd, const std::string& value);
    void InsertEnterCfgOrders();
    void InsertSetOrder(const std::string& name, const std::string& value);
    void InsertSetOrderCmd(TCmd cmd, const std::string& value);

    // The line at `index`, or the empty text when there is none.
    std::string GetOrder(std::int64_t index) const;
    int OrderCount() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& Lines() const { return lines_; }

    // The line being executed; ClearOrders starts again at 0.
    int Index() const { return index_; }
    // On to the next line; past the end the list is done.
    void Advance();

private:
    std::vector<std::string> lines_;
    int index_ = 0;
};

// The command name of a list line, for messages: "AT+NAME=9600\r\n" gives "NAME",
// "ATW\r\n" gives "ATW", a raw line such as "+++" gives itself.
std::string LineCommandName(std::string_view line);

}  // namespace dtu
