#pragma once
// Fixed-rule URL splitting for the HTTP engine: only http:// and https:// are known.

#include <string>
#include <string_view>

namespace nomvera::web {

std::string GetUrlHost(std::string_view url, bool keepPort = false);
int GetUrlPort(std::string_view url);
std::string GetUrlPath(std::string_view url);

}  // namespace nomvera::web
