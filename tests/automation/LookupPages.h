#pragma once
// Answer pages shaped like the lookup service's, built in code so that the size and the damage
// of each page are visible where they are used (tests and benchmarks). Texts are code page 936.

#include <string>
#include <vector>

#include "web/CodePage.h"

namespace nomvera::automation::testing {
namespace detail {

inline std::string Periods(const char* head) {
    return std::string("<tr><td>") + head +
           "</td><td><font color=\"red\">1</font></td><td><font>0</font></td><td><font>2</font></td></tr>";
}

inline std::vector<std::string> PageLines() {
    return {
        "<title>【淘宝买家】信用查询结果</title>",
        "<a href=\"http://rate.taobao.com/user-rate-UvGxYMmvbOFgT.htm\" class=\"tb_nick\">某买家</a>",
        "<li>买家信用：<font color=\"red\"><b>125</b></font><img src=\"http://pics.example/level3.gif\" "
        "/></li>",
        "<li>注册时间：<font><b>2010-03-04 12:00:00</b></font></li>",
        "<li>实名认证：<font color=\"#00CC33\">&nbsp;已认证&nbsp;</font></li>",
        "<li><span>所在地区：</span>浙江 杭州 </li>",
        "<div>买家评价</div><li>好评：<font color=\"red\">120</font></li>",
        "<li>中评：<font>3</font></li>",
        "<li>差评：<font>1</font></li>",
        "<li>好评率：<font color=\"red\">96.77%</font></li>",
        "<h3>买家信用</h3>",
        Periods("最近一周"),
        Periods("最近一月"),
        Periods("最近半年"),
        Periods("半年以前"),
    };
}

inline std::string Filler(size_t bytes) {
    static const std::string kLine = "<div class=\"ad\">推荐商品 item 12345 价格 ￥99.00</div>\n";
    std::string out;
    while (out.size() < bytes) out += kLine;
    return out;
}

}  // namespace detail

// The lookup pattern for the rating host "rate.taobao.com" (23 groups, code page 936).
inline std::string LookupPattern() {
    const std::string host = "rate.taobao.com";
    std::string p = "【淘宝(..)】";
    p += "[\\s\\S]*?(http://" + host + "/user-rate-.*?htm)";
    p += ".*?tb_nick[\\s\\S]*?家信用.*?<b>([0-9]*?)</b></font>";
    p += ".*?\"(.*?)\"";
    p += "[\\s\\S]*?注册时间.*?<b>(.*?)</b></font>";
    p += "[\\s\\S]*?实名认证.*?#00CC33\">(.*?)<";
    p += "[\\s\\S]*?所在地区：</span>(.*?) </li>";
    p += "[\\s\\S]*?家评价[\\s\\S]*?好评.*?>([0-9]*?)</font>";
    p += "[\\s\\S]*?中评.*?>([0-9]*?)</font>";
    p += "[\\s\\S]*?差评.*?>([0-9]*?)</font>";
    p += "[\\s\\S]*?好评率.*?\">(.*?%)<";
    const std::string counts =
        "[\\s\\S]*?>([0-9]*?)</font>[\\s\\S]*?>([0-9]*?)</font>[\\s\\S]*?>([0-9]*?)</font>";
    p += "[\\s\\S]*?买家信用[\\s\\S]*?最近一周" + counts;
    p += "[\\s\\S]*?最近一月" + counts;
    p += "[\\s\\S]*?最近半年" + counts;
    p += "[\\s\\S]*?半年以前" + counts;
    return web::Local(p);
}

// A complete page for a buyer; fillerBytes of markup without any of the pattern's marks are
// spread over the line breaks between the pieces the pattern reads.
inline std::string LookupPage(size_t fillerBytes = 0) {
    const std::vector<std::string> lines = detail::PageLines();
    const std::string filler = detail::Filler(fillerBytes / lines.size());
    std::string page = "<html><body>\n";
    for (const std::string& line : lines) page += line + "\n" + filler;
    return web::Local(page + "</body></html>\n");
}

// A page cut off before its last rating period, holding `cells` count cells after the half-year
// row: every combination of cells is a new way to fail, so the engine must give up on a limit.
inline std::string TruncatedLookupPage(size_t cells) {
    std::vector<std::string> lines = detail::PageLines();
    lines.pop_back();
    std::string page;
    for (const std::string& line : lines) page += line + "\n";
    for (size_t i = 0; i < cells; ++i) page += "<td><font>1</font></td>\n";
    return web::Local(page);
}

}  // namespace nomvera::automation::testing
