#pragma once
// A minimal PNG writer: 8-bit RGBA, no interlace, every row filtered with "None".

#include <cstdint>
#include <string>
#include <vector>

namespace nomvera::sim {

// rgba holds width * height * 4 bytes, rows top to bottom; empty on a size mismatch.
std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgba);

}  // namespace nomvera::sim
