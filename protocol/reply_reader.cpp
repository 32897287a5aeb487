#include "protocol/reply_reader.h"

#include "lang/gbk_codes.h"

namespace dtu {

namespace {

enum class Match { Equals, StartsWith, Contains };

struct FinalLine {
    Match match;
    std::string_view text;
    FinalKind kind;
};

// Case-sensitive, as the device writes them.
constexpr FinalLine kFinalLines[] = {
    {Match::Equals, "OK", FinalKind::Accepted},
    {Match::Equals, "+OK", FinalKind::Accepted},
    {Match::Equals, "ERROR", FinalKind::Refused},
    {Match::StartsWith, "+CME ERROR:", FinalKind::Refused},
    {Match::StartsWith, "+CMS ERROR:", FinalKind::Refused},
    {Match::Contains, "UNKNOW", FinalKind::Refused},
};

constexpr std::string_view kEscape = "+++";
constexpr std::string_view kEscapeAnswer = "a";  // also the line that answers it
constexpr std::string_view kCommandModeAnswer = "+ok";

bool Matches(std::string_view line, const FinalLine& final) {
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
    while (!sent.empty() && (sent.back() == '\r' || sent.back() == '\n')) {
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

bool IsPlainText(std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\r' && c != '\n' && c != '\t') || byte == 0x7F) {
            return false;
        }
    }
    return IsReadableReply(bytes);
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
    openQuote_ = '\0';
    response_ = {};
    finished_ = false;
}

std::optional<std::string> ReplyReader::NextLine() {
    for (; scanned_ < buffer_.size(); ++scanned_) {
        const char c = buffer_[scanned_];
        if (c == '"' || c == '\'') {
            if (openQuote_ == '\0') {
                openQuote_ = c;
            } else if (openQuote_ == c) {
                openQuote_ = '\0';
            }
        } else if (openQuote_ == '\0' && (c == '\r' || c == '\n')) {
            std::string line = buffer_.substr(lineStart_, scanned_ - lineStart_);
            lineStart_ = ++scanned_;
            return line;
        }
    }
    return std::nullopt;
}

bool ReplyReader::IsBareAnswer(std::string_view tail) const {
    // The device answers the escape and its own "a" without a line end.
    return tail == kEscapeAnswer && (echo_ == kEscape || echo_ == kEscapeAnswer);
}

std::optional<Response> ReplyReader::Feed(std::string_view bytes) {
    if (!expecting_) {
        return std::nullopt;
    }
    buffer_.append(bytes);
    while (std::optional<std::string> line = NextLine()) {
        if (line->empty()) {
            continue;
        }
        if (finished_) {
            // A refusal anywhere in the burst refuses, whatever final line follows it.
            if (ClassifyFinalLine(*line) == FinalKind::Refused) {
                response_.refused = true;
                response_.final = std::move(*line);
            }
            continue;
        }
        const bool escapeAnswer =
            (echo_ == kEscape && *line == kEscapeAnswer) ||
            (echo_ == kEscapeAnswer && (*line == kCommandModeAnswer || *line == kEscapeAnswer));
        const FinalKind kind = escapeAnswer ? FinalKind::Accepted : ClassifyFinalLine(*line);
        if (kind != FinalKind::None) {
            finished_ = true;
            response_.final = std::move(*line);
            response_.refused = kind == FinalKind::Refused;
        } else if (*line != echo_) {
            response_.lines.push_back(std::move(*line));
        }
    }
    if (!finished_ && openQuote_ == '\0' && !bytes.empty() &&
        IsBareAnswer(std::string_view(buffer_).substr(lineStart_))) {
        finished_ = true;
        response_.final = buffer_.substr(lineStart_);
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
