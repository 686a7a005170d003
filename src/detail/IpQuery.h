#pragma once
// The machine's public address and its region, read from a web search page that answers "ip".

#include <string>
#include <string_view>

#include "web/HttpEngine.h"

namespace nomvera::automation {
class RegexObject;
}

namespace nomvera::detail {

class DetailSurface;

// The pattern over the search page (code page 936): group 1 the address, group 2 the region.
const std::string& IpPattern();

// GET of "/s?q=ip" on ipSearchHost (host[:port]); writes 编辑框_本机ＩＰ and 编辑框_ＩＰ地区, both
// empty when the page cannot be read or does not match.
void IpQuery(DetailSurface& surface, automation::RegexObject& regex, std::string_view ipSearchHost,
             const web::HttpControl* control);

}  // namespace nomvera::detail
