#pragma once
// Reads a whole file into memory, refusing files beyond a size limit so a mistaken choice (a disk
// image, a video) cannot exhaust memory.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace nomvera::batch {

class FileReading {
public:
    // The file's bytes; nullopt when it cannot be opened or read, or holds more than maxBytes.
    static std::optional<std::string> ReadAll(const std::filesystem::path& path, std::uint64_t maxBytes);
};

}  // namespace nomvera::batch
