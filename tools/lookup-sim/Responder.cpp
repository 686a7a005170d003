#include "Responder.h"

#include <charconv>
#include <ctime>

#include "FormBody.h"
#include "LookupPage.h"
#include "ProfileMaker.h"
#include "SitePages.h"

namespace nomvera::sim {
namespace {

Reply Status(int status, const char* reason) {
    Reply reply;
    reply.status = status;
    reply.reason = reason;
    reply.body = "<html><body><h1>" + std::to_string(status) + " " + reason + "</h1></body></html>\r\n";
    return reply;
}

}  // namespace

Reply Responder::Respond(const Request& request) {
    const std::string_view path = request.path;
    if (path == "/GetResult.ashx") return request.post ? Lookup(request) : Status(405, "Method Not Allowed");
    if (request.post) return Status(405, "Method Not Allowed");
    Reply reply;
    if (path == "/" || path == "/index.htm") {
        reply.body = MakerPage();
    } else if (path == "/version.htm") {
        reply.contentType = "text/html; charset=gb2312";
        reply.sharedBody = &site_.versionPage;
    } else if (path == "/s") {
        const std::string query = FormValue(request.query, "q").value_or("");
        reply.body = query == "ip" ? IpPage(request.peerAddress) : SearchPage(query);
    } else if (path.starts_with("/level/")) {
        return Level(path);
    } else {
        return Status(404, "Not Found");
    }
    return reply;
}

Reply Responder::Lookup(const Request& request) {
    const auto nick = FormValue(request.body, "nick");
    const auto token = FormValue(request.body, "k");
    Reply reply;
    if (!nick || !token || !cipher_.Matches(*nick, *token)) {
        reply.body = RefusalPage();
        return reply;
    }
    const PageContext context{site_.options.ratingHost, site_.port};
    if (const auto fixed = site_.fixedProfiles.find(*nick); fixed != site_.fixedProfiles.end()) {
        reply.body = LookupPage(*nick, fixed->second, context);
    } else {
        reply.body = LookupPage(*nick, MakeProfile(*nick, std::time(nullptr)), context);
    }
    return reply;
}

Reply Responder::Level(std::string_view path) const {
    std::string_view name = path.substr(std::string_view("/level/").size());
    if (!name.ends_with(".png")) return Status(404, "Not Found");
    name.remove_suffix(4);
    int level = -1;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), level);
    const std::string* picture =
        ec == std::errc{} && end == name.data() + name.size() ? site_.levelPictures.Picture(level) : nullptr;
    if (!picture) return Status(404, "Not Found");
    Reply reply;
    reply.contentType = "image/png";
    reply.sharedBody = picture;
    return reply;
}

}  // namespace nomvera::sim
