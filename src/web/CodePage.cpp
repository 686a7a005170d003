// Code page 936 <-> UTF-16 <-> UTF-8 with Windows' MultiByteToWideChar / WideCharToMultiByte
// semantics (no flags).
//
// The GBK double-byte table is taken once, at first use, from glibc's iconv "CP936" converter
// (falling back to "GBK") and kept in two immutable tables; every conversion after that is a
// plain table walk without locks, allocations beyond the result, or iconv state. That makes the
// routines thread-safe, linear and cheap from any number of threads (the table build is a
// function-local static, initialised exactly once under the C++ magic-static guarantee).
//
// Where glibc and Windows 936 differ, the Windows behaviour is built in here:
//  - single byte 0x80 is U+20AC "€" (glibc 2.36 CP936 agrees; GBK/older glibc may not, so it is
//    forced), and U+20AC encodes back to the single byte 0x80;
//  - the user-defined areas AAA1-AFFE, F8A1-FEFE and A140-A7A0, which glibc's CP936 rejects, map to
//    the private-use block U+E000-U+E765 as Windows does;
//  - glibc reports illegal / incomplete input (lone lead bytes, 0xFF, unmapped pairs, unpaired
//    surrogates, invalid UTF-8) as errors (EILSEQ/EINVAL) and stops; here it is replaced:
//    decoding gives U+FFFD, encoding to 936 gives "?" (the code page's default character);
//  - the other codes that glibc's CP936 leaves unassigned (A2AB-A2B0, A6D9-A6DF, FE50-FEA0, ...)
//    map to U+E766-U+E864 as in Windows (see AddPrivateUseHoles);
//  - no best-fit mapping is done when encoding to 936: any character without an exact mapping
//    becomes "?" (one "?" per code point, so a valid surrogate pair gives one "?").
//
// GBK decoding: a byte 0x81-0xFE followed by a valid trail byte (0x40-0x7E, 0x80-0xFE) is one
// character (U+FFFD when the pair is unmapped); followed by any other byte or by nothing, the lead
// byte alone becomes U+FFFD and the next byte is decoded on its own (so an ASCII byte after a
// broken lead byte survives). 0xFF is U+FFFD.
//
// UTF-8 decoding replaces each maximal ill-formed subpart with one U+FFFD (Unicode's
// recommended practice, which is what Windows does): overlong forms, encoded surrogates, values
// above U+10FFFF, stray continuation bytes and truncated sequences.

#include "web/CodePage.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <memory>

