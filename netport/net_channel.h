#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "netport/telnet.h"
#include "serial/receive_budget.h"

namespace dtu {

// One TCP connection to a serial device server with its reader thread. The
// reader frames the data by the inter-byte pause as the serial reader does and
// hands each block, and once the loss of the connection, to the sink on its own
// thread; it stops reading while the owner has a full receive budget of blocks
// to take. With telnet, nothing is sent before the server has shown that it
// speaks telnet, 0xFF bytes are escaped both ways and the com-port option's
// answers are kept for Ask.
class NetChannel {
public:
    struct Sink {
        // `credit` books the block against the receive budget until it is dropped.
        std::function<void(std::string block, std::shared_ptr<void> credit)> data;
        std::function<void()> lost;
    };
    // What the server's first bytes said.
    enum class Greeting { Waiting, Telnet, Plain, Lost };
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

    // Waits up to `bound` for the server's first bytes: its own negotiation
    // shows a telnet server, and only then is ours sent.
    Greeting WaitForGreeting(std::chrono::milliseconds bound);
    // Waits up to `bound` for the server to take or refuse the com-port option.
    ComPortState WaitForComPort(std::chrono::milliseconds bound);
    // Sends one com-port setting and waits up to `bound` for the value the
    // server answers with; nothing when it stays silent or the connection fails.
    std::optional<std::uint32_t> Ask(telnet::ComPortCommand command, std::uint32_t value,
                                     std::chrono::milliseconds bound);
    // The connection ended or was given up.
    bool Lost();

private:
    void Run();
    // Reader thread: one read's bytes; false once the connection ended.
    bool Take(std::string_view bytes, std::string& pending);
    // Reader thread: false until the server's first bytes show telnet; a plain
    // server's bytes are kept from the sink.
    bool Greeted(std::string_view& bytes);
    void Deliver(std::string block);
    void Answer(const telnet::Control& control);
    bool WriteRaw(std::string_view bytes);
    void SetGreeting(Greeting greeting);

    int fd_;
    int wake_;
    bool telnet_;
    std::atomic<std::uint32_t> framingMs_;
    Sink sink_;
    std::shared_ptr<ReceiveBudget> budget_;
    telnet::Decoder decoder_;  // reader thread only
    std::string firstBytes_;   // reader thread only: until the greeting is told

    std::mutex writeMutex_;
    telnet::Options options_;  // under writeMutex_
    std::atomic<bool> failed_{false};

    std::mutex answerMutex_;
    std::condition_variable answered_;
    bool lost_ = false;
    Greeting greeting_ = Greeting::Waiting;
    ComPortState comPort_ = ComPortState::Waiting;
    std::map<telnet::ComPortCommand, std::uint32_t> answers_;

    std::thread reader_;
};

}  // namespace dtu
