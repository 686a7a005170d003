#pragma once
// The text a spreadsheet shows for a number in its General format: at most 15 significant digits,
// no trailing zeros, plain notation from 1E-4 up to below 1E+15, else scientific ("1E+20",
// "1.5E-07").

#include <string>

namespace nomvera::batch {

class GeneralNumberText {
public:
    static std::string Format(double value);
};

}  // namespace nomvera::batch
