#pragma once
// ECMAScript-style regular expressions over code page 936 text, on PCRE2's 16-bit library with
// JIT. The subject is held as UTF-16 so that match offsets are UTF-16 units. No operation
// throws or reports: failures read as "", 0 or false. One object is used by one thread.

#include <memory>
#include <string>
#include <string_view>

namespace nomvera::automation {

class RegexObject {
public:
    RegexObject();
    ~RegexObject();
    RegexObject(RegexObject&&) noexcept;
    RegexObject& operator=(RegexObject&&) noexcept;
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;

    void Destroy();
    // A second object sharing this one's compiled pattern and matches, with its own subject copy.
    RegexObject Copy() const;

    bool Search(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
                bool multiline = true, bool global = true, bool quoteEscapes = false);
    std::string GetPattern() const;
    std::string ReplaceMatches(std::string_view replacement) const;
    int GetMatchCount() const;
    std::string GetMatchText(int matchIndex, int* position = nullptr) const;
    std::string GetSubMatchText(int matchIndex, int groupIndex, int* position = nullptr) const;
    int GetSubMatchCount() const;

private:
    struct State;
    std::shared_ptr<const State> state_;  // compiled pattern and match collection, shared by Copy
    std::u16string subject_;
};

}  // namespace nomvera::automation
