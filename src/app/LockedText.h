#pragma once
// A text handed from a worker thread to the GUI thread. Readers get a copy taken under the lock,
// so a text is never read while another thread replaces or frees it.

#include <mutex>
#include <optional>
#include <string>

namespace nomvera::app {

class LockedText {
public:
    void Set(std::string text);
    // The stored text, or an empty text when none is stored.
    std::string Get() const;
    bool HasText() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::optional<std::string> text_;
};

}  // namespace nomvera::app
