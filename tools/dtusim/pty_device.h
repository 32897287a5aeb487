#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tools/dtusim/sim_device.h"

namespace dtu::sim {

// A SimDevice on the master side of a pseudo-terminal: the tool opens
// SlavePath() as its serial port. Input is framed into chunks by a short pause
// or a line end; each burst of an answer goes out in one write. Input that
// arrives while the tool's speed or stop bits differ from the device's own is
// lost, as on a real line. All methods are thread-safe unless noted.
class PtyDevice {
public:
    // Longer than the time between two bytes of one write, shorter than any
    // pause the tool leaves around "+++".
    static constexpr std::chrono::milliseconds kFramePause{20};

    // Opens the pseudo-terminal; throws std::system_error when it cannot.
    explicit PtyDevice(Mode mode = Mode::kCommand);
    ~PtyDevice();
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    // A symbolic link to the slave, replacing a stale link; removed at destruction.
    bool MakeLink(const std::string& path);

    void Start();
    // Joins the I/O thread; safe to call twice.
    void Stop();

    // Receives a copy of every chunk taken in ("rx"), burst written ("tx"),
    // input lost to a line-settings mismatch ("ignored") and the hang-up
    // ("hangup", no bytes).
    // Set it before Start.
    void SetTrace(std::function<void(std::string_view direction, std::string_view bytes)> trace);

    bool SetFirmware(std::string_view version);
    // The device's own speed; false for a rate it does not offer.
    bool SetBaudRate(int rate);
    // Input at a speed or stop bits other than its own is answered with a
    // few bytes of noise, as a device's answer reads at the wrong speed. Set
    // it before Start.
    void SetNoiseAtWrongSpeed(bool on) { noiseAtWrongSpeed_ = on; }
    void SilentOn(std::string_view line, int times);
    void SplitOn(std::string_view line, std::chrono::milliseconds pause);
    void SetEcho(bool on);
    void SplitEveryLine(std::chrono::milliseconds pause);
    void SetForgetful(bool on);
    void LeaveOut(std::string_view name);
    void ErrorOn(std::string_view line, int times);
    void SilentAfter(int count);
    // Once the device hangs up, the pseudo-terminal is closed (the tool sees a
    // hang-up), `onHangup` runs on the I/O thread and the thread ends.
    // Set it before Start.
    void HangUpAfter(int count, std::function<void()> onHangup = {});
    void SetAnswerShape(const AnswerShape& shape);
    void SetTrickle(std::chrono::milliseconds pause);
    // Answer nothing; send a few bytes of noise every `every` instead. Set it
    // before Start.
    void SetNoise(std::chrono::milliseconds every);

    // Lines and escapes as they arrived, line ends included.
    std::vector<std::string> ReceivedLines() const;
    // The line at `index` (0 is the first), waiting up to `timeout` for it.
    std::optional<std::string> WaitForLine(std::size_t index,
                                           std::chrono::milliseconds timeout) const;
    // Bytes dropped because the line settings did not match.
    std::size_t IgnoredBytes() const;
    bool WaitForIgnoredBytes(std::size_t count, std::chrono::milliseconds timeout) const;

    LineSettings Line() const;
    Mode CurrentMode() const;
    DeviceConfig Running() const;
    DeviceConfig Saved() const;
    std::vector<Sms> SentSms() const;

private:
    void Run();
    bool HangUpIfDue();
    void SendNoise();
    void Deliver(const std::string& chunk);
    bool LineMatches() const;
    bool WriteBurst(std::string_view bytes);
    bool StopRequestedWithin(std::chrono::milliseconds wait) const;

    int master_ = -1;
    int holder_ = -1;  // our own slave descriptor, so the master never sees a hang-up
    int wake_ = -1;
    std::string slavePath_;
    std::string link_;
    std::thread thread_;
    std::function<void(std::string_view, std::string_view)> trace_;
    std::function<void()> onHangup_;
    std::chrono::milliseconds noiseEvery_{0};
    bool noiseAtWrongSpeed_ = false;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    SimDevice device_;
    LineSettings line_;
    std::vector<std::string> lines_;
    std::size_t ignored_ = 0;
};

}  // namespace dtu::sim
