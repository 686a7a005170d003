#pragma once
// Where the outside services live. Defaults come from the build options; tests and the windows
// pass their own values down explicitly.

#include <string>

#include "nomvera/BuildConfig.h"

namespace nomvera::lookup {

struct ServiceAddresses {
    std::string lookupHost = build::kLookupHost;        // host[:port] of /GetResult.ashx
    std::string ratingHost = build::kRatingHost;        // host of the rating pages, in the answer pattern
    std::string ipSearchHost = build::kIpSearchHost;    // host[:port] of /s?q=ip
    std::string makerPageUrl = build::kMakerPageUrl;
    std::string makerVersionPageUrl = build::kMakerVersionPageUrl;
};

}  // namespace nomvera::lookup
