#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "serial/event_poster.h"

namespace dtu {

class TComm;

// Where notices go on the owner thread: the component, and which of its opens
// is the current one. Touched only on the owner thread.
struct NoticeTarget {
    explicit NoticeTarget(TComm& owner) : comm(owner) {}

    TComm& comm;
    std::uint64_t currentOpen = 0;  // 0 while the port is closed
};

// Posts the workers' notices of one open to the owner thread. A notice is
// dropped there when its open is no longer the current one or the component
// is gone: it holds the target only weakly.
class NoticeSink {
public:
    NoticeSink(EventPoster& poster, std::weak_ptr<NoticeTarget> target, std::uint64_t open)
        : poster_(poster), target_(std::move(target)), open_(open) {}

    // `credit` goes with the block until the notice is done with.
    void ReceiveData(std::string block, std::shared_ptr<void> credit) const;
    void RequestHangup() const;
    void SendDataEmpty() const;

private:
    template <typename Call>
    void Post(Call call) const;

    EventPoster& poster_;
    std::weak_ptr<NoticeTarget> target_;
    std::uint64_t open_;
};

}  // namespace dtu
