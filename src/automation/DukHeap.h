#pragma once
// One Duktape heap and the only doors into it. Script errors are caught by duk_safe_call; a
// fatal error of the engine itself (which Duktape would end with abort()) jumps back to the
// caller instead, and the heap is then given up rather than touched again.

#include <duktape.h>

namespace nomvera::automation {

enum class DukOutcome { kDone, kScriptError, kFatal };

class DukHeap {
public:
    DukHeap();  // Context() is nullptr when the engine could not be created
    ~DukHeap();
    DukHeap(const DukHeap&) = delete;
    DukHeap& operator=(const DukHeap&) = delete;

    duk_context* Context() const { return ctx_; }

    // Runs `body` under duk_safe_call with no arguments; it leaves `results` values on the
    // stack (the error in the first one when it fails). After kFatal Context() is nullptr.
    DukOutcome Call(duk_safe_call_function body, void* data, duk_idx_t results);

private:
    duk_context* ctx_ = nullptr;
};

}  // namespace nomvera::automation
