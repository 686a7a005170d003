#pragma once
// Cookies as plain "name=value; name=value" texts, newest first.

#include <string>
#include <string_view>
#include <vector>

namespace nomvera::web {

std::string MergeCookies(std::string& cookies, std::string& receivedCookies);
std::string CookieName(std::string_view part);
bool HasCookieName(const std::vector<std::string>& parts, std::string_view name);
std::string JoinUnique(std::string_view text, std::string_view separator);

}  // namespace nomvera::web
