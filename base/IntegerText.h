// Decimal integers typed by a person.
#pragma once

#include <optional>
#include <string_view>

namespace vorel {

// An optional sign and decimal digits, within int; nothing for any other text.
std::optional<int> TextToInteger(std::string_view text);

}  // namespace vorel
