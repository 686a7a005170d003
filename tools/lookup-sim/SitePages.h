#pragma once
// The other pages the program reads or opens: the maker's page, the maker's version page and
// the search page that tells the caller's address.

#include <string>
#include <string_view>

namespace nomvera::sim {

std::string MakerPage();  // UTF-8

// Code page 936 bytes carrying "软件版本：v<version>_"; empty if the conversion failed.
std::string VersionPage(std::string_view announcedVersion);

// The answer to /s?q=ip for a caller at `peerAddress` (UTF-8).
std::string IpPage(std::string_view peerAddress);
// Any other search.
std::string SearchPage(std::string_view query);

// UTF-8 text converted with iconv; empty on any failure.
std::string ConvertText(std::string_view text, const char* from, const char* to);

}  // namespace nomvera::sim
