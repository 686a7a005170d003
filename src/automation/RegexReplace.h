#pragma once
// The ECMAScript String.prototype.replace substitution (GetSubstitution) over collected matches.

#include <string>
#include <string_view>

#include "automation/RegexEngine.h"

namespace nomvera::automation {

// subject with every match in matches replaced by replacement, in which $$, $&, $`, $' and $n /
// $nn (1 to 99, a group that took no part giving "") are expanded; any other "$" is itself.
std::u16string ReplaceMatchesIn(std::u16string_view subject, const MatchList& matches,
                                std::u16string_view replacement);

}  // namespace nomvera::automation
