#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dtu {

// A D2D ID as the ID field shows it and the registration packet it generates:
// the ID and its complement to 65535, four upper-case hex digits each.
struct D2DRegistration {
    std::string id;
    std::string packet;
};

// The registration for the typed ID text: 0 counts as 1, anything above 65535,
// longer than five characters or not made of digits as 65535. Nothing for an
// empty text.
std::optional<D2DRegistration> D2DRegistrationFor(std::string_view idText);

}  // namespace dtu
