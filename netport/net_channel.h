#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "netport/telnet.h"

namespace dtu {

// One TCP connection to a serial device server with its reader thread. The
// reader frames the data by the inter-byte pause as the serial reader does and
// hands each block, and once the loss of the connection, to the sink on its own
// thread. With telnet, 0xFF bytes are escaped both ways and the com-port
// option's answers are kept for Ask.
class NetChannel {
public:
    struct Sink {
        std::function<void(std::string block)> data;
        std::function<void()> lost;
    };
    // How the server took the com-port option.
    enum class ComPortState { Waiting, Agreed, Refused, Lost };

    // Takes `fd`, a connected socket. `framingMs` ends a block.
    NetChannel(int fd, bool telnet, std::uint32_t framingMs, Sink sink);
    // Stops the reader without a notice and closes the socket.
    ~NetChannel();
    NetChannel(const NetChannel&) = delete;
    NetChannel& operator=(const NetChannel&) = delete;

    // Thread-safe. False once the connection failed.
    bool Write(std::string_view data);
    // Thread-safe: ends the waits below at once, as if the connection failed.
    void Abort();
    void SetFramingInterval(std::uint32_t ms) { framingMs_ = ms; }

    // Waits up to `bound` for the server to take or refuse the com-port option.
    ComPortState WaitForComPort(std::chrono::milliseconds bound);
    // Sends one com-port setting and waits up to `bound` for the value the
    // server answers with; nothing when it stays silent or the connection fails.
    std::optional<std::uint32_t> Ask(telnet::ComPortCommand command, std::uint32_t value,
                                     std::chrono::milliseconds bound);

private:
    void Run();
    // Reader thread: one read's bytes; false once the connection ended.
    bool Take(std::string_view bytes, std::string& pending);
    void Answer(const telnet::Control& control);
    bool WriteRaw(std::string_view bytes);

    int fd_;
    int wake_;
    bool telnet_;
    std::atomic<std::uint32_t> framingMs_;
    Sink sink_;
    telnet::Decoder decoder_;  // reader thread only

    std::mutex writeMutex_;
    telnet::Options options_;  // under writeMutex_
    std::atomic<bool> failed_{false};

    std::mutex answerMutex_;
    std::condition_variable answered_;
    ComPortState comPort_ = ComPortState::Waiting;
    std::map<telnet::ComPortCommand, std::uint32_t> answers_;

    std::thread reader_;
};

}  // namespace dtu
