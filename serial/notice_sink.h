#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "serial/event_poster.h"

namespace dtu {

class TComm;

// Line-error flags of OnReceiveError.
inline constexpr std::uint32_t kErrorRxOver = 0x01;
inline constexpr std::uint32_t kErrorOverrun = 0x02;
inline constexpr std::uint32_t kErrorParity = 0x04;
inline constexpr std::uint32_t kErrorFrame = 0x08;
inline constexpr std::uint32_t kErrorBreak = 0x10;
// Values of OnModemStateChange, or-ed together.
inline constexpr std::uint32_t kModemRing = 4;
inline constexpr std::uint32_t kModemCarrier = 8;

// Posts the workers' notices to the owner thread. A notice that runs after its
// TComm is gone does nothing: it holds only a weak reference.
class NoticeSink {
public:
    NoticeSink(EventPoster& poster, std::weak_ptr<TComm* const> owner)
        : poster_(poster), owner_(std::move(owner)) {}

    void ReceiveData(std::string block) const;
    void ReceiveError(std::uint32_t flags) const;
    void ModemStateChange(std::uint32_t value) const;
    void RequestHangup() const;
    void SendDataEmpty() const;

private:
    EventPoster& poster_;
    std::weak_ptr<TComm* const> owner_;
};

}  // namespace dtu
