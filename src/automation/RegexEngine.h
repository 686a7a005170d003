#pragma once
// A compiled ECMAScript pattern on PCRE2's 16-bit library (JIT when available) and the left-to-right
// collection of its matches, with bounded match, depth and heap limits.

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace nomvera::automation {

// Match spans in UTF-16 units: for each match, groupCount + 1 (begin, end) pairs, group 0 first.
struct MatchList {
    static constexpr size_t kUnset = ~size_t{0};  // a group that took no part

    size_t groupCount = 0;
    std::vector<size_t> spans;

    size_t Count() const { return spans.size() / ((groupCount + 1) * 2); }
    size_t Begin(size_t match, size_t group) const { return spans[(match * (groupCount + 1) + group) * 2]; }
    size_t End(size_t match, size_t group) const { return spans[(match * (groupCount + 1) + group) * 2 + 1]; }
};

class RegexEngine {
public:
    // Limits of one pcre2_match call; they bound the time and memory a hopeless subject costs.
    static constexpr unsigned kMatchLimit = 20'000'000;
    static constexpr unsigned kDepthLimit = 100'000;
    static constexpr size_t kHeapLimitKiB = 64 * 1024;
    static constexpr size_t kJitStackMax = 8 * 1024 * 1024;

    // Nothing when the pattern is rejected.
    static std::unique_ptr<RegexEngine> Compile(std::u16string_view ecmaPattern, bool ignoreCase,
                                                bool multiline);
    ~RegexEngine();
    RegexEngine(const RegexEngine&) = delete;
    RegexEngine& operator=(const RegexEngine&) = delete;

    size_t GroupCount() const { return groupCount_; }
    bool UsesJit() const { return jit_; }

    // Every match from left to right without overlap (only the first unless global); an empty
    // match moves the next attempt on by one unit. Nothing when the engine gave up on a limit.
    std::optional<MatchList> Collect(std::u16string_view subject, bool global) const;

private:
    struct Code;
    explicit RegexEngine(std::unique_ptr<Code> code);

    std::unique_ptr<Code> code_;
    size_t groupCount_ = 0;
    bool jit_ = false;
};

}  // namespace nomvera::automation
