#pragma once
// The answer page of /GetResult.ashx, UTF-8 HTML with CRLF line ends.

#include <string>
#include <string_view>

#include "SimProfile.h"

namespace nomvera::sim {

struct PageContext {
    std::string ratingHost;  // written into the rating-page address
    int selfPort = 0;        // the level pictures are served by the stand-in itself
};

// The profile page; an unknown account (found == false) gets the page whose rating address has
// an empty id.
std::string LookupPage(std::string_view accountUtf8, const SimProfile& profile, const PageContext& context);

// What a request with a wrong or missing token gets: a page with none of the profile markup.
std::string RefusalPage();

// Text made safe for HTML element content and attribute values.
std::string EscapeHtml(std::string_view text);

}  // namespace nomvera::sim
