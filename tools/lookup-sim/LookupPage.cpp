#include "LookupPage.h"

namespace nomvera::sim {
namespace {

void AddCountRow(std::string& page, std::string_view label, const Counts& c) {
    page += "<tr><td class=\"period\">";
    page += label;
    page += "</td><td><font color=\"#FF0000\">" + std::to_string(c[0]) +
            "</font></td><td><font color=\"#008000\">" + std::to_string(c[1]) +
            "</font></td><td><font color=\"#666666\">" + std::to_string(c[2]) + "</font></td></tr>\r\n";
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string LookupPage(std::string_view accountUtf8, const SimProfile& shown, const PageContext& context) {
    // An unknown account is answered with the same page shape, an empty id and nothing in it.
    const SimProfile empty;
    const SimProfile& p = shown.found ? shown : empty;
    const std::string nick = EscapeHtml(accountUtf8);
    const int level = LevelOfScore(p.score);

    std::string page;
    page.reserve(4096);
    page +=
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=utf-8\" />\r\n<title>信用查询结果</title>\r\n</head>\r\n<body>\r\n<div "
        "class=\"result\">\r\n";
    page += "<h3 class=\"title\">【淘宝" + p.identity + "】" + nick + "</h3>\r\n";
    page += "<p class=\"user\"><a href=\"http://" + context.ratingHost + "/user-rate-" + p.id +
            ".htm\" target=\"_blank\" class=\"tb_nick\">" + nick + "</a></p>\r\n";
    page += "<ul class=\"info\">\r\n";
    page += "<li><span class=\"label\">" + p.identity + "信用：</span><font color=\"#FF6600\"><b>" +
            std::to_string(p.score) +
            "</b></font> <img src=\"http://127.0.0.1:" + std::to_string(context.selfPort) + "/level/" +
            std::to_string(level) + ".png\" alt=\"level " + std::to_string(level) + "\" /></li>\r\n";
    page += "<li><span class=\"label\">注册时间：</span><font color=\"#333333\"><b>" +
            EscapeHtml(p.registrationTime) + "</b></font></li>\r\n";
    page += "<li><span class=\"label\">实名认证：</span><font color=\"#00CC33\">&nbsp;" +
            EscapeHtml(p.realName) + "&nbsp;</font></li>\r\n";
    page += "<li><span class=\"label\">所在地区：</span>" + EscapeHtml(p.region) + " </li>\r\n</ul>\r\n";

    page += "<div class=\"given\">\r\n<h4>" + p.identity + "评价</h4>\r\n<table>\r\n";
    page += "<tr><td>好评：</td><td><font color=\"#FF0000\">" + std::to_string(p.given[0]) +
            "</font></td></tr>\r\n";
    page += "<tr><td>中评：</td><td><font color=\"#008000\">" + std::to_string(p.given[1]) +
            "</font></td></tr>\r\n";
    page += "<tr><td>差评：</td><td><font color=\"#666666\">" + std::to_string(p.given[2]) +
            "</font></td></tr>\r\n";
    page += "<tr><td>好评率：</td><td><font color=\"#FF0000\">" + EscapeHtml(p.goodRate) +
            "</font></td></tr>\r\n";
    page += "</table>\r\n</div>\r\n";

    // The marketplace shows both tabs; the history below is the buyer-credit tab.
    page +=
        "<div class=\"history\">\r\n<ul class=\"tabs\"><li>卖家信用</li><li "
        "class=\"on\">买家信用</li></ul>\r\n";
    page += "<table>\r\n<tr><th>&nbsp;</th><th>好评</th><th>中评</th><th>差评</th></tr>\r\n";
    AddCountRow(page, "最近一周", p.week);
    AddCountRow(page, "最近一月", p.month);
    AddCountRow(page, "最近半年", p.halfYear);
    AddCountRow(page, "半年以前", p.older);
    page += "</table>\r\n</div>\r\n</div>\r\n</body>\r\n</html>\r\n";
    return page;
}

std::string RefusalPage() {
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
           "charset=utf-8\" />\r\n<title>错误</title>\r\n</head>\r\n<body>\r\n<p class=\"error\">参数错误，"
           "请求被拒绝。</p>\r\n</body>\r\n</html>\r\n";
}

}  // namespace nomvera::sim
