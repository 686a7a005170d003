// Which bytes of an imported text file are taken as UTF-8 and which as code page 936.

#include "batch/TextFileDecoding.h"

#include <gtest/gtest.h>

#include "web/CodePage.h"

namespace nomvera::batch {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string local;
};

TEST(TextFileDecoding, TakesUtf8WhenMarkedOrWhenItCanOnlyBeUtf8) {
    const std::string gbk = web::Local("张三");  // D5 C5 C8 FD: not well-formed UTF-8
    const DecodeCase cases[] = {
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "abc\r\n",
         "abc\r\n"},
        {"byte-order mark before UTF-8", "\xEF\xBB\xBF\xE5\xBC\xA0", web::Local("张")},
        {"UTF-8 without mark", "\xE5\xBC\xA0\xE4\xB8\x89|x", gbk + "|x"},
        {"code page 936 stays as it is", gbk + "|x", gbk + "|x"},
        {"ASCII stays", "plain\r\n", "plain\r\n"},
        {"cut at the first zero byte", std::string("ab\0cd", 5), "ab"},
        {"UTF-16 is cut at its first zero", std::string("a\0b\0", 4), "a"},
        {"overlong form is not UTF-8", "\xC0\xAF", "\xC0\xAF"},
        {"encoded surrogate is not UTF-8", "\xED\xA0\x80", "\xED\xA0\x80"},
        {"truncated sequence is not UTF-8", "a\xE5\xBC", "a\xE5\xBC"},
        {"empty", "", ""},
    };
    for (const DecodeCase& c : cases) EXPECT_EQ(TextFileDecoding::ToLocal(c.bytes), c.local) << c.name;
}

TEST(TextFileDecoding, CharactersOutsideCodePage936BecomeQuestionMarks) {
    EXPECT_EQ(TextFileDecoding::ToLocal("\xF0\x9F\x98\x80x"), "?x");  // an emoji
}

}  // namespace
}  // namespace nomvera::batch
