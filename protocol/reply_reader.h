#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// The most one answer may hold: far above any real answer (a whole
// configuration is a few KiB), small enough that a peer that never stops
// sending cannot exhaust memory.
inline constexpr std::size_t kAnswerBound = 2 * 1024 * 1024;

// One complete answer to one line sent: the lines it carried and the final
// line that ended it.
struct Response {
    std::vector<std::string> lines;  // without the echo, blank lines and final lines
    std::string final;               // "OK", "ERROR", "+CME ERROR: 4", "a", "+ok" ...
    bool refused = false;            // a refusal among its final lines
    // Longer than kAnswerBound: its lines were discarded, `bytes` holds its first part.
    bool tooLong = false;
    std::string bytes;  // everything received for it, for the log
};

// Whether everything added so far would pass IsPlainText, checked once per byte
// however the bytes are cut up.
class PlainTextTracker {
public:
    void Add(std::string_view bytes);
    bool Plain() const { return plain_ && !openLead_; }
    void Reset() { *this = {}; }

private:
    bool plain_ = true;
    bool openLead_ = false;  // the last byte began a GBK character
};

// Gathers the bytes the device sends after a line until that line's final
// result has arrived, however the bytes were cut up on the way. Lines split at
// CR and LF outside quotes; a line equal to the line sent is its echo. A quote
// keeps line ends in its line only while it may still close: a final line that
// ends what has arrived inside a quote that never closed ends the answer.
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
    // quiet: that is how the two bare answers of the escape end. Past
    // kAnswerBound the bytes are discarded until a final line.
    std::optional<Response> Feed(std::string_view bytes);

    // What arrived since Expect without a final line (at most kAnswerBound bytes).
    const std::string& Pending() const { return buffer_; }
    // Whether everything that arrived since Expect is plain text (IsPlainText).
    bool PendingIsPlain() const { return plain_.Plain(); }

private:
    // A final line met inside a quote, with nothing but line ends after it so far.
    struct QuotedFinal {
        std::size_t start;
        std::size_t end;
    };

    // Cuts the bytes not yet scanned into lines and takes each.
    void ScanLines();
    // The quote that opened the line never closed: its line ends split after all.
    void CloseOpenQuote(const QuotedFinal& final);
    void TakeLine(std::string line);
    // Past the bound: only a final line still counts.
    void Drain(std::string_view bytes);
    bool IsBareAnswer(std::string_view tail) const;

    bool expecting_ = false;
    std::string echo_;  // the line sent without its line end
    std::string buffer_;
    std::size_t scanned_ = 0;    // bytes of buffer_ already cut into lines
    std::size_t lineStart_ = 0;  // where the line being scanned began
    std::size_t rowStart_ = 0;   // where the text since the last line end began
    char openQuote_ = '\0';
    std::optional<QuotedFinal> quotedFinal_;
    bool draining_ = false;
    std::string drainRow_;  // the start of the row being drained
    PlainTextTracker plain_;
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
