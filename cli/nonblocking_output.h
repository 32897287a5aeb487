#pragma once

#include <streambuf>
#include <string>

namespace dtu::cli {

// An output stream buffer over a descriptor (the standard output or error)
// that never blocks the event loop: bytes go out only as far as the reader
// takes them, the rest waits in memory for the next flush. A reader that does
// not drain (`| sleep 20`) thus cannot hold up the runs or a Ctrl-C.
class NonBlockingOutput : public std::streambuf {
public:
    explicit NonBlockingOutput(int fd) : fd_(fd) {}

    // True when nothing waits to go out: a progress redraw can go now.
    bool Drained() const { return pending_.empty(); }

    // At the end: waits for the reader to take what is left, giving up when a
    // stop signal (SIGINT, SIGTERM, SIGHUP) is pending or the reader is gone.
    void Drain();

protected:
    int_type overflow(int_type byte) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

private:
    // Writes what the reader takes now, waiting up to `waitMs` for it to be ready.
    // False when the output is gone for good.
    bool WriteReady(int waitMs);

    int fd_;
    std::string pending_;
};

}  // namespace dtu::cli
