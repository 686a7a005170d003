#include "app/LockedText.h"

#include <utility>

namespace nomvera::app {

void LockedText::Set(std::string text) {
    std::optional<std::string> old;
    {
        std::lock_guard lock(mutex_);
        old = std::exchange(text_, std::move(text));
    }
    // The old text is freed outside the lock.
}

std::string LockedText::Get() const {
    std::lock_guard lock(mutex_);
    return text_.value_or(std::string());
}

bool LockedText::HasText() const {
    std::lock_guard lock(mutex_);
    return text_.has_value();
}

void LockedText::Clear() {
    std::optional<std::string> old;
    std::lock_guard lock(mutex_);
    old.swap(text_);
}

}  // namespace nomvera::app
