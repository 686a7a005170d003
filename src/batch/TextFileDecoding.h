#pragma once
// Turns the bytes of an imported text file into program text (code page 936). Files saved as
// UTF-8 by today's editors are recognised; everything else is taken byte for byte.

#include <string>
#include <string_view>

namespace nomvera::batch {

class TextFileDecoding {
public:
    // The text up to the first zero byte. A UTF-8 byte-order mark, or well-formed UTF-8 holding
    // at least one non-ASCII character, means UTF-8 (the mark is dropped and the text converted);
    // otherwise the bytes are already code page 936.
    static std::string ToLocal(std::string_view bytes);

    // True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values above
    // U+10FFFF) and at least one of them is not ASCII.
    static bool IsNonAsciiUtf8(std::string_view bytes);
};

}  // namespace nomvera::batch
