#include "detail/IpQuery.h"

#include <string>

#include "automation/RegexObject.h"
#include "detail/ControlNames.h"
#include "detail/DetailSurface.h"
#include "web/CodePage.h"

namespace nomvera::detail {

namespace {

std::string WithoutEveryNbsp(std::string text) {
    static const std::string kNbsp = "&nbsp;";
    for (std::size_t at = text.find(kNbsp); at != std::string::npos; at = text.find(kNbsp, at)) {
        text.erase(at, kNbsp.size());
    }
    return text;
}

}  // namespace

const std::string& IpPattern() {
    static const std::string pattern = web::Local(
        "地址查询.*?mh-detail \"><span>(.*?)</span><span>(.*?)</span></p><div class=\"mh-search\">");
    return pattern;
}

void IpQuery(DetailSurface& surface, automation::RegexObject& regex, std::string_view ipSearchHost,
             const web::HttpControl* control) {
    const std::string url = "http://" + std::string(ipSearchHost) + "/s?q=ip";
    std::string answer = web::HttpEngine(url, 0, std::string(), nullptr, nullptr, nullptr, nullptr, false,
                                         nullptr, std::string(), control);
    answer.resize(answer.find('\0') == std::string::npos ? answer.size() : answer.find('\0'));
    regex.Search(IpPattern(), web::Utf8ToLocal(answer));
    surface.SetText(names::kIp, regex.GetSubMatchText(1, 1));
    surface.SetText(names::kIpRegion, WithoutEveryNbsp(regex.GetSubMatchText(1, 2)));
}

}  // namespace nomvera::detail
