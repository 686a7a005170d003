// TextBetween, UrlEncode and GetFileExtension on code page 936 text.

#include "web/CodePage.h"
#include "web/TextRoutines.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using namespace nomvera::web;
using namespace std::string_literals;

namespace {

struct BetweenCase {
    const char* name;
    std::string text, start, end;
    int startPosition;
    bool ignoreCase;
    std::string expected;
};

}  // namespace

TEST(TextBetween, Table) {
    const std::string zhong = Local("中");            // D6 D0
    const std::string quoteToken = Local("#引号");    // 23 D2 FD BA C5
    const std::vector<BetweenCase> cases = {
        {"spec: no end marker after the start", "a=1; b=2", "b=", ";", 1, false, ""},
        {"spec: leading space stays", "Set-Cookie: x=1; path=/", "Set-Cookie:", ";", 1, false, " x=1"},
        {"spec: end marker follows at once", "<b></b>", "<b>", "</b>", 1, false, ""},
        {"spec: empty end marker", "abc", "a", "", 1, false, ""},
        {"empty start marker", "abc", "", "c", 1, false, ""},
        {"empty text", "", "a", "b", 1, false, ""},
        {"simple", "xx<b>bold</b>yy", "<b>", "</b>", 1, false, "bold"},
        {"first end marker after the start", "[a][b]", "[", "]", 1, false, "a"},
        {"end marker before the start is ignored", "]x[y]", "[", "]", 1, false, "y"},
        {"start marker missing", "abc", "x", "c", 1, false, ""},
        {"spec: #yinhao is a quote", "<a href=\"http://h/\">", "href=" + quoteToken, "\"", 1, false, "http://h/"},
        {"#yinhao in the end marker", "v=\"1\";", "v=\"", quoteToken + ";", 1, false, "1"},
        {"#yinhao every occurrence", "x\"\"y", quoteToken + quoteToken, "y", 1, false, ""},
        {"#yinhao written in UTF-8 is not the token", "a\"b", "#\xE5\xBC\x95\xE5\x8F\xB7", "b", 1, false, ""},
        {"start position skips the first", "[a][b]", "[", "]", 2, false, "b"},
        {"start position 1-based", "[a][b]", "[", "]", 1, false, "a"},
        {"start position below 1 means 1", "[a][b]", "[", "]", -5, false, "a"},
        {"start position past the end", "[a]", "[", "]", 100, false, ""},
        {"start position at the marker", "x[a]", "[", "]", 2, false, "a"},
        {"case-sensitive by default", "<B>x</b>", "<b>", "</b>", 1, false, ""},
        {"ignoreCase ASCII", "<B>x</B>", "<b>", "</b>", 1, true, "x"},
        // 0xD6 0x41 would be a character whose trail byte is 'A': no match from the second byte.
        {"no match inside a two-byte character", "\xD6" "Ab=1;", "Ab=", ";", 1, false, ""},
        {"match after a two-byte character", zhong + "b=1;", "b=", ";", 1, false, "1"},
        {"trail byte equal to the marker's first byte", "\x81[" "[x]", "[", "]", 1, false, "x"},
        // With ignoreCase the trail byte 0x41 of a character is not a letter.
        {"ignoreCase leaves trail bytes", "\x81\x41" "k", "\x81\x61", "k", 1, true, ""},
        {"ignoreCase matches two-byte exactly", "\x81\x41" "k", "\x81\x41", "k", 1, true, ""},
        {"two-byte markers", "\xA1\xBE" "x" "\xA1\xBF", "\xA1\xBE", "\xA1\xBF", 1, false, "x"},
        {"zero bytes inside the text", "a\0[b\0c]d"s, "[", "]", 1, false, "b\0c"s},
        {"marker longer than the text", "ab", "abc", "c", 1, false, ""},
        {"overlapping candidates (KMP)", "aaab]", "aab", "]", 1, false, ""},
        {"overlapping candidates 2", "aabaabx]", "aabx", "]", 1, false, ""},
        {"overlapping candidates 3", "abababc!", "ababc", "!", 1, false, ""},
        {"content non-empty", "<<a>>", "<", ">", 1, false, "<a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextBetween(c.text, c.start, c.end, c.startPosition, c.ignoreCase), c.expected) << c.name;
}

TEST(TextBetween, DefaultArguments) {
    EXPECT_EQ(TextBetween("k=v;", "k=", ";"), "v");
    EXPECT_EQ(TextBetween("K=v;", "k=", ";"), "");
}

TEST(TextBetween, LongInputIsLinear) {
    std::string text(8u * 1024u * 1024u, 'a');
    text += "b";
    const std::string marker = std::string(4096, 'a') + "b";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(TextBetween(text, marker, "c"), "");
    EXPECT_EQ(TextBetween(text + "xc", marker, "c"), "x");
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 30.0);
}

struct EncodeCase {
    const char* name;
    std::string text;
    bool keepSafe, utf8;
    std::string expected;
};

TEST(UrlEncode, Table) {
    const std::string zhong = Local("中");
    const std::vector<EncodeCase> cases = {
        {"spec: 中 utf8", zhong, true, true, "%E4%B8%AD"},
        {"spec: 中 local", zhong, true, false, "%D6%D0"},
        {"spec: space and slash", "a b/c", true, true, "a%20b%2Fc"},
        {"spec: base64 token", "ab+/=", true, false, "ab%2B%2F%3D"},
        {"spec: everything without keepSafe", "Ab-9", false, false, "%41%62%2D%39"},
        {"empty", "", true, true, ""},
        {"empty without keepSafe", "", false, false, ""},
        {"safe set", "AZaz09-.", true, false, "AZaz09-."},
        {"unsafe ASCII", "_~*'()!", true, false, "%5F%7E%2A%27%28%29%21"},
        {"space never plus", " ", false, true, "%20"},
        {"euro 0x80 to UTF-8", "\x80", true, true, "%E2%82%AC"},
        {"bytes >= 0x80 upper-case hex", "\xAB\xCD", true, false, "%AB%CD"},
        {"zero byte local", "a\0b"s, true, false, "a%00b"},
        {"zero byte utf8: conversion stops there", "a\0b"s, true, true, "a"},
        {"invalid GBK utf8: replacement character", "\xFF", true, true, "%EF%BF%BD"},
    };
    for (const auto& c : cases) EXPECT_EQ(UrlEncode(c.text, c.keepSafe, c.utf8), c.expected) << c.name;
    EXPECT_EQ(UrlEncode("a b"), "%61%20%62");  // defaults: keepSafe false, utf8 false
}

TEST(GetFileExtension, Table) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C:\\data\\list.xlsx", ".xlsx"},          // spec
        {"C:\\data.d\\list", ""},                  // spec
        {"/home/u.d/list", ""},                    // "/" separates too
        {"/home/u/list.txt", ".txt"},
        {"list.tar.gz", ".gz"},
        {"list.", "."},
        {".bashrc", ".bashrc"},
        {"", ""},
        {"noext", ""},
        {"C:\\a.b c", ""},                         // a space after the dot ends the candidate
        {"C:\\a b.txt", ".txt"},                   // a space before the dot does not
        {"C:\\a.TXT", ".TXT"},                     // case kept
        {"a.b\\c.d", ".d"},
        {"a.txt\0.exe"s, ".txt"},                  // a C string: ends at the first zero
        // A two-byte character whose trail byte is 0x5C ("\") is no separator: 表 is B1 ED, 能 is
        // C4 DC; use 0x81 0x5C.
        {"a.b\x81\x5C" "c", ".b\x81\x5C" "c"},
        {"\xD6\xD0\xCE\xC4.xls", ".xls"},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(GetFileExtension(path), expected) << path;
}
