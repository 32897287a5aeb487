#include "serial/comm.h"

#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <system_error>
#include <thread>

#include "serial/line_check.h"
#include "serial/line_settings.h"
#include "serial/open_error.h"
#include "serial/port_lock.h"
#include "serial/port_session.h"
#include "serial/read_worker.h"
#include "serial/thread_priority.h"
#include "serial/write_worker.h"

namespace dtu {

// One open port: its descriptors, its workers and what they share.
struct OpenedPort {
    ExclusivePort port;
    int closeFd = -1;
    std::optional<termios> original;  // restored at close
    std::unique_ptr<PortSession> session;
    WriteQueue queue;
    std::thread reader;
    std::thread writer;

    // Signals the close, waits for every worker, then releases the port with
    // its settings as they were found. Unsent output is dropped first: a UART
    // held up by its flow control would otherwise keep the close waiting.
    ~OpenedPort() {
        if (closeFd >= 0) {
            std::uint64_t one = 1;
            [[maybe_unused]] ssize_t n = write(closeFd, &one, sizeof one);
        }
        queue.Close();
        if (reader.joinable()) {
            reader.join();
        }
        if (writer.joinable()) {
            writer.join();
        }
        tcflush(port.Fd(), TCOFLUSH);
        if (original) {
            tcsetattr(port.Fd(), TCSANOW, &*original);
        }
        port.Close();
        if (closeFd >= 0) {
            close(closeFd);
        }
    }
};

struct TComm::Impl {
    explicit Impl(EventPoster& p, TComm& self)
        : poster(p), target(std::make_shared<NoticeTarget>(self)) {}

    // Throws ECommsError, naming the setting, when the port refuses the
    // settings or keeps others.
    void ApplyLineSettings() {
        if (!open) {
            return;
        }
        int fd = open->port.Fd();
        termios current{};
        tcgetattr(fd, &current);
        built = BuildTermios(line, current);
        std::optional<LineProblem> refused = ApplyLine(fd, *built, line.baudRate);
        ApplyModemLines(fd, line);
        if (refused) {
            throw ECommsError(LineSettingsError(commName, *refused));
        }
    }

    void ApplyTimeouts() {
        if (open) {
            open->session->ApplyTimeouts(timeouts);
        }
    }

    template <typename T>
    void SetLine(T& property, T value) {
        if (property != value) {
            property = value;
            ApplyLineSettings();
        }
    }

    template <typename T>
    void SetTimeout(T& property, T value) {
        if (property != value) {
            property = value;
            ApplyTimeouts();
        }
    }

