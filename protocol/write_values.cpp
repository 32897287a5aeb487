#include "protocol/write_values.h"

#include <iterator>

#include "protocol/text_helpers.h"

namespace dtu {

namespace {

struct FormatCode {
    int dataBitsItem;
    int stopBitsItem;
    char code;
};

constexpr FormatCode kFormatCodes[] = {
    {0, 0, '5'},  // 7 data bits, 1 stop bit
    {0, 1, '4'},  // 7 data bits, 2 stop bits
    {1, 0, '3'},  // 8 data bits, 1 stop bit
    {1, 1, '1'},  // 8 data bits, 2 stop bits
};
constexpr char kDefaultFormatCode = '3';

// Indexed by the parity item: NONE, ODD, EVEN.
constexpr char kParityCodes[] = {'3', '0', '1'};
constexpr char kDefaultParityCode = '3';

}  // namespace

std::string CheckToDigit(bool ticked) {
    return ticked ? "1" : "0";
}

std::string IcfValue(int dataBitsItem, int stopBitsItem, int parityItem) {
    char format = kDefaultFormatCode;
    for (const FormatCode& entry : kFormatCodes) {
        if (entry.dataBitsItem == dataBitsItem && entry.stopBitsItem == stopBitsItem) {
            format = entry.code;
        }
    }
    const bool knownParity =
        parityItem >= 0 && parityItem < static_cast<int>(std::size(kParityCodes));
    const char parity = knownParity ? kParityCodes[parityItem] : kDefaultParityCode;
    return std::string{format, ',', parity};
}

std::optional<IcfFormatItems> IcfFormatItemsOf(std::string_view formatCode) {
    for (const FormatCode& entry : kFormatCodes) {
        if (formatCode == std::string_view(&entry.code, 1)) {
            return IcfFormatItems{entry.dataBitsItem, entry.stopBitsItem};
        }
    }
    return std::nullopt;
}

std::optional<int> IcfParityItemOf(std::string_view parityCode) {
    for (std::size_t item = 0; item < std::size(kParityCodes); ++item) {
        if (parityCode == std::string_view(&kParityCodes[item], 1)) {
            return static_cast<int>(item);
        }
    }
    return std::nullopt;
}

std::string PacketHexText(const std::string& text, bool alreadyHex) {
    return alreadyHex ? text : StrToHexText(text);
}

std::string FormatValue(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string result;
    auto arg = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool placeholder = format[i] == '%' && i + 1 < format.size() &&
                                 (format[i + 1] == 's' || format[i + 1] == 'd');
        if (placeholder && arg != args.end()) {
            result += *arg++;
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

}  // namespace dtu
