#pragma once

namespace dtu {

// What became of one write to the device's port.
enum class SendResult {
    Sent,
    TooLong,  // over 65535 bytes: nothing written
    Closed,   // the port is not open
    Lost,     // the port refused the write: the device or the adapter is gone
};

}  // namespace dtu
