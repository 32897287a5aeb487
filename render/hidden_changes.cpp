#include "render/hidden_changes.h"

#include <algorithm>
#include <iterator>

namespace dtu {

namespace {

bool Changes(const std::vector<HiddenChange>& changes, Field field) {
    return std::any_of(changes.begin(), changes.end(),
                       [field](const HiddenChange& change) { return change.field == field; });
}

// The socket stays off: the write turns it off, and it was off already (else
// turning it off would be among the changes).
bool OfSocketStayingOff(const HiddenChange& change, const std::vector<HiddenChange>& changes) {
    // Socket 1 is never hidden.
    const auto socket = std::find_if(
        std::begin(kSockets) + 1, std::end(kSockets), [&change](const SocketFields& s) {
            return change.field == s.protocol || change.field == s.host || change.field == s.port;
        });
    if (socket == std::end(kSockets)) {
        return false;
    }
    const DeviceFieldRow* socketSwitch = DeviceRowOf(socket->enabled);
    const bool writtenOff = socketSwitch != nullptr && socketSwitch->compactValue != nullptr &&
                            std::string_view(socketSwitch->compactValue) == "0";
    return writtenOff && !Changes(changes, socket->enabled);
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