namespace nomvera::web {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char kDefaultChar = '?';

struct GbkTables {
    // decode[(lead - 0x81) * 191 + (trail - 0x40)]; 0 = unmapped.
    std::array<char16_t, 126 * 191> decode{};
    // encode[unit] = GBK code (single byte < 0x100 or lead << 8 | trail); 0 = unmapped.
    std::array<std::uint16_t, 65536> encode{};
};

bool IsTrail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

void AddPair(GbkTables& t, unsigned lead, unsigned trail, char16_t unit) {
    t.decode[(lead - 0x81) * 191 + (trail - 0x40)] = unit;
    if (t.encode[unit] == 0) t.encode[unit] = static_cast<std::uint16_t>(lead << 8 | trail);
}

// Windows 936's user-defined areas in code order, mapped to U+E000 onwards.
void AddUserDefined(GbkTables& t) {
    char16_t pua = 0xE000;
    auto range = [&](unsigned leadFrom, unsigned leadTo, unsigned trailFrom, unsigned trailTo) {
        for (unsigned lead = leadFrom; lead <= leadTo; ++lead)
            for (unsigned trail = trailFrom; trail <= trailTo; ++trail) {
                if (trail == 0x7F) continue;
                if (t.decode[(lead - 0x81) * 191 + (trail - 0x40)] == 0) AddPair(t, lead, trail, pua);
                ++pua;
            }
    };
    range(0xAA, 0xAF, 0xA1, 0xFE);  // U+E000-U+E233
    range(0xF8, 0xFE, 0xA1, 0xFE);  // U+E234-U+E4C5
    range(0xA1, 0xA7, 0x40, 0xA0);  // U+E4C6-U+E765
}

// Windows 936 also gives the unassigned codes inside the GB2312 rows (and D7FA-D7FE, FE50-FEA0)
// private-use characters U+E766-U+E864, in code order (so every pair of a lead byte 81-FE and a
// trail byte 40-7E/80-FE has a character, as in Windows). GB18030-2005 shares most of this
// assignment; glibc's CP936 rejects these codes and its GB18030 (2022 edition) maps some elsewhere.
void AddPrivateUseHoles(GbkTables& t) {
    struct Run {
        unsigned lead, trailFrom, trailTo;
        char16_t first;
    };
    static constexpr Run runs[] = {
        {0xA2, 0xAB, 0xB0, 0xE766}, {0xA2, 0xE3, 0xE4, 0xE76C}, {0xA2, 0xEF, 0xF0, 0xE76E},
        {0xA2, 0xFD, 0xFE, 0xE770}, {0xA4, 0xF4, 0xFE, 0xE772}, {0xA5, 0xF7, 0xFE, 0xE77D},
        {0xA6, 0xB9, 0xC0, 0xE785}, {0xA6, 0xD9, 0xDF, 0xE78D}, {0xA6, 0xEC, 0xED, 0xE794},
        {0xA6, 0xF3, 0xF3, 0xE796}, {0xA6, 0xF6, 0xFE, 0xE797}, {0xA7, 0xC2, 0xD0, 0xE7A0},
        {0xA7, 0xF2, 0xFE, 0xE7AF}, {0xA8, 0x96, 0xA0, 0xE7BC}, {0xA8, 0xBC, 0xBC, 0xE7C7},
        {0xA8, 0xBF, 0xBF, 0xE7C8}, {0xA8, 0xC1, 0xC4, 0xE7C9}, {0xA8, 0xEA, 0xFE, 0xE7CD},
        {0xA9, 0x58, 0x58, 0xE7E2}, {0xA9, 0x5B, 0x5B, 0xE7E3}, {0xA9, 0x5D, 0x5F, 0xE7E4},
        {0xA9, 0x89, 0x95, 0xE7E7}, {0xA9, 0x97, 0xA3, 0xE7F4}, {0xA9, 0xF0, 0xFE, 0xE801}, {0xD7, 0xFA, 0xFE, 0xE810},
        {0xFE, 0x50, 0xA0, 0xE815},
    };
    for (const Run& r : runs) {
        char16_t pua = r.first;
        for (unsigned trail = r.trailFrom; trail <= r.trailTo; ++trail) {
            if (trail == 0x7F) continue;
            if (t.decode[(r.lead - 0x81) * 191 + (trail - 0x40)] == 0 && t.encode[pua] == 0)
                AddPair(t, r.lead, trail, pua);
            ++pua;
        }
    }
}

void FillFromIconv(GbkTables& t) {
    iconv_t cd = iconv_open("UTF-16LE", "CP936");
    if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-16LE", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) return;  // ASCII and 0x80 only; never crash
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            char out[8] = {};
            char* inPtr = in;
            char* outPtr = out;
            std::size_t inLeft = 2, outLeft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);  // reset state
            const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
            if (rc == static_cast<std::size_t>(-1) || inLeft != 0 || sizeof out - outLeft != 2) continue;
            const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                                        static_cast<unsigned char>(out[1]) << 8);
            if (unit == 0 || (unit >= 0xD800 && unit <= 0xDFFF) || unit == kReplacement) continue;
            AddPair(t, lead, trail, unit);
        }
    }
    iconv_close(cd);
}

const GbkTables& Tables() {
    static const std::unique_ptr<GbkTables> tables = [] {
        auto t = std::make_unique<GbkTables>();
        for (unsigned b = 1; b < 0x80; ++b) t->encode[b] = static_cast<std::uint16_t>(b);
        t->encode[0x20AC] = 0x80;  // Windows 936: single byte 0x80 is the euro sign
        FillFromIconv(*t);
        AddUserDefined(*t);
        AddPrivateUseHoles(*t);
        return t;
    }();
    return *tables;
}

