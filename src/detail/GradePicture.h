#pragma once
// Which picture the grade box shows: the three-shield start picture or one of the three grades.

namespace nomvera::detail {

enum class GradePicture { Initial, Danger, NotGradable, Safe };

}  // namespace nomvera::detail
