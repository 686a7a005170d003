#pragma once
// What every event loop serves from: the options, the fixed profiles, the pictures and the
// version page, made once at start and only read afterwards.

#include <map>
#include <string>

#include "LevelPictures.h"
#include "Options.h"
#include "SimProfile.h"

namespace nomvera::sim {

struct SiteContent {
    Options options;
    int port = 0;  // the port actually bound
    std::map<std::string, SimProfile> fixedProfiles;
    LevelPictures levelPictures;
    std::string versionPage;  // code page 936 bytes
};

}  // namespace nomvera::sim
