// Code page 936 / UTF-8 / UTF-16 conversions with Windows semantics, including the places where
// glibc's iconv ("CP936"/"GBK") behaves differently (it reports errors; Windows replaces).

#include "web/CodePage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace nomvera::web;
using namespace std::string_literals;

namespace {

// UTF-16LE bytes of the given units, without terminator.
std::string Le(std::u16string_view units) {
    std::string out;
    for (char16_t u : units) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    return out;
}

struct GbkUtf8Case {
    const char* name;
    std::string gbk;
    std::string utf8;
};

}  // namespace

TEST(CodePage, GbkToUtf8Table) {
    const std::vector<GbkUtf8Case> cases = {
        {"empty", "", ""},
        {"ascii", "Hello, world 123", "Hello, world 123"},
        {"zhong", "\xD6\xD0", "\xE4\xB8\xAD"},                          // 中
        {"zhongwen", "\xD6\xD0\xCE\xC4", "\xE4\xB8\xAD\xE6\x96\x87"},  // 中文
        {"yinhao", "\xD2\xFD\xBA\xC5", "\xE5\xBC\x95\xE5\x8F\xB7"},    // 引号
        {"euro 0x80 (Windows 936 single byte)", "\x80", "\xE2\x82\xAC"},
        {"full-width space", "\xA1\xA1", "\xE3\x80\x80"},
        {"middle dot A1A4", "\xA1\xA4", "\xC2\xB7"},
        {"em dash A1AA", "\xA1\xAA", "\xE2\x80\x94"},
        {"horizontal bar A844", "\xA8\x44", "\xE2\x80\x95"},
        {"GBK ext 8140", "\x81\x40", "\xE4\xB8\x82"},  // 丂
        // Windows 936 maps the user-defined areas to the private-use block; glibc CP936 rejects them.
        {"user-defined AAA1", "\xAA\xA1", "\xEE\x80\x80"},      // U+E000
        {"user-defined F8A1", "\xF8\xA1", "\xEE\x88\xB4"},      // U+E234
        {"user-defined A140", "\xA1\x40", "\xEE\x93\x86"},      // U+E4C6
        {"user-defined A7A0 last", "\xA7\xA0", "\xEE\x9D\xA5"}, // U+E765
        // glibc: EINVAL ("incomplete character"); Windows replaces.
        {"lone lead byte at end", "a\x81", "a\xEF\xBF\xBD"},
        {"lead byte before a non-trail ASCII byte", "\x81" "0", "\xEF\xBF\xBD" "0"},
        {"lead byte before an ASCII trail byte is one character", "\x81" "a", "\xE4\xB9\xA4"},
        {"lead byte before 0x7F", "\x81\x7F", "\xEF\xBF\xBD\x7F"},
        {"lead byte before 0xFF", "\x81\xFF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"0xFF alone", "\xFF", "\xEF\xBF\xBD"},
        // Codes glibc CP936 rejects, which Windows 936 gives private-use characters in code order.
        {"hole A2AB", "\xA2\xAB", "\xEE\x9D\xA6"},     // U+E766
        {"hole A2E3 (GB18030 euro)", "\xA2\xE3", "\xEE\x9D\xAC"},  // U+E76C
        {"hole A989", "\xA9\x89", "\xEE\x9F\xA7"},     // U+E7E7
        {"hole FE50", "\xFE\x50", "\xEE\xA0\x95"},     // U+E815
        {"hole FEA0 last", "\xFE\xA0", "\xEE\xA1\xA4"}, // U+E864
        // The conversion goes through a C string: it ends at the first zero byte.
        {"zero byte inside", "ab\0cd"s, "ab"},
    };
    for (const auto& c : cases) EXPECT_EQ(LocalToUtf8(c.gbk), c.utf8) << c.name;
}

TEST(CodePage, Utf8ToGbkTable) {
    const std::vector<GbkUtf8Case> cases = {
        {"empty", "", ""},
        {"ascii", "abc", "abc"},
        {"zhong", "\xD6\xD0", "\xE4\xB8\xAD"},
        {"euro goes to the single byte 0x80", "\x80", "\xE2\x82\xAC"},
        {"full-width space", "\xA1\xA1", "\xE3\x80\x80"},
        {"PUA U+E000 -> AAA1", "\xAA\xA1", "\xEE\x80\x80"},
        {"not in 936: emoji U+1F600 (one ?)", "?", "\xF0\x9F\x98\x80"},
        {"not in 936: Hangul U+D55C", "?", "\xED\x95\x9C"},
        {"not in 936: U+FFFD", "?", "\xEF\xBF\xBD"},
        {"invalid: stray continuation", "a?b", "a\x80" "b"},
        {"invalid: truncated 3-byte", "?", "\xE4\xB8"},
        {"invalid: truncated then ASCII", "?x", "\xE4\xB8x"},
        {"invalid: overlong slash", "??", "\xC0\xAF"},
        {"invalid: encoded surrogate", "???", "\xED\xA0\x80"},
        {"invalid: above U+10FFFF", "????", "\xF4\x90\x80\x80"},
        {"invalid: 0xFF", "?", "\xFF"},
        {"zero byte inside", "ab", "ab\0cd"s},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToLocal(c.utf8), c.gbk) << c.name;
}

TEST(CodePage, MultiByteToWideIncludesTerminator) {
    EXPECT_EQ(MultiByteToWide(""), "\0\0"s);
    EXPECT_EQ(MultiByteToWide("A"), "A\0\0\0"s);
    EXPECT_EQ(MultiByteToWide("\xE4\xB8\xAD"), "\x2D\x4E\0\0"s);              // UTF-8 default
    EXPECT_EQ(MultiByteToWide("\xD6\xD0", kCodePage936), "\x2D\x4E\0\0"s);    // 936
    EXPECT_EQ(MultiByteToWide("\xD6\xD0", kCodePageAnsi), "\x2D\x4E\0\0"s);   // ANSI = 936
    // The whole text, zero bytes included, then the terminator.
    EXPECT_EQ(MultiByteToWide("a\0b"s), Le(u"a\0b\0"s));
    EXPECT_EQ(MultiByteToWide("\x80", kCodePage936), Le(u"\u20AC\0"s));
    EXPECT_EQ(MultiByteToWide("\xF0\x9F\x98\x80"), Le(u"\U0001F600\0"s));
    EXPECT_EQ(MultiByteToWide("\xFF"), Le(u"\uFFFD\0"s));
    EXPECT_EQ(MultiByteToWide("x", 1252), "");  // a code page we do not have: nothing converted
}

TEST(CodePage, WideToMultiByteStopsAtFirstZero) {
    EXPECT_EQ(WideToMultiByte(""), "");
    EXPECT_EQ(WideToMultiByte(Le(u"\u4E2D\0")), "\xD6\xD0");
    EXPECT_EQ(WideToMultiByte(Le(u"ab\0cd"s)), "ab");
    EXPECT_EQ(WideToMultiByte(Le(u"ab\0cd"s), kCodePageUtf8), "ab");
    EXPECT_EQ(WideToMultiByte(Le(u"\u4E2D"), kCodePageUtf8), "\xE4\xB8\xAD");
    EXPECT_EQ(WideToMultiByte("a\0b"s), "a");   // odd last byte is not a unit
    // Unpaired surrogates: "?" in 936, U+FFFD in UTF-8 (glibc iconv reports EILSEQ instead).
    EXPECT_EQ(WideToMultiByte(Le(u"a\xD800" "b")), "a?b");
    EXPECT_EQ(WideToMultiByte(Le(u"a\xDC00")), "a?");
    EXPECT_EQ(WideToMultiByte(Le(u"\xD800"), kCodePageUtf8), "\xEF\xBF\xBD");
    EXPECT_EQ(WideToMultiByte(Le(u"\xDC00\xD800"), kCodePageUtf8), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(WideToMultiByte(Le(u"\U0001F600"), kCodePageUtf8), "\xF0\x9F\x98\x80");
    EXPECT_EQ(WideToMultiByte(Le(u"\U0001F600")), "?");
    EXPECT_EQ(WideToMultiByte(Le(u"\u20AC")), "\x80");
    EXPECT_EQ(WideToMultiByte(Le(u"x"), 1252), "");
}

TEST(CodePage, Utf16Edges) {
    EXPECT_EQ(LocalToUtf16(""), u"");
    EXPECT_EQ(LocalToUtf16("\xD6\xD0" "a"), u"\u4E2Da");
    EXPECT_EQ(LocalToUtf16("a\0b"s), u"a\0b"s);
    EXPECT_EQ(LocalToUtf16("\x81"), u"\uFFFD");
    EXPECT_EQ(Utf16ToLocal(u"\u4E2Da"), "\xD6\xD0" "a");
    EXPECT_EQ(Utf16ToLocal(u"a\0b"s), "a\0b"s);
    EXPECT_EQ(Utf16ToLocal(u"\xD800"), "?");
    EXPECT_EQ(Utf16ToLocal(u"\uAC00"), "?");
    EXPECT_EQ(Local("\xE4\xB8\xAD"), "\xD6\xD0");
}

// Every valid GBK double-byte character survives the round trip through UTF-8 and UTF-16
// (except for codes that share one Unicode character with an earlier code).
TEST(CodePage, RoundTripAllDoubleByte) {
    int mapped = 0, roundTrips = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string wide = LocalToUtf16(gbk);
            ASSERT_EQ(wide.size(), 1u);
            if (wide[0] == 0xFFFD) continue;
            ++mapped;
            EXPECT_EQ(Utf16ToLocal(wide).size(), 2u);
            if (Utf8ToLocal(LocalToUtf8(gbk)) == gbk) ++roundTrips;
        }
    }
    EXPECT_EQ(mapped, 126 * 190);  // Windows 936 gives every valid pair a character
    EXPECT_GE(roundTrips, mapped - 8);
}

