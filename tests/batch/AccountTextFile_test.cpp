// The account text file: the header's time text, the exact bytes written, and how an import
// takes accounts out of a file's text.

#include "batch/AccountTextFile.h"

#include <gtest/gtest.h>

#include "../lookup/MemoryAccountList.h"
#include "batch/ExportTime.h"
#include "web/CodePage.h"

namespace nomvera::batch {
namespace {

using web::Local;
const std::string kMaker = "http://127.0.0.1:38765/";

struct TimeCase {
    LocalTime time;
    const char* text;
};

TEST(ExportTimeText, LeavesOffTrailingZeroPartsFromTheSecondsUp) {
    const TimeCase cases[] = {
        {{2015, 3, 21, 9, 5, 7}, "2015年3月21日9时5分7秒"},
        {{2015, 3, 21, 14, 30, 0}, "2015年3月21日14时30分"},
        {{2015, 3, 21, 0, 0, 0}, "2015年3月21日"},
        {{2015, 3, 21, 9, 0, 0}, "2015年3月21日9时"},
        {{2015, 12, 1, 0, 0, 5}, "2015年12月1日0时0分5秒"},
        {{2015, 3, 21, 0, 7, 0}, "2015年3月21日0时7分"},
    };
    for (const TimeCase& c : cases) EXPECT_EQ(ExportTime::Text(c.time), Local(c.text)) << c.text;
}

TEST(ExportHeaderLine, IsTheMarkerTheMakerPageAndTheTimeInCodePage936) {
    const std::string line =
        AccountTextFile::ExportHeaderLine(kMaker, ExportTime::Text({2015, 3, 21, 0, 0, 0}));
    // ● is A1 F1 and → is A1 FA in code page 936.
    EXPECT_EQ(line, "\xA1\xF1Nomvera - Belkmoor \xA1\xFA " + kMaker +
                        " - 2015\xC4\xEA"
                        "3\xD4\xC2"
                        "21\xC8\xD5\xA1\xF1");
}

TEST(ComposeTextFile, WritesHeaderEmptyLineAndAccountBarLinkLines) {
    lookup::testing::MemoryAccountList empty(0);
    EXPECT_EQ(AccountTextFile::Compose("H", empty), "H\r\n\r\n");

    lookup::testing::MemoryAccountList list(3);
    list.Preset(0, {kMaker, Local("张三"), Local("安全")});
    list.Preset(1, {"http://rate.taobao.com/user-rate-1.htm", "00123"});
    list.Preset(2, {"", ""});
    EXPECT_EQ(AccountTextFile::Compose("H", list),
              "H\r\n\r\n" + Local("张三") + "|" + kMaker +
                  "\r\n00123|http://rate.taobao.com/user-rate-1.htm\r\n|\r\n");
}

struct ReadCase {
    const char* name;
    std::string content;  // UTF-8, converted to code page 936
    std::vector<std::string> accounts;
};

TEST(ReadAccounts, FollowsTheLineAndBarRules) {
    const std::string header = "●Nomvera - Belkmoor → " + kMaker + " - 2015年3月21日●";
    const ReadCase cases[] = {
        {"exported file", header + "\r\n\r\n张三|" + kMaker + "\r\nb|x\r\n", {"张三", "b"}},
        {"plain list keeps spaces", " a b \r\nc\r\n\r\nd", {" a b ", "c", "d"}},
        {"only bar at the end", "abc|\r\n", {"abc"}},
        {"only bar at the start", "|abc\r\n", {}},
        {"two bars: before the last", "a|b|c\r\n", {"a|b"}},
        {"header of another maker page stays a row",
         "●Nomvera - Belkmoor → http://other/ - 2015年3月21日●\r\n\r\nx|y",
         {"●Nomvera - Belkmoor → http://other/ - 2015年3月21日●", "x"}},
        {"lone line feeds do not split", "a\nb\nc", {"a\nb\nc"}},
        {"lone carriage return stays in the line", "a\rb\r\n", {"a\rb"}},
        {"every copy of the header goes", header + "\r\na\r\n" + header + "b\r\n", {"a", "b"}},
        {"marker without a full prefix: nothing removed",
         "●Nomvera - Belkmoor →x\r\n",
         {"●Nomvera - Belkmoor →x"}},
        {"empty text", "", {}},
        {"only line ends", "\r\n\r\n\r\n", {}},
    };
    for (const ReadCase& c : cases) {
        std::vector<std::string> expected;
        for (const std::string& account : c.accounts) expected.push_back(Local(account));
        EXPECT_EQ(AccountTextFile::ReadAccounts(Local(c.content), kMaker, 100), expected) << c.name;
    }
}

TEST(ReadAccounts, StopsAtTheRowLimit) {
    EXPECT_EQ(AccountTextFile::ReadAccounts("a\r\nb\r\nc\r\n", kMaker, 2),
              (std::vector<std::string>{"a", "b"}));
}

TEST(ReadAccounts, GivesBackWhatComposeWroteExceptEmptyAccounts) {
    lookup::testing::MemoryAccountList list(4);
    list.Preset(0, {kMaker, Local("账号一")});
    list.Preset(1, {"", ""});
    list.Preset(2, {"x", "a|b"});
    list.Preset(3, {"link", " spaced "});
    const std::string header =
        AccountTextFile::ExportHeaderLine(kMaker, ExportTime::Text({2015, 3, 21, 9, 5, 7}));
    EXPECT_EQ(AccountTextFile::ReadAccounts(AccountTextFile::Compose(header, list), kMaker, 100),
              (std::vector<std::string>{Local("账号一"), "a|b", " spaced "}));
}

}  // namespace
}  // namespace nomvera::batch
