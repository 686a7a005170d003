// Compile options, and why:
//  - PCRE2_UTF: case folding beyond ASCII (Ａ/ａ, Greek, Cyrillic) as ECMAScript's ignoreCase does,
//    while \d, \w and \b stay ASCII (no UCP). Our subjects come from code page 936, which has only
//    BMP characters, so one character is one unit, as in ECMAScript. PCRE2_MATCH_INVALID_UTF
//    still lets a stray surrogate simply not match, and spares the per-call UTF check, which
//    would make global collection over a large subject quadratic.
//  - PCRE2_ALT_BSUX: \uHHHH and \xHH as ECMAScript reads them (else a literal u / x).
//  - PCRE2_MATCH_UNSET_BACKREF: a reference to a group that has not matched matches empty.
//  - PCRE2_ALT_CIRCUMFLEX: a multi-line ^ also matches after a final line feed.
//  - PCRE2_DOLLAR_ENDONLY: a single-line $ only at the very end, not before a final line feed.
//  - Newline is LF only: a dot matches everything but a line feed ("\r" included).
//
// The JIT stack belongs to one Collect call, so no two threads ever share one.

#include "automation/RegexEngine.h"

#include <algorithm>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace nomvera::automation {
namespace {

template <typename T, void (*Free)(T*)>
struct Deleter {
    void operator()(T* p) const { Free(p); }
};
using CompileContext =
    std::unique_ptr<pcre2_compile_context, Deleter<pcre2_compile_context, pcre2_compile_context_free>>;
using MatchContext =
    std::unique_ptr<pcre2_match_context, Deleter<pcre2_match_context, pcre2_match_context_free>>;
using MatchData = std::unique_ptr<pcre2_match_data, Deleter<pcre2_match_data, pcre2_match_data_free>>;
using JitStack = std::unique_ptr<pcre2_jit_stack, Deleter<pcre2_jit_stack, pcre2_jit_stack_free>>;

constexpr size_t kJitStackStart = 32 * 1024;

PCRE2_SPTR Units(std::u16string_view text) {
    return reinterpret_cast<PCRE2_SPTR>(text.data());
}

}  // namespace

struct RegexEngine::Code {
    pcre2_code* code = nullptr;
    ~Code() { pcre2_code_free(code); }
};

RegexEngine::RegexEngine(std::unique_ptr<Code> code) : code_(std::move(code)) {}
RegexEngine::~RegexEngine() = default;

std::unique_ptr<RegexEngine> RegexEngine::Compile(std::u16string_view ecmaPattern, bool ignoreCase,
                                                  bool multiline) {
    const CompileContext context(pcre2_compile_context_create(nullptr));
    if (!context) return nullptr;
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF |
                       PCRE2_ALT_CIRCUMFLEX | PCRE2_DOLLAR_ENDONLY | PCRE2_NEVER_BACKSLASH_C;
    if (ignoreCase) options |= PCRE2_CASELESS;
    if (multiline) options |= PCRE2_MULTILINE;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    auto code = std::make_unique<Code>();
    code->code =
        pcre2_compile(Units(ecmaPattern), ecmaPattern.size(), options, &error, &errorOffset, context.get());
    if (code->code == nullptr) return nullptr;
    uint32_t groups = 0;
    pcre2_pattern_info(code->code, PCRE2_INFO_CAPTURECOUNT, &groups);
    const bool jit = pcre2_jit_compile(code->code, PCRE2_JIT_COMPLETE) == 0;  // else the interpreter
    std::unique_ptr<RegexEngine> engine(new RegexEngine(std::move(code)));
    engine->groupCount_ = groups;
    engine->jit_ = jit;
    return engine;
}

std::optional<MatchList> RegexEngine::Collect(std::u16string_view subject, bool global) const {
    const MatchContext context(pcre2_match_context_create(nullptr));
    const MatchData data(pcre2_match_data_create_from_pattern(code_->code, nullptr));
    if (!context || !data) return std::nullopt;
    pcre2_set_match_limit(context.get(), kMatchLimit);
    pcre2_set_depth_limit(context.get(), kDepthLimit);
    pcre2_set_heap_limit(context.get(), kHeapLimitKiB);
    JitStack stack;
    if (jit_) {
        stack.reset(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
        if (stack) pcre2_jit_stack_assign(context.get(), nullptr, stack.get());
    }

    MatchList list;
    list.groupCount = groupCount_;
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
    size_t start = 0;
    while (start <= subject.size()) {
        int rc =
            pcre2_match(code_->code, Units(subject), subject.size(), start, 0, data.get(), context.get());
        if (rc == PCRE2_ERROR_JIT_STACKLIMIT)  // the interpreter keeps its frames on the heap
            rc = pcre2_match(code_->code, Units(subject), subject.size(), start, PCRE2_NO_JIT, data.get(),
                             context.get());
        if (rc == PCRE2_ERROR_NOMATCH) break;
        if (rc <= 0) {
            // A limit, or no memory. Matches already collected are real: keep them and end the
            // pass there (a found record followed by a hopeless tail must still read as found).
            if (list.spans.empty()) return std::nullopt;
            break;
        }
        for (size_t k = 0; k < (groupCount_ + 1) * 2; ++k) {
            const bool set = k / 2 < static_cast<size_t>(rc) && ovector[k] != PCRE2_UNSET;
            list.spans.push_back(set ? ovector[k] : MatchList::kUnset);
        }
        if (!global) break;
        const size_t begin = ovector[0];
        const size_t end = ovector[1];
        start = end > begin ? end : std::max(begin, end) + 1;
    }
    return list;
}

}  // namespace nomvera::automation
