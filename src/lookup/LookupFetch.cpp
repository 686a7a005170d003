#include "lookup/LookupFetch.h"

#include "lookup/LookupRequest.h"

namespace nomvera::lookup {

std::string FetchLookupAnswer(std::string_view account, std::string_view lookupHost,
                              const web::HttpControl* control) {
    return PostLookupRequest(BuildLookupRequest(account), lookupHost, control);
}

std::string PostLookupRequest(const std::string& body, std::string_view lookupHost,
                              const web::HttpControl* control) {
    const std::string url = "http://" + std::string(lookupHost) + "/GetResult.ashx";
    // Nothing but the body: no cookies, no extra headers, redirects followed, no proxy.
    return web::HttpEngine(url, 1, body, nullptr, nullptr, nullptr, nullptr, false, nullptr, std::string(),
                           control);
}

}  // namespace nomvera::lookup
