#pragma once

namespace dtu {

// The named shared-memory marker every running copy of the tool holds. The
// first copy creates it holding 0; later copies only map it. Failures are silent.
class RunOnceMarker {
public:
    static constexpr const char* kName = "/{7AF33CAA-23B4-4266-992B-ADD7748B9286}";

    RunOnceMarker();
    ~RunOnceMarker();
    RunOnceMarker(const RunOnceMarker&) = delete;
    RunOnceMarker& operator=(const RunOnceMarker&) = delete;

    bool IsMapped() const { return view_ != nullptr; }
    bool Created() const { return created_; }

private:
    int fd_ = -1;
    void* view_ = nullptr;
    bool created_ = false;
};

}  // namespace dtu
