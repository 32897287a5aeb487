#pragma once

#include <functional>

#include "serial/event_poster.h"

namespace dtu::testing {

// Notices of the port's worker threads, not needed where nothing is received.
class DiscardingPoster : public EventPoster {
public:
    void Post(std::function<void()> /*work*/) override {}
};

}  // namespace dtu::testing
