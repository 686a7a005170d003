// ParseLookupAnswer on answer pages of realistic and of hostile size. The pages are built here,
// in the shape of tests/data/answers/buyer.html, with neutral markup padded between the sections.

#include <benchmark/benchmark.h>

#include <string>

#include "lookup/LookupAnswerParser.h"
#include "web/CodePage.h"

namespace {

using nomvera::lookup::CreditProfile;
using nomvera::lookup::ParseLookupAnswer;

const std::string kHost = "rate.taobao.com";

// About `bytes` of markup that none of the pattern's words occur in.
std::string Filler(std::size_t bytes) {
    std::string out;
    for (int i = 0; out.size() < bytes; ++i)
        out += "<div class=\"nav-item\"><a href=\"/help/topic" + std::to_string(i) +
               ".html\">帮助中心 第" + std::to_string(i) + "条</a><span>常见问题</span></div>\n";
    return out;
}

std::string FoundPage(std::size_t bytes) {
    const std::string pad = Filler(bytes / 4);
    return "<!DOCTYPE html>\n<html>\n<head><meta charset=\"utf-8\" /><title>淘宝信用查询结果</title></head>\n"
           "<body>\n" + pad +
           "<h2 class=\"title\">【淘宝买家】信用档案</h2>\n"
           "<p class=\"rate-link\">评价页：<a href=\"http://rate.taobao.com/user-rate-UMGxbvCNYOmIT.htm\" "
           "class=\"tb_nick\" target=\"_blank\">tb_lin2010</a></p>\n<ul class=\"summary\">\n"
           "<li>买家信用：<font color=\"#FF6600\"><b>128</b></font> "
           "<img src=\"http://pics.taobaocdn.com/newrank/b_red_3.gif\" alt=\"信用等级\" /></li>\n"
           "<li>注册时间：<font color=\"#333333\"><b>2010-05-03</b></font></li>\n"
           "<li>实名认证：<font color=\"#00CC33\">已认证</font></li>\n"
           "<li><span class=\"label\">所在地区：</span>浙江 杭州 </li>\n</ul>\n" + pad +
           "<h3>给卖家评价</h3>\n<ul class=\"given\">\n"
           "<li>好评：<font color=\"#FF0000\">120</font></li>\n"
           "<li>中评：<font color=\"#999999\">1</font></li>\n"
           "<li>差评：<font color=\"#333333\">0</font></li>\n"
           "<li>好评率：<font color=\"#FF0000\">99.17%</font></li>\n</ul>\n" + pad +
           "<h3>买家信用评价明细</h3>\n<table class=\"rate-detail\">\n"
           "<tr><td>最近一周</td><td><font>1</font></td><td><font>0</font></td><td><font>0</font></td></tr>\n"
           "<tr><td>最近一月</td><td><font>4</font></td><td><font>0</font></td><td><font>0</font></td></tr>\n"
           "<tr><td>最近半年</td><td><font>23</font></td><td><font>1</font></td><td><font>0</font></td></tr>\n"
           "<tr><td>半年以前</td><td><font>100</font></td><td><font>0</font></td><td><font>1</font></td></tr>\n"
           "</table>\n" + pad + "</body>\n</html>\n";
}

// Records that stop after the score, over and over: every heading starts an attempt that can
// only fail, after trying each later link and score for the pieces it has.
std::string PartialRecordsPage(int records, std::size_t recordBytes) {
    std::string page;
    for (int i = 0; i < records; ++i) {
        std::string record = "<h2>【淘宝买家】</h2>\n<a href=\"http://rate.taobao.com/user-rate-U" +
                             std::to_string(i) + ".htm\" class=\"tb_nick\">n</a>\n"
                             "<p>买家信用<b>" + std::to_string(i % 1000) + "</b></font> <img src=\"i.gif\" />";
        record.resize(recordBytes - 1, ' ');
        page += record + "\n";
    }
    return page;
}

void Parse(benchmark::State& state, const std::string& page, bool expectMatch) {
    const auto first = ParseLookupAnswer(page, kHost);
    static const std::string kBuyer = nomvera::web::Local("买家");
    if (!first.found || (first.profile.identity == kBuyer) != expectMatch) {
        state.SkipWithError("the page did not parse as intended");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(ParseLookupAnswer(page, kHost));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(page.size()));
    state.counters["page_bytes"] = static_cast<double>(page.size());
}

void BM_FoundPage30KB(benchmark::State& state) {
    static const std::string page = FoundPage(30 * 1024);
    Parse(state, page, true);
}

void BM_FoundPage1MB(benchmark::State& state) {
    static const std::string page = FoundPage(1024 * 1024);
    Parse(state, page, true);
}

void BM_PartialRecords700KB(benchmark::State& state) {
    static const std::string page = PartialRecordsPage(5000, 140);
    Parse(state, page, false);
}

}  // namespace

BENCHMARK(BM_FoundPage30KB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FoundPage1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartialRecords700KB)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
