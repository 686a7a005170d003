#pragma once
// Workbook XML writes characters that XML cannot carry (control characters) as "_xHHHH_"; a
// spreadsheet shows the character itself, so readers decode them.

#include <string>
#include <string_view>

namespace nomvera::batch {

class OoxmlText {
public:
    // "_x000D_" becomes a carriage return, "_x005F_" an underscore; anything else stays.
    static std::string DecodeEscapes(std::string_view utf8);
};

}  // namespace nomvera::batch
