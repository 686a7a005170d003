#pragma once
// The whole request of one lookup: the form body with its token, POSTed to the lookup service.

#include <string>
#include <string_view>

#include "web/HttpEngine.h"

namespace nomvera::lookup {

// The answer body of "/GetResult.ashx" on lookupHost (host[:port]); empty on any failure.
// `control` lets the owner abort the transfer (a window that closes).
std::string FetchLookupAnswer(std::string_view account, std::string_view lookupHost,
                              const web::HttpControl* control = nullptr);

}  // namespace nomvera::lookup
