#include "batch/FileReading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace nomvera::batch {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::optional<std::string> FileReading::ReadAll(const std::filesystem::path& path, std::uint64_t maxBytes) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return std::nullopt;
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || S_ISDIR(status.st_mode)) return std::nullopt;
    if (S_ISREG(status.st_mode) && static_cast<std::uint64_t>(status.st_size) > maxBytes) return std::nullopt;

    std::string bytes;
    if (S_ISREG(status.st_mode)) bytes.reserve(static_cast<std::size_t>(status.st_size));
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        // A file may grow while it is read, or not be a regular file at all.
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes) return std::nullopt;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
}

}  // namespace nomvera::batch
