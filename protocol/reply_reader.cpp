#include "protocol/reply_reader.h"

#include "lang/gbk_codes.h"

namespace dtu {

namespace {

enum class Match { Equals, StartsWith, Contains };

struct FinalLine {
    Match match;
    std::string_view text;
    FinalKind kind;
    // False: a "+NAME:value" line carries the text as data, not as a verdict.
    bool onValueLines = true;
};

// Case-sensitive, as the device writes them.
constexpr FinalLine kFinalLines[] = {
    {Match::Equals, "OK", FinalKind::Accepted},
    {Match::Equals, "+OK", FinalKind::Accepted},
    {Match::Equals, "ERROR", FinalKind::Refused},
    {Match::StartsWith, "+CME ERROR:", FinalKind::Refused},
    {Match::StartsWith, "+CMS ERROR:", FinalKind::Refused},
    {Match::Contains, "UNKNOW", FinalKind::Refused, false},
};

// Enough of a row being drained to tell a final line by.
constexpr std::size_t kDrainRowBound = 256;

constexpr std::string_view kEscape = "+++";
constexpr std::string_view kEscapeAnswer = "a";  // also the line that answers it
constexpr std::string_view kCommandModeAnswer = "+ok";

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

// "+NAME:value", the shape of the lines that carry values.
bool IsValueLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    return line.starts_with('+') && colon != std::string_view::npos && colon > 1;
}

bool Matches(std::string_view line, const FinalLine& final) {
    if (!final.onValueLines && IsValueLine(line)) {
        return false;
    }
    switch (final.match) {
        case Match::Equals:
            return line == final.text;
        case Match::StartsWith:
            return line.starts_with(final.text);
        case Match::Contains:
            return line.find(final.text) != std::string_view::npos;
    }
    return false;
}

std::string WithoutLineEnd(std::string_view sent) {
    while (!sent.empty() && IsLineEnd(sent.back())) {
        sent.remove_suffix(1);
    }
    return std::string(sent);
}

}  // namespace

FinalKind ClassifyFinalLine(std::string_view line) {
    for (const FinalLine& final : kFinalLines) {
        if (Matches(line, final)) {
            return final.kind;
        }
    }
    return FinalKind::None;
}

bool IsReadableReply(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\0') {
            return false;
        }
        if (c < 0x80) {
            continue;
        }
        if (!gbk::IsLead(c) || i + 1 == bytes.size() ||
            !gbk::IsTrail(static_cast<unsigned char>(bytes[i + 1]))) {
            return false;
        }
        ++i;
    }
    return true;
}

void PlainTextTracker::Add(std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (openLead_) {
            openLead_ = false;
            plain_ = plain_ && gbk::IsTrail(byte);
        } else if (byte >= 0x80) {
            openLead_ = gbk::IsLead(byte);
            plain_ = plain_ && openLead_;
        } else if ((byte < 0x20 && c != '\r' && c != '\n' && c != '\t') || byte == 0x7F) {
            plain_ = false;
        }
    }
}

bool IsPlainText(std::string_view bytes) {
    PlainTextTracker tracker;
    tracker.Add(bytes);
    return tracker.Plain();
}

void ReplyReader::Expect(const std::string& sent) {
    Reset();
    expecting_ = true;
    echo_ = WithoutLineEnd(sent);
}

void ReplyReader::Reset() {
    expecting_ = false;
    echo_.clear();
    buffer_.clear();
    scanned_ = 0;
    lineStart_ = 0;
    rowStart_ = 0;
    openQuote_ = '\0';
    quotedFinal_.reset();
    draining_ = false;
    drainRow_.clear();
    plain_.Reset();
    response_ = {};
    finished_ = false;
}