    EventPoster& poster;
    // Notices hold this weakly, so one that runs after the component is gone does nothing.
    std::shared_ptr<NoticeTarget> target;
    std::uint64_t lastOpen = 0;
    std::string commName = "COM2";
    LineSettings line;
    TimeoutSettings timeouts;
    std::optional<termios> built;
    std::unique_ptr<OpenedPort> open;
};

TComm::TComm(EventPoster& poster) : impl_(std::make_unique<Impl>(poster, *this)) {}

TComm::~TComm() {
    StopPort();
}

void TComm::StartPort() {
    const std::string& name = impl_->commName;
    if (impl_->open) {
        throw ECommsError(FailureOf(OpenFailure::AlreadyOpen, name));
    }
    if (name.empty()) {
        throw ECommsError(FailureOf(OpenFailure::Missing, name));
    }
    auto open = std::make_unique<OpenedPort>();
    open->port.Open(DevicePathFor(name));
    int fd = open->port.Fd();
    termios original{};
    // A terminal whose settings cannot even be read refuses to be set up.
    if (tcgetattr(fd, &original) != 0) {
        throw ECommsError(FailureOf(OpenFailure::NoSettings, name));
    }
    open->original = original;
    tcflush(fd, TCIOFLUSH);

    open->closeFd = eventfd(0, EFD_CLOEXEC);
    if (open->closeFd < 0) {
        throw ECommsError(ClassifyOpenErrno(DevicePathFor(name), errno, {}));
    }
    std::shared_ptr<ReceiveBudget> budget;
    try {
        budget = std::make_shared<ReceiveBudget>();
    } catch (const std::system_error& error) {
        throw ECommsError(ClassifyOpenErrno(DevicePathFor(name), error.code().value(), {}));
    }
    // Every open has its own number; notices of any other are dropped.
    std::uint64_t number = ++impl_->lastOpen;
    open->session = std::make_unique<PortSession>(
        fd, open->closeFd, NoticeSink(impl_->poster, impl_->target, number), std::move(budget));
    impl_->open = std::move(open);
    impl_->ApplyTimeouts();
    try {
        impl_->ApplyLineSettings();
    } catch (const ECommsError&) {
        impl_->open.reset();
        throw;
    }

    OpenedPort& o = *impl_->open;
    try {
        o.reader = std::thread([&session = *o.session] {
            RaiseThreadPriority(ThreadRole::Reader);
            RunReader(session);
        });
    } catch (const std::system_error&) {
        impl_->open.reset();
        throw ECommsError(FailureOf(OpenFailure::NoReader, name));
    }
    try {
        o.writer = std::thread([&session = *o.session, &queue = o.queue] {
            RaiseThreadPriority(ThreadRole::Writer);
            RunWriter(session, queue);
        });
    } catch (const std::system_error&) {
        impl_->open.reset();
        throw ECommsError(FailureOf(OpenFailure::NoWriter, name));
    }
    // Notices run on this thread, so none is looked at before this point.
    impl_->target->currentOpen = number;
}

void TComm::StopPort() {
    impl_->target->currentOpen = 0;
    impl_->open.reset();
}

bool TComm::WriteBlock(const char* data, std::uint16_t count) {
    if (!impl_->open || impl_->open->session->lost || count == 0) {
        return false;
    }
    return impl_->open->queue.Push(std::string(data, count));
}

bool TComm::IsOpen() const {
    return impl_->open != nullptr;
}

bool TComm::BuiltTermios(::termios& out) const {
    if (!impl_->built) {
        return false;
    }
    out = *impl_->built;
    return true;
}

const std::string& TComm::CommName() const {
    return impl_->commName;
}
void TComm::SetCommName(const std::string& name) {
    impl_->commName = name;
}

std::uint32_t TComm::BaudRate() const {
    return impl_->line.baudRate;
}
void TComm::SetBaudRate(std::uint32_t baud) {
    impl_->SetLine(impl_->line.baudRate, baud);
}
bool TComm::ParityCheck() const {
    return impl_->line.parityCheck;
}
void TComm::SetParityCheck(bool on) {
    impl_->SetLine(impl_->line.parityCheck, on);
}
void TComm::SetHardwareFlowControl(bool on) {
    impl_->SetLine(impl_->line.hardwareFlowControl, on);
}
void TComm::SetRaiseModemLines(bool on) {
    impl_->SetLine(impl_->line.raiseModemLines, on);
}
TByteSize TComm::ByteSize() const {
    return impl_->line.byteSize;
}
void TComm::SetByteSize(TByteSize value) {
    impl_->SetLine(impl_->line.byteSize, value);
}
TParity TComm::Parity() const {
    return impl_->line.parity;
}
void TComm::SetParity(TParity value) {
    // Stored only: it reaches the port with the next re-application.
    impl_->line.parity = value;
}
TStopBits TComm::StopBits() const {
    return impl_->line.stopBits;
}
void TComm::SetStopBits(TStopBits value) {
    impl_->SetLine(impl_->line.stopBits, value);
}

void TComm::SetDeliverAtLineEnd(bool on) {
    impl_->SetTimeout(impl_->timeouts.deliverAtLineEnd, on);
}
std::uint32_t TComm::ReadIntervalTimeout() const {
    return impl_->timeouts.readInterval;
}
void TComm::SetReadIntervalTimeout(std::uint32_t ms) {
    impl_->SetTimeout(impl_->timeouts.readInterval, ms);
}

}  // namespace dtu
