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

// The same POST with the body already built by BuildLookupRequest, so that a caller can keep the
// token's processor-bound work apart from the wait for the answer.
std::string PostLookupRequest(const std::string& body, std::string_view lookupHost,
                              const web::HttpControl* control = nullptr);

}  // namespace nomvera::lookup