// ---- decoders: call sink(char16_t) for every UTF-16 unit; stop when it returns false ----

template <typename Sink>
void DecodeGbk(std::string_view text, Sink&& sink) {
    const GbkTables& t = Tables();
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(text[i]);
        char16_t unit;
        if (b < 0x80) {
            unit = b;
            i += 1;
        } else if (b == 0x80) {
            unit = 0x20AC;
            i += 1;
        } else if (b == 0xFF) {
            unit = kReplacement;
            i += 1;
        } else if (i + 1 < n && IsTrail(static_cast<unsigned char>(text[i + 1]))) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            unit = t.decode[(b - 0x81) * 191 + (trail - 0x40)];
            if (unit == 0) unit = kReplacement;
            i += 2;
        } else {
            unit = kReplacement;  // lone or broken lead byte
            i += 1;
        }
        if (!sink(unit)) return;
    }
}

template <typename Sink>
bool EmitCodePoint(char32_t cp, Sink& sink) {
    if (cp < 0x10000) return sink(static_cast<char16_t>(cp));
    cp -= 0x10000;
    if (!sink(static_cast<char16_t>(0xD800 + (cp >> 10)))) return false;
    return sink(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

template <typename Sink>
void DecodeUtf8(std::string_view text, Sink&& sink) {
    const std::size_t n = text.size();
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = at(i);
        if (b < 0x80) {
            if (!sink(static_cast<char16_t>(b))) return;
            ++i;
            continue;
        }
        int need;
        char32_t cp;
        unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            need = 1;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            need = 2;
            cp = b & 0x0F;
            if (b == 0xE0) lo = 0xA0;
            if (b == 0xED) hi = 0x9F;  // no encoded surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            need = 3;
            cp = b & 0x07;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;
        } else {
            if (!sink(kReplacement)) return;  // 0x80-0xC1, 0xF5-0xFF
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool ok = true;
        for (int k = 0; k < need; ++k, ++j) {
            if (j >= n) {
                ok = false;
                break;
            }
            const unsigned char c = at(j);
            const bool inRange = k == 0 ? (c >= lo && c <= hi) : (c >= 0x80 && c <= 0xBF);
            if (!inRange) {
                ok = false;
                break;
            }
            cp = cp << 6 | (c & 0x3F);
        }
        if (!ok) {
            if (!sink(kReplacement)) return;  // the maximal ill-formed subpart i..j-1
            i = j;
            continue;
        }
        if (!EmitCodePoint(cp, sink)) return;
        i = j;
    }
}

// ---- encoders: feed UTF-16 units in, bytes come out into `out` ----

struct Utf8Encoder {
    std::string& out;
    char16_t pendingHigh = 0;

    void Put(char32_t cp) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    void Unit(char16_t u) {
        if (pendingHigh != 0) {
            if (u >= 0xDC00 && u <= 0xDFFF) {
                Put(0x10000 + ((static_cast<char32_t>(pendingHigh) - 0xD800) << 10) + (u - 0xDC00));
                pendingHigh = 0;
                return;
            }
            Put(kReplacement);  // unpaired high surrogate
            pendingHigh = 0;
        }
        if (u >= 0xD800 && u <= 0xDBFF) {
            pendingHigh = u;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            Put(kReplacement);  // unpaired low surrogate
        } else {
            Put(u);
        }
    }
    void Finish() {
        if (pendingHigh != 0) Put(kReplacement);
        pendingHigh = 0;
    }
};

struct GbkEncoder {
    std::string& out;
    const GbkTables& t = Tables();
    bool pendingHigh = false;

    void Unit(char16_t u) {
        if (pendingHigh) {
            pendingHigh = false;
            if (u >= 0xDC00 && u <= 0xDFFF) {
                out.push_back(kDefaultChar);  // a supplementary character: one "?"
                return;
            }
            out.push_back(kDefaultChar);  // unpaired high surrogate
        }
        if (u >= 0xD800 && u <= 0xDBFF) {
            pendingHigh = true;
            return;
        }
        if (u == 0) {
            out.push_back('\0');
            return;
        }
        const std::uint16_t code = t.encode[u];
        if (code == 0) {
            out.push_back(kDefaultChar);
        } else if (code < 0x100) {
            out.push_back(static_cast<char>(code));
        } else {
            out.push_back(static_cast<char>(code >> 8));
            out.push_back(static_cast<char>(code & 0xFF));
        }
    }
    void Finish() {
        if (pendingHigh) out.push_back(kDefaultChar);
        pendingHigh = false;
    }
};

enum class Kind { Gbk, Utf8, Unknown };

Kind KindOf(int codePage) {
    if (codePage == kCodePageAnsi || codePage == kCodePage936) return Kind::Gbk;
    if (codePage == kCodePageUtf8) return Kind::Utf8;
    return Kind::Unknown;
}

void PutLe(std::string& out, char16_t u) {
    out.push_back(static_cast<char>(u & 0xFF));
    out.push_back(static_cast<char>(u >> 8));
}

// Decodes `text` up to (not including) its first zero character and encodes it with Encoder.
template <typename Encoder, typename Decode>
std::string Transcode(std::string_view text, Decode decode, std::size_t reserve) {
    std::string out;
    out.reserve(reserve);
    Encoder enc{out};
    decode(text, [&](char16_t u) {
        if (u == 0) return false;
        enc.Unit(u);
        return true;
    });
    enc.Finish();
    return out;
}

}  // namespace

