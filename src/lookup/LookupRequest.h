#pragma once
// The first half of every lookup: the account as it is looked up, its request token and the
// form body. Texts are code page 936; nothing here keeps state, so any thread may call it.

#include <string>
#include <string_view>

namespace nomvera::lookup {

// Without "\r\n" pairs (a lone "\r" or "\n" stays), then without ASCII and full-width spaces.
std::string CleanAccount(std::string_view text);

// Base64 of AES-256-CBC / PKCS#7 over the account's UTF-8 bytes, computed by the token script in
// a fresh script engine; "" when the script fails.
std::string ComputeRequestToken(std::string_view account);

// "nick=" + encoded account + "&stype=1&k=" + encoded token.
std::string BuildLookupRequest(std::string_view account);

}  // namespace nomvera::lookup
