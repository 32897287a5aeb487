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
    // Socket 1 is never hidden; a socket's switch is no setting of it.
    const int socket = SocketNumberOf(change.field);
    if (socket < 2 || change.field == kSockets[socket - 1].enabled) {
        return false;
    }
    const Field enabled = kSockets[socket - 1].enabled;
    const DeviceFieldRow* socketSwitch = DeviceRowOf(enabled);
    const bool writtenOff = socketSwitch != nullptr && socketSwitch->compactValue != nullptr &&
                            std::string_view(socketSwitch->compactValue) == "0";
    return writtenOff && !Changes(changes, enabled);
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
