#pragma once
// Writes a file under a temporary name in the target's folder and renames it into place only when
// everything has been written, so a failed export never leaves a damaged or missing file behind.

#include <filesystem>
#include <string_view>

namespace nomvera::batch {

class ReplacingFile {
public:
    explicit ReplacingFile(std::filesystem::path target);
    // Removes the temporary file unless it has been committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file (empty); false when the folder does not take it.
    bool Create();
    // The temporary file's path, for writers that open files by name. Empty before Create.
    const std::filesystem::path& TemporaryPath() const { return temporary_; }
    // Appends bytes to the temporary file; false on any write error.
    bool Write(std::string_view bytes);
    // Flushes the temporary file to disk and renames it over the target; false when that fails.
    bool Commit();

    // Create, Write, Commit in one step.
    static bool WriteWhole(const std::filesystem::path& target, std::string_view bytes);

private:
    void CloseDescriptor();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace nomvera::batch