TEST(CodePage, LargeAndBinaryInputIsLinear) {
    std::string big;
    big.reserve(16u * 1024u * 1024u);
    while (big.size() < 16u * 1024u * 1024u) big += "\xD6\xD0\xCE\xC4" "abc\x81\xFF\x80";
    const auto start = std::chrono::steady_clock::now();
    const std::string utf8 = LocalToUtf8(big);
    const std::string back = Utf8ToLocal(utf8);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GT(utf8.size(), big.size());
    EXPECT_FALSE(back.empty());
    EXPECT_LT(seconds, 60.0);  // linear: ~0.1 s optimised, a few s under Debug + ASan

    std::string binary;
    for (int i = 1; i < 256 * 64; ++i) binary.push_back(static_cast<char>((i * 7919) % 255 + 1));
    EXPECT_FALSE(LocalToUtf8(binary).empty());
    EXPECT_FALSE(Utf8ToLocal(binary).empty());
    EXPECT_EQ(MultiByteToWide(binary).size() % 2, 0u);
}

TEST(CodePage, ThousandThreads) {
    std::vector<std::thread> threads;
    std::vector<int> ok(1000, 0);
    for (int i = 0; i < 1000; ++i) {
        threads.emplace_back([i, &ok] {
            bool good = true;
            for (int k = 0; k < 50; ++k) {
                good = good && Utf8ToLocal("\xE4\xB8\xAD\xE6\x96\x87") == "\xD6\xD0\xCE\xC4";
                good = good && LocalToUtf8("\xD6\xD0\xCE\xC4") == "\xE4\xB8\xAD\xE6\x96\x87";
            }
            ok[static_cast<std::size_t>(i)] = good ? 1 : 0;
        });
    }
    for (auto& t : threads) t.join();
    for (int i = 0; i < 1000; ++i) EXPECT_EQ(ok[static_cast<std::size_t>(i)], 1) << i;
}
