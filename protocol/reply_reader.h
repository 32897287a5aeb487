#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// One complete answer to one line sent: the lines it carried and the final
// line that ended it.
struct Response {
    std::vector<std::string> lines;  // without the echo, blank lines and final lines
    std::string final;               // "OK", "ERROR", "+CME ERROR: 4", "a", "+ok" ...
    bool refused = false;            // a refusal among its final lines
    std::string bytes;               // everything received for it, for the log
};

// Gathers the bytes the device sends after a line until that line's final
// result has arrived, however the bytes were cut up on the way. Lines split at
// CR and LF outside quotes; a line equal to the line sent is its echo.
class ReplyReader {
public:
    // `sent` went out; what follows answers it.
    void Expect(const std::string& sent);
    // Nothing is outstanding any more; bytes received are dropped.
    void Reset();
    bool Expecting() const { return expecting_; }

    // Takes the bytes of one receive. The answer, once its final line is among
    // them; the bytes after the final line in the same receive belong to it.
    // A receive that ends without a line end was closed by the line falling
    // quiet: that is how the two bare answers of the escape end.
    std::optional<Response> Feed(std::string_view bytes);

    // What arrived since Expect without a final line.
    const std::string& Pending() const { return buffer_; }

private:
    // The next complete line from the scan position, or nullopt.
    std::optional<std::string> NextLine();
    bool IsBareAnswer(std::string_view tail) const;

    bool expecting_ = false;
    std::string echo_;  // the line sent without its line end
    std::string buffer_;
    std::size_t scanned_ = 0;    // bytes of buffer_ already cut into lines
    std::size_t lineStart_ = 0;  // where the line being scanned began
    char openQuote_ = '\0';
    Response response_;
    bool finished_ = false;
};

// The device speaks GBK: an answer holding a NUL, or bytes that are no GBK
// character, was damaged on the line, and none of its values may reach the form.
bool IsReadableReply(std::string_view bytes);

// Readable, and without control bytes other than CR, LF and tab: what a
// device's answer looks like while it is still arriving.
bool IsPlainText(std::string_view bytes);

// Whether a line is a final result, and if so whether it refuses.
enum class FinalKind { None, Accepted, Refused };
FinalKind ClassifyFinalLine(std::string_view line);

}  // namespace dtu
