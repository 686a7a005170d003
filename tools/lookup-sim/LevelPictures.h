#pragma once
// The credit-level pictures: 1 to 5 red hearts, then blue diamonds, blue crowns and gold
// crowns, five levels each; level 0 is an empty picture. 60 x 16 pixels.

#include <array>
#include <string>

namespace nomvera::sim {

constexpr int kLevelCount = 21;  // levels 0..20

class LevelPictures {
public:
    LevelPictures();
    // The PNG bytes of a level; nullptr outside 0..20.
    const std::string* Picture(int level) const;

private:
    std::array<std::string, kLevelCount> pictures_;
};

}  // namespace nomvera::sim