void ReplyReader::ScanLines() {
    for (; scanned_ < buffer_.size(); ++scanned_) {
        const char c = buffer_[scanned_];
        if (!IsLineEnd(c)) {
            quotedFinal_.reset();  // text follows: the quote may still close
            if (IsQuote(c) && (openQuote_ == '\0' || openQuote_ == c)) {
                openQuote_ = openQuote_ == '\0' ? c : '\0';
            }
            continue;
        }
        const std::string_view row(buffer_.data() + rowStart_, scanned_ - rowStart_);
        if (openQuote_ == '\0') {
            TakeLine(buffer_.substr(lineStart_, scanned_ - lineStart_));
            lineStart_ = scanned_ + 1;
        } else if (!row.empty() && ClassifyFinalLine(row) != FinalKind::None) {
            quotedFinal_ = QuotedFinal{rowStart_, scanned_};
        }
        rowStart_ = scanned_ + 1;
    }
    if (openQuote_ != '\0' && quotedFinal_) {
        CloseOpenQuote(*quotedFinal_);
    }
}

void ReplyReader::CloseOpenQuote(const QuotedFinal& final) {
    std::size_t start = lineStart_;
    for (std::size_t i = lineStart_; i < final.start; ++i) {
        if (IsLineEnd(buffer_[i])) {
            TakeLine(buffer_.substr(start, i - start));
            start = i + 1;
        }
    }
    TakeLine(buffer_.substr(final.start, final.end - final.start));
    openQuote_ = '\0';
    quotedFinal_.reset();
    lineStart_ = rowStart_ = scanned_;
}

void ReplyReader::TakeLine(std::string line) {
    if (line.empty()) {
        return;
    }
    if (finished_) {
        // A refusal anywhere in the burst refuses, whatever final line follows it.
        if (ClassifyFinalLine(line) == FinalKind::Refused) {
            response_.refused = true;
            response_.final = std::move(line);
        }
        return;
    }
    const bool escapeAnswer =
        (echo_ == kEscape && line == kEscapeAnswer) ||
        (echo_ == kEscapeAnswer && (line == kCommandModeAnswer || line == kEscapeAnswer));
    const FinalKind kind = escapeAnswer ? FinalKind::Accepted : ClassifyFinalLine(line);
    if (kind != FinalKind::None) {
        finished_ = true;
        response_.final = std::move(line);
        response_.refused = kind == FinalKind::Refused;
    } else if (line != echo_) {
        response_.lines.push_back(std::move(line));
    }
}

void ReplyReader::Drain(std::string_view bytes) {
    for (const char c : bytes) {
        if (!IsLineEnd(c)) {
            if (drainRow_.size() < kDrainRowBound) {
                drainRow_ += c;
            }
            continue;
        }
        const FinalKind kind = ClassifyFinalLine(drainRow_);
        if (kind != FinalKind::None) {
            finished_ = true;
            response_.final = std::move(drainRow_);
            response_.refused = kind == FinalKind::Refused;
            return;
        }
        drainRow_.clear();
    }
}

bool ReplyReader::IsBareAnswer(std::string_view tail) const {
    // The device answers the escape and its own "a" without a line end.
    return tail == kEscapeAnswer && (echo_ == kEscape || echo_ == kEscapeAnswer);
}

std::optional<Response> ReplyReader::Feed(std::string_view bytes) {
    if (!expecting_) {
        return std::nullopt;
    }
    plain_.Add(bytes);
    const std::string_view kept = bytes.substr(0, kAnswerBound - buffer_.size());
    if (!draining_) {
        buffer_.append(kept);
        ScanLines();
        if (!finished_ && openQuote_ == '\0' && !bytes.empty() &&
            IsBareAnswer(std::string_view(buffer_).substr(lineStart_))) {
            finished_ = true;
            response_.final = buffer_.substr(lineStart_);
        }
        if (!finished_ && buffer_.size() == kAnswerBound) {
            // None of its values may reach the form: it is read no further.
            draining_ = true;
            response_.lines.clear();
            response_.tooLong = true;
            drainRow_ = buffer_.substr(rowStart_, kDrainRowBound);
        }
    }
    if (draining_ && !finished_) {
        Drain(bytes.substr(kept.size()));
    }
    if (!finished_) {
        return std::nullopt;
    }
    Response done = std::move(response_);
    done.bytes = std::move(buffer_);
    Reset();
    return done;
}

}  // namespace dtu
