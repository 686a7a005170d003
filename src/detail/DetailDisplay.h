#pragma once
// Grades a found account in the detail window by the shared five rules and shows it: the grade
// picture, the rules that fired, the offending numbers in red, the identity in red (buyer) or
// blue (seller, Tmall shop) and the label of the registration time.

#include "lookup/SafetyGrade.h"

namespace nomvera::detail {

class DetailSurface;

// Reads its inputs back from the surface, where the lookup has just written them.
void DetailDisplay(DetailSurface& surface, lookup::LocalTime now);

}  // namespace nomvera::detail
