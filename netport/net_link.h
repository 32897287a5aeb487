#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "serial/event_poster.h"
#include "serial/net_port_name.h"
#include "serial/network_link.h"

namespace dtu {

class NetChannel;

// A port behind a serial device server: "rfc2217://HOST:PORT" sets the line
// through the telnet com-port option, "socket://HOST:PORT" carries bytes only.
// Received blocks and the loss of the connection reach the owner thread
// through the poster, each stamped with its open, so nothing of an earlier
// connection reaches a handler.
class NetLink : public NetworkLink {
public:
    static constexpr std::chrono::milliseconds kConnectTimeout{5000};
    // How long an RFC 2217 server has to show, by its own negotiation, that it
    // speaks telnet before anything is sent to it.
    static constexpr std::chrono::milliseconds kGreetingTimeout{1000};
    // How long the server has to take each line setting.
    static constexpr std::chrono::milliseconds kSettingTimeout{3000};

    explicit NetLink(EventPoster& poster);
    ~NetLink() override;
    NetLink(const NetLink&) = delete;
    NetLink& operator=(const NetLink&) = delete;

    OpenError Open(const std::string& name, const LineRequest& line) override;
    void BeginOpen(const std::string& name, const LineRequest& line,
                   std::function<void(const OpenError&)> done) override;
    // A BeginOpen has not ended yet.
    bool Opening() const { return attempt_ != nullptr; }
    OpenError ChangeLine(const LineRequest& line) override;
    bool Write(const std::string& bytes) override;
    void Close() override;
    bool LineSetByServer() const override;

    void SetConnectTimeout(std::chrono::milliseconds timeout) { connectTimeout_ = timeout; }
    void SetSettingTimeout(std::chrono::milliseconds timeout) { settingTimeout_ = timeout; }

    std::function<void(const std::string& block)> OnReceiveData;
    std::function<void()> OnRequestHangup;  // once per open that lost its connection

private:
    struct Target {
        explicit Target(NetLink& owner) : link(owner) {}
        NetLink& link;
        std::uint64_t currentOpen = 0;  // owner thread only; 0 while closed
    };
    struct Attempt;

    // Owner thread: a new attempt for `name`, stamped as the current open.
    std::shared_ptr<Attempt> Prepare(const std::string& name, const LineRequest& line);
    // Connects and sets the line; on any thread.
    void Connect(Attempt& attempt) const;
    // Owner thread: the attempt's connection becomes the port, or its failure is returned.
    OpenError Finish(Attempt& attempt);

    EventPoster& poster_;
    std::shared_ptr<Target> target_;
    std::shared_ptr<Attempt> attempt_;  // a connect under way
    std::thread connector_;             // runs attempt_
    std::unique_ptr<NetChannel> channel_;
    std::string name_;
    NetProtocol protocol_ = NetProtocol::RawTcp;
    LineRequest line_;
    std::uint64_t opens_ = 0;
    std::chrono::milliseconds connectTimeout_ = kConnectTimeout;
    std::chrono::milliseconds settingTimeout_ = kSettingTimeout;
};

}  // namespace dtu
