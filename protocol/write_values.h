#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace dtu {

// "1" for a ticked box, "0" otherwise.
std::string CheckToDigit(bool ticked);

// The device's serial-format code "format,parity" from the item indexes of the
// data-bit ("7", "8"), stop-bit ("1", "2") and parity ("NONE", "ODD", "EVEN")
// boxes; an index outside the tables counts as 8 data bits, 1 stop bit, no parity.
std::string IcfValue(int dataBitsItem, int stopBitsItem, int parityItem);

// The box items a format code of the device's port-format reply stands for; nothing
// for a code outside the table.
struct IcfFormatItems {
    int dataBitsItem;
    int stopBitsItem;
};
std::optional<IcfFormatItems> IcfFormatItemsOf(std::string_view formatCode);
// The parity item a parity code stands for; nothing for a code outside the table.
std::optional<int> IcfParityItemOf(std::string_view parityCode);

// A packet as it goes out: the text itself when it already holds hexadecimal,
// else its bytes as hexadecimal text.
std::string PacketHexText(const std::string& text, bool alreadyHex);

// Fills each "%s" or "%d" of `format` with the next argument, taken verbatim.
std::string FormatValue(std::string_view format, std::initializer_list<std::string_view> args);

}  // namespace dtu
