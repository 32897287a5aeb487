#include "render/hidden_changes.h"

#include <algorithm>
#include <iterator>

namespace dtu {

namespace {

// A socket's settings and the box that turns the socket on.
struct SocketField {
    Field field;
    Field socketSwitch;
};

using F = Field;

constexpr SocketField kSocketFields[] = {
    {F::Socket2Protocol, F::Socket2Enable}, {F::Socket2Host, F::Socket2Enable},
    {F::Socket2Port, F::Socket2Enable},     {F::Socket3Protocol, F::Socket3Enable},
    {F::Socket3Host, F::Socket3Enable},     {F::Socket3Port, F::Socket3Enable},
    {F::Socket4Protocol, F::Socket4Enable}, {F::Socket4Host, F::Socket4Enable},
    {F::Socket4Port, F::Socket4Enable},
};

bool Changes(const std::vector<HiddenChange>& changes, Field field) {
    return std::any_of(changes.begin(), changes.end(),
                       [field](const HiddenChange& change) { return change.field == field; });
}

// The socket stays off: the write turns it off, and it was off already (else
// turning it off would be among the changes).
bool OfSocketStayingOff(const HiddenChange& change, const std::vector<HiddenChange>& changes) {
    const auto row =
        std::find_if(std::begin(kSocketFields), std::end(kSocketFields),
                     [&change](const SocketField& r) { return r.field == change.field; });
    if (row == std::end(kSocketFields)) {
        return false;
    }
    const DeviceFieldRow* socketSwitch = DeviceRowOf(row->socketSwitch);
    const bool writtenOff = socketSwitch != nullptr && socketSwitch->compactValue != nullptr &&
                            std::string_view(socketSwitch->compactValue) == "0";
    return writtenOff && !Changes(changes, row->socketSwitch);
}

}  // namespace

std::vector<HiddenChange> ChangesToAskAbout(const std::vector<HiddenChange>& changes) {
    std::vector<HiddenChange> asked;
    std::copy_if(
        changes.begin(), changes.end(), std::back_inserter(asked),
        [&changes](const HiddenChange& change) { return !OfSocketStayingOff(change, changes); });
    return asked;
}

}  // namespace dtu
