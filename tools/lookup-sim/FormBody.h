#pragma once
// Reading an application/x-www-form-urlencoded body.

#include <optional>
#include <string>
#include <string_view>

namespace nomvera::sim {

// "%XX" becomes its byte and "+" a space; a "%" without two hex digits stays as it is.
std::string PercentDecode(std::string_view text);

// The decoded value of the first field called `name`; nullopt when there is none.
std::optional<std::string> FormValue(std::string_view body, std::string_view name);

}  // namespace nomvera::sim
