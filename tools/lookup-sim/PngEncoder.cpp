#include "PngEncoder.h"

#include <zlib.h>

#include <string_view>

namespace nomvera::sim {
namespace {

void AppendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& out, std::string_view type, std::string_view data) {
    AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out += type;
    out += data;
    const auto* crcStart = reinterpret_cast<const Bytef*>(out.data() + typeAt);
    AppendBigEndian(
        out, static_cast<std::uint32_t>(crc32(0, crcStart, static_cast<uInt>(type.size() + data.size()))));
}

}  // namespace

std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgba) {
    if (width <= 0 || height <= 0 || rgba.size() != static_cast<std::size_t>(width) * height * 4) return {};
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    std::string raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw += '\0';  // filter type None
        raw.append(reinterpret_cast<const char*>(rgba.data()) + static_cast<std::size_t>(y) * rowBytes,
                   rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.resize(packedSize);

    std::string header;
    AppendBigEndian(header, static_cast<std::uint32_t>(width));
    AppendBigEndian(header, static_cast<std::uint32_t>(height));
    header +=
        std::string("\x08\x06\x00\x00\x00", 5);  // depth 8, RGBA, deflate, adaptive filters, no interlace

    std::string png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", packed);
    AppendChunk(png, "IEND", {});
    return png;
}

}  // namespace nomvera::sim
