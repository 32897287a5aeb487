#include "protocol/order_list.h"

#include <limits>

namespace dtu {

namespace {

constexpr const char* kEscape = "+++";
constexpr const char* kEscapeAck = "a";
// Every write-all list ends with the same five lines; inserted set lines go in front of them.
constexpr int kTailLength = 5;

// The one place a line gets its "AT+" prefix and its CR LF.
std::string AtLine(const std::string& body) {
    return "AT+" + body + "\r\n";
}

}  // namespace

void OrderList::ClearOrders() {
    lines_.clear();
    index_ = 0;
}

void OrderList::Advance() {
    if (index_ < std::numeric_limits<int>::max()) {
        ++index_;
    }
}

void OrderList::AddRawOrder(const std::string& text) {
    lines_.push_back(text);
}

void OrderList::AddAtOrder(const std::string& body) {
    AddRawOrder(AtLine(body));
}

void OrderList::AddQueryOrder(const std::string& name) {
    AddAtOrder(name + "?");
}

void OrderList::AddExecOrder(const std::string& name) {
    AddAtOrder(name);
}

void OrderList::AddSetOrder(const std::string& name, const std::string& value) {
    AddAtOrder(name + "=" + value);
}

void OrderList::AddSetOrderCmd(TCmd cmd, const std::string& value) {
    AddSetOrder(std::string(CmdName(cmd)), value);
}

void OrderList::InsertEnterCfgOrders() {
    // Past the end there is no outstanding line to recover.
    if (index_ > OrderCount()) {
        return;
    }
    if (GetOrder(index_) == kEscape) {
        return;
    }
    lines_.insert(lines_.begin() + index_, kEscape);
    if (GetOrder(std::int64_t{index_} + 1) != kEscapeAck) {
        lines_.insert(lines_.begin() + index_ + 1, kEscapeAck);
    }
}

void OrderList::InsertSetOrder(const std::string& name, const std::string& value) {
    const int count = OrderCount();
    if (count < kTailLength) {
        return;
    }
    lines_.insert(lines_.begin() + (count - kTailLength), AtLine(name + "=" + value));
}

void OrderList::InsertSetOrderCmd(TCmd cmd, const std::string& value) {
    InsertSetOrder(std::string(CmdName(cmd)), value);
}

std::string OrderList::GetOrder(std::int64_t index) const {
    if (index < 0 || index >= static_cast<std::int64_t>(lines_.size())) {
        return {};
    }
    return lines_[static_cast<std::size_t>(index)];
}

std::string LineCommandName(std::string_view line) {
    constexpr std::string_view kAtPrefix = "AT+";
    if (line.starts_with(kAtPrefix)) {
        line.remove_prefix(kAtPrefix.size());
    }
    const std::size_t end = line.find_first_of("=?\r\n");
    return std::string(line.substr(0, end));
}

}  // namespace dtu
