#include "LevelPictures.h"

#include <cstdint>
#include <vector>

#include "PngEncoder.h"

namespace nomvera::sim {
namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 16;
constexpr int kIconSize = 12;

using Mask = std::array<const char*, kIconSize>;

constexpr Mask kHeart{"............", ".###....###.", "#####..#####", "############",
                      "############", "############", ".##########.", "..########..",
                      "...######...", "....####....", ".....##.....", "............"};
constexpr Mask kDiamond{"............", "...######...", "..########..", ".##########.",
                        "############", ".##########.", "..########..", "...######...",
                        "....####....", ".....##.....", "............", "............"};
constexpr Mask kCrown{"............", "#....##....#", "##...##...##", "###.####.###",
                      "############", "############", "############", ".##########.",
                      ".##########.", "............", "############", "############"};

struct Colour {
    std::uint8_t r, g, b;
};

std::string Draw(int level) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(kWidth) * kHeight * 4, 0);  // transparent
    if (level > 0) {
        const int tier = (level - 1) / 5;
        const int icons = (level - 1) % 5 + 1;
        const Mask& mask = tier == 0 ? kHeart : tier == 1 ? kDiamond : kCrown;
        const Colour colour = tier == 0   ? Colour{0xE0, 0x20, 0x20}
                              : tier == 3 ? Colour{0xF0, 0xB0, 0x10}
                                          : Colour{0x20, 0x60, 0xE0};
        for (int i = 0; i < icons; ++i)
            for (int y = 0; y < kIconSize; ++y)
                for (int x = 0; x < kIconSize; ++x) {
                    if (mask[static_cast<std::size_t>(y)][x] != '#') continue;
                    const std::size_t at = (static_cast<std::size_t>(y + 2) * kWidth + i * kIconSize + x) * 4;
                    rgba[at] = colour.r;
                    rgba[at + 1] = colour.g;
                    rgba[at + 2] = colour.b;
                    rgba[at + 3] = 0xFF;
                }
    }
    return EncodePng(kWidth, kHeight, rgba);
}

}  // namespace

LevelPictures::LevelPictures() {
    for (int level = 0; level < kLevelCount; ++level)
        pictures_[static_cast<std::size_t>(level)] = Draw(level);
}

const std::string* LevelPictures::Picture(int level) const {
    if (level < 0 || level >= kLevelCount) return nullptr;
    return &pictures_[static_cast<std::size_t>(level)];
}

}  // namespace nomvera::sim
