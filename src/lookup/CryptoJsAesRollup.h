#pragma once
// The installed CryptoJS AES rollup, read into a generated source when the program is built.

#include <string_view>

namespace nomvera::lookup {

std::string_view CryptoJsAesRollup();

}  // namespace nomvera::lookup
