#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "port/open_error.h"
#include "serial/event_poster.h"

struct termios;

namespace dtu {

// Raised when the port does not open or refuses its line settings. It holds
// no words: the front ends put the failure into theirs.
class ECommsError : public std::exception {
public:
    explicit ECommsError(OpenError failure) : failure_(std::move(failure)) {}
    const OpenError& Failure() const { return failure_; }

private:
    OpenError failure_;
};

enum class TByteSize { _5, _6, _7, _8 };
enum class TParity { None, Odd, Even, Mark, Space };
enum class TStopBits { _1, _2 };

// One serial port with a reader and a writer thread. Every member is called on
// the owner thread; notices reach the owner thread through the poster. Each
// open has its own notices: whatever an earlier open still had under way is
// dropped before it reaches a handler.
class TComm {
public:
    using ReceiveDataEvent = std::function<void(const char* buffer, std::uint16_t length)>;
    using NotifyEvent = std::function<void()>;

    explicit TComm(EventPoster& poster);
    ~TComm();  // closes the port first
    TComm(const TComm&) = delete;
    TComm& operator=(const TComm&) = delete;

    // Throws ECommsError. Line settings the port refuses, or does not keep,
    // are an open error whose detail names the setting, e.g. "baud rate 14400
    // asked, port has 9600".
    void StartPort();
    // Synchronous and idempotent; drops output not yet sent.
    void StopPort();
    // False when closed, for a count of 0, and once the port is lost.
    bool WriteBlock(const char* data, std::uint16_t count);

    bool IsOpen() const;

    // The line-settings record last applied to the port; false before the first
    // open. A pseudo-terminal does not keep every field, so this is the way to
    // see what was asked for.
    bool BuiltTermios(::termios& out) const;

    // Properties, in termios terms. Setters of line settings re-apply them while
    // open (Parity does not) and throw ECommsError as StartPort does when the
    // port refuses them: the property keeps the new value, the port stays open
    // with what it kept. Setters of the time-outs re-apply those.
    const std::string& CommName() const;
    void SetCommName(const std::string& name);
    std::uint32_t BaudRate() const;
    void SetBaudRate(std::uint32_t baud);
    TByteSize ByteSize() const;  // CSIZE
    void SetByteSize(TByteSize value);
    TParity Parity() const;  // PARENB, PARODD, CMSPAR
    void SetParity(TParity value);
    bool ParityCheck() const;  // INPCK
    void SetParityCheck(bool on);
    TStopBits StopBits() const;  // CSTOPB
    void SetStopBits(TStopBits value);
    // CRTSCTS; on by default.
    void SetHardwareFlowControl(bool on);
    // DTR and RTS raised while open; by default they are.
    void SetRaiseModemLines(bool on);
    // Off by default: every read is framed by the read interval alone.
    void SetDeliverAtLineEnd(bool on);
    std::uint32_t ReadIntervalTimeout() const;
    void SetReadIntervalTimeout(std::uint32_t ms);

    ReceiveDataEvent OnReceiveData;
    NotifyEvent OnRequestHangup;  // once per open that the port was lost in
    NotifyEvent OnSendDataEmpty;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace dtu
