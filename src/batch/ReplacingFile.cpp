#include "batch/ReplacingFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace nomvera::batch {

ReplacingFile::ReplacingFile(std::filesystem::path target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
    CloseDescriptor();
    if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
}

void ReplacingFile::CloseDescriptor() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool ReplacingFile::Create() {
    if (fd_ >= 0 || target_.empty() || !target_.has_filename()) return false;
    std::string pattern = target_.string() + ".XXXXXX";
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) return false;
    temporary_ = pattern;
    // mkstemp makes the file private to its owner; a replaced file keeps its permissions, a new one
    // gets the usual ones (umask is process-wide state, so it is not read here).
    struct stat existing {};
    ::fchmod(fd_, ::stat(target_.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
    return true;
}

bool ReplacingFile::Write(std::string_view bytes) {
    if (fd_ < 0) return false;
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool ReplacingFile::Commit() {
    if (temporary_.empty() || committed_) return false;
    if (fd_ >= 0) {
        const bool flushed = ::fsync(fd_) == 0;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        if (!flushed || !closed) return false;
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

bool ReplacingFile::WriteWhole(const std::filesystem::path& target, std::string_view bytes) {
    ReplacingFile file(target);
    return file.Create() && file.Write(bytes) && file.Commit();
}

}  // namespace nomvera::batch
