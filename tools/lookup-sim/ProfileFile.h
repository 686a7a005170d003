#pragma once
// Fixed profiles read from a file, one account a line:
//   account|identity|score|registered|real-name|region|given|rate|week|month|half-year|older
// identity is 买家 or 卖家, or "-" for an account that does not exist (the rest may then be
// empty); each count field is "good,neutral,bad". Blank lines and lines starting with "#" are
// skipped. The file is UTF-8.

#include <map>
#include <string>

#include "SimProfile.h"

namespace nomvera::sim {

struct ProfileFileResult {
    std::map<std::string, SimProfile> profiles;  // by account name
    std::string error;                           // non-empty when the file could not be read
};

ProfileFileResult ReadProfileFile(const std::string& path);
ProfileFileResult ParseProfileText(const std::string& text);

}  // namespace nomvera::sim
