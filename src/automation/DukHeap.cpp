#include "automation/DukHeap.h"

#include <csetjmp>
#include <cstdlib>

namespace nomvera::automation {
namespace {

// Where a fatal error on this thread goes back to. The frames between the jump and its target
// are Duktape's C frames and our safe-call bodies, which hold nothing that needs destroying.
struct FatalTrap {
    std::jmp_buf target;
};
thread_local FatalTrap* tFatalTrap = nullptr;

[[noreturn]] void OnFatal(void* /*data*/, const char* /*message*/) {
    if (tFatalTrap != nullptr) std::longjmp(tFatalTrap->target, 1);
    std::abort();  // only reachable through raw API use on GetControl() outside our calls
}

using TrappedBody = void (*)(void*);

// True when `body` returned; false when a fatal error jumped out of it.
bool RunTrapped(TrappedBody body, void* data) {
    FatalTrap trap;
    FatalTrap* const outer = tFatalTrap;
    tFatalTrap = &trap;
    if (setjmp(trap.target) != 0) {
        tFatalTrap = outer;
        return false;
    }
    body(data);
    tFatalTrap = outer;
    return true;
}

struct SafeCallRequest {
    duk_context* ctx;
    duk_safe_call_function body;
    void* data;
    duk_idx_t results;
    duk_int_t rc;
};

void DoSafeCall(void* data) {
    auto* request = static_cast<SafeCallRequest*>(data);
    request->rc = duk_safe_call(request->ctx, request->body, request->data, 0, request->results);
}

void DoCreate(void* data) {
    *static_cast<duk_context**>(data) = duk_create_heap(nullptr, nullptr, nullptr, nullptr, &OnFatal);
}

void DoDestroy(void* data) {
    duk_destroy_heap(static_cast<duk_context*>(data));
}

}  // namespace

DukHeap::DukHeap() {
    duk_context* ctx = nullptr;
    if (RunTrapped(&DoCreate, &ctx)) ctx_ = ctx;
}

DukHeap::~DukHeap() {
    // A fatal error while finalizers run leaves the heap behind; nothing else can be done.
    if (ctx_ != nullptr) RunTrapped(&DoDestroy, ctx_);
}

DukOutcome DukHeap::Call(duk_safe_call_function body, void* data, duk_idx_t results) {
    if (ctx_ == nullptr) return DukOutcome::kFatal;
    SafeCallRequest request{ctx_, body, data, results, DUK_EXEC_ERROR};
    if (!RunTrapped(&DoSafeCall, &request)) {
        ctx_ = nullptr;  // its state is unknown: leaked on purpose, never used again
        return DukOutcome::kFatal;
    }
    return request.rc == DUK_EXEC_SUCCESS ? DukOutcome::kDone : DukOutcome::kScriptError;
}

}  // namespace nomvera::automation