std::string LocalToUtf8(std::string_view text) {
    // == WideToMultiByte(MultiByteToWide(text, 936), 65001): stops at the first zero byte.
    return Transcode<Utf8Encoder>(
        text, [](std::string_view s, auto&& sink) { DecodeGbk(s, sink); }, text.size() + text.size() / 2);
}

std::string Utf8ToLocal(std::string_view text) {
    // == WideToMultiByte(MultiByteToWide(text, 65001), 936): stops at the first zero byte.
    return Transcode<GbkEncoder>(
        text, [](std::string_view s, auto&& sink) { DecodeUtf8(s, sink); }, text.size());
}

std::string MultiByteToWide(std::string_view text, int codePage) {
    const Kind kind = KindOf(codePage);
    if (kind == Kind::Unknown) return {};  // MultiByteToWideChar fails: nothing converted
    std::string out;
    out.reserve(2 * text.size() + 2);
    auto sink = [&](char16_t u) {
        PutLe(out, u);
        return true;
    };
    if (kind == Kind::Gbk)
        DecodeGbk(text, sink);
    else
        DecodeUtf8(text, sink);
    PutLe(out, 0);  // the converted terminating zero
    return out;
}

std::string WideToMultiByte(std::string_view wide, int codePage) {
    const Kind kind = KindOf(codePage);
    if (kind == Kind::Unknown) return {};
    std::string out;
    out.reserve(wide.size());
    const std::size_t units = wide.size() / 2;  // an odd last byte is not a unit
    auto run = [&](auto& enc) {
        for (std::size_t k = 0; k < units; ++k) {
            const auto u = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * k]) |
                                                 static_cast<unsigned char>(wide[2 * k + 1]) << 8);
            if (u == 0) break;
            enc.Unit(u);
        }
        enc.Finish();
    };
    if (kind == Kind::Gbk) {
        GbkEncoder enc{out};
        run(enc);
    } else {
        Utf8Encoder enc{out};
        run(enc);
    }
    return out;
}

std::u16string LocalToUtf16(std::string_view text) {
    // The whole text, zero bytes included (a u16string carries its length), no terminator added.
    std::u16string out;
    out.reserve(text.size());
    DecodeGbk(text, [&](char16_t u) {
        out.push_back(u);
        return true;
    });
    return out;
}

std::string Utf16ToLocal(std::u16string_view text) {
    // The whole text, zero units included; unpaired surrogates and unmapped characters give "?".
    std::string out;
    out.reserve(text.size() * 2);
    GbkEncoder enc{out};
    for (const char16_t u : text) enc.Unit(u);
    enc.Finish();
    return out;
}

}  // namespace nomvera::web
