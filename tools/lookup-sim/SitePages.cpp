#include "SitePages.h"

#include <iconv.h>

#include "LookupPage.h"

namespace nomvera::sim {

std::string ConvertText(std::string_view text, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::string in(text);
    std::string out(in.size() * 4 + 16, '\0');
    char* inPointer = in.data();
    std::size_t inLeft = in.size();
    char* outPointer = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) return {};
    out.resize(out.size() - outLeft);
    return out;
}

std::string MakerPage() {
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
           "charset=utf-8\" />\r\n<title>Nomvera 信用查询工具</title>\r\n</head>\r\n<body>\r\n"
           "<h1>Nomvera 信用查询工具</h1>\r\n<p>淘宝买家信用批量查询，识别危险买家。</p>\r\n"
           "<p><a href=\"/version.htm\">下载最新版本</a></p>\r\n</body>\r\n</html>\r\n";
}

std::string VersionPage(std::string_view announcedVersion) {
    const std::string utf8 =
        "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />\r\n"
        "<title>Nomvera 版本信息</title>\r\n</head>\r\n<body>\r\n<p>软件名称：Nomvera 信用查询工具</p>\r\n"
        "<p>软件版本：v" +
        EscapeHtml(announcedVersion) +
        "_正式版</p>\r\n<p><a href=\"/\">下载地址</a></p>\r\n</body>\r\n</html>\r\n";
    return ConvertText(utf8, "UTF-8", "CP936");
}

std::string IpPage(std::string_view peerAddress) {
    // The address and its place sit on the same line as the heading, as the reader expects.
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\" />\r\n<title>ip_搜索</title>\r\n"
           "</head>\r\n<body>\r\n<div class=\"mh-wrap\"><h3 class=\"mh-title\">IP地址查询</h3><p "
           "class=\"mh-detail \">"
           "<span>" +
           EscapeHtml(peerAddress) +
           "</span><span>本地&nbsp;局域网</span></p><div class=\"mh-search\"><form action=\"/s\"><input "
           "name=\"q\" "
           "/></form></div></div>\r\n</body>\r\n</html>\r\n";
}

std::string SearchPage(std::string_view query) {
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\" />\r\n<title>" +
           EscapeHtml(query) +
           "_搜索</title>\r\n</head>\r\n<body>\r\n<p>没有找到相关结果。</p>\r\n</body>\r\n</html>\r\n";
}

}  // namespace nomvera::sim
