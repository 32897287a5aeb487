#pragma once

#include <functional>

namespace dtu {

// Hands work from the serial worker threads to the thread that owns the port
// (the GUI thread in the application). Post may be called from any thread;
// the posted functions run later, one at a time, in posting order.
class EventPoster {
public:
    virtual ~EventPoster() = default;
    virtual void Post(std::function<void()> work) = 0;
};

}  // namespace dtu
