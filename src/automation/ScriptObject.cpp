#include "automation/ScriptObject.h"

#include <cstring>

#include "automation/DukHeap.h"
#include "automation/DukText.h"

namespace nomvera::automation {
namespace {

constexpr const char* kJScript = "JScript";
constexpr int kDefaultTimeout = 10000;  // the script control's own default, in milliseconds
constexpr int kNoTimeout = -1;

// Leaves the value on the stack top as the text a caller sees: undefined and null give "".
void ToResultText(duk_context* ctx) {
    if (duk_is_null_or_undefined(ctx, -1)) {
        duk_pop(ctx);
        duk_push_lstring(ctx, "", 0);
    } else {
        duk_to_string(ctx, -1);
    }
}

struct SourceJob {
    const std::string* source;
    duk_uint_t flags;  // 0 for a global program, DUK_COMPILE_EVAL for an expression
    bool wantText;
};

duk_ret_t CompileAndRun(duk_context* ctx, void* data) {
    const auto* job = static_cast<const SourceJob*>(data);
    duk_compile_lstring(ctx, job->flags, job->source->data(), job->source->size());
    duk_call(ctx, 0);
    if (job->wantText) ToResultText(ctx);
    return 1;
}

duk_ret_t LoadAndRun(duk_context* ctx, void* data) {
    const auto* bytecode = static_cast<const std::string_view*>(data);
    void* buffer = duk_push_fixed_buffer(ctx, bytecode->size());
    std::memcpy(buffer, bytecode->data(), bytecode->size());
    duk_load_function(ctx);
    duk_call(ctx, 0);
    return 1;
}

}  // namespace

struct ScriptObject::ProcedureArg {
    const std::string* text;  // nullptr for a number
    int number;
};

namespace {

struct CallJob {
    const std::string* name;
    const void* args;  // ScriptObject::ProcedureArg[6]
};

}  // namespace

struct ScriptObject::Engine {
    std::unique_ptr<DukHeap> heap = std::make_unique<DukHeap>();
    int timeout = kDefaultTimeout;
    int state = 0;
    bool allowUserInterface = true;
    std::intptr_t siteWindow = 0;

    bool Alive() const { return heap->Context() != nullptr; }

    // Runs `body`, takes its one result as text (when asked) and leaves the stack as it was.
    bool Run(duk_safe_call_function body, void* data, std::string* text = nullptr) {
        if (heap->Call(body, data, 1) != DukOutcome::kDone) {
            if (Alive()) duk_pop(heap->Context());
            return false;
        }
        if (text != nullptr) {
            duk_size_t size = 0;
            const char* bytes = duk_get_lstring(heap->Context(), -1, &size);
            *text = Cesu8ToLocal(std::string_view(bytes != nullptr ? bytes : "", size));
        }
        duk_pop(heap->Context());
        return true;
    }

    static duk_ret_t CallNamed(duk_context* ctx, void* data) {
        const auto* job = static_cast<const CallJob*>(data);
        const auto* args = static_cast<const ProcedureArg*>(job->args);
        duk_push_global_object(ctx);
        duk_get_prop_lstring(ctx, -1, job->name->data(), job->name->size());
        if (!duk_is_function(ctx, -1)) return DUK_RET_TYPE_ERROR;  // no such procedure
        for (int i = 0; i < 6; ++i) {
            if (args[i].text != nullptr)
                duk_push_lstring(ctx, args[i].text->data(), args[i].text->size());
            else
                duk_push_int(ctx, args[i].number);
        }
        duk_call(ctx, 6);
        ToResultText(ctx);
        return 1;
    }
};

ScriptObject::ScriptObject() : engine_(std::make_shared<Engine>()) {}
ScriptObject::ScriptObject(std::shared_ptr<Engine> engine) : engine_(std::move(engine)) {}
ScriptObject::~ScriptObject() = default;
ScriptObject::ScriptObject(ScriptObject&&) noexcept = default;
ScriptObject& ScriptObject::operator=(ScriptObject&&) noexcept = default;

void ScriptObject::Destroy() {
    engine_.reset();
}

ScriptObject ScriptObject::Copy() const {
    return ScriptObject(engine_);
}

bool ScriptObject::RunStatements(std::string_view code) {
    if (!engine_ || !engine_->Alive()) return false;
    const std::string source = LocalToCesu8(UpToNul(code));
    SourceJob job{&source, 0, false};
    return engine_->Run(&CompileAndRun, &job);
}

std::string ScriptObject::Evaluate(std::string_view expression) {
    std::string result;
    if (!engine_ || !engine_->Alive()) return result;
    const std::string source = LocalToCesu8(UpToNul(expression));
    SourceJob job{&source, DUK_COMPILE_EVAL, true};
    if (!engine_->Run(&CompileAndRun, &job, &result)) result.clear();
    return result;
}

void ScriptObject::ResetEngine() {
    if (!engine_) return;
    engine_->heap.reset();  // the old heap goes before the new one is built
    engine_->heap = std::make_unique<DukHeap>();
    engine_->state = 0;
}

void* ScriptObject::GetControl() const {
    return engine_ ? engine_->heap->Context() : nullptr;
}

bool ScriptObject::RunBytecode(std::string_view bytecode) {
    if (!engine_ || !engine_->Alive() || bytecode.empty()) return false;
    return engine_->Run(&LoadAndRun, &bytecode);
}

std::string ScriptObject::Call(std::string_view procedure, const ProcedureArg (&args)[6]) {
    std::string result;
    if (!engine_ || !engine_->Alive()) return result;
    const std::string name = LocalToCesu8(UpToNul(procedure));
    CallJob job{&name, args};
    if (!engine_->Run(&Engine::CallNamed, &job, &result)) result.clear();
    return result;
}

std::string ScriptObject::CallProcedure(std::string_view procedure, std::string_view a1, std::string_view a2,
                                        std::string_view a3, std::string_view a4, std::string_view a5,
                                        std::string_view a6) {
    const std::string t[6] = {LocalToCesu8(a1), LocalToCesu8(a2), LocalToCesu8(a3),
                              LocalToCesu8(a4), LocalToCesu8(a5), LocalToCesu8(a6)};
    const ProcedureArg args[6] = {{&t[0], 0}, {&t[1], 0}, {&t[2], 0}, {&t[3], 0}, {&t[4], 0}, {&t[5], 0}};
    return Call(procedure, args);
}

std::string ScriptObject::CallProcedureInt2(std::string_view procedure, std::string_view a1, int a2,
                                            std::string_view a3, std::string_view a4, std::string_view a5,
                                            std::string_view a6) {
    const std::string t[5] = {LocalToCesu8(a1), LocalToCesu8(a3), LocalToCesu8(a4), LocalToCesu8(a5),
                              LocalToCesu8(a6)};
    const ProcedureArg args[6] = {{&t[0], 0}, {nullptr, a2}, {&t[1], 0}, {&t[2], 0}, {&t[3], 0}, {&t[4], 0}};
    return Call(procedure, args);
}

std::string ScriptObject::CallProcedureInt23(std::string_view procedure, std::string_view a1, int a2, int a3,
                                             std::string_view a4, std::string_view a5, std::string_view a6) {
    const std::string t[4] = {LocalToCesu8(a1), LocalToCesu8(a4), LocalToCesu8(a5), LocalToCesu8(a6)};
    const ProcedureArg args[6] = {{&t[0], 0}, {nullptr, a2}, {nullptr, a3},
                                  {&t[1], 0}, {&t[2], 0},    {&t[3], 0}};
    return Call(procedure, args);
}

std::string ScriptObject::SetLanguage(int languageCode) {
    if (!engine_ || !engine_->Alive()) return {};
    // 0 asks for JScript, which is what this engine runs. 1 asks for VBScript, which it cannot
    // run, so like any other code the language stays as it is and the result says so.
    (void)languageCode;
    return kJScript;
}

int ScriptObject::SetTimeout(std::optional<int> milliseconds) {
    if (!engine_ || !engine_->Alive()) return 0;
    // Stored and read back only: this engine build has no execution time-out check.
    const int wanted = milliseconds.value_or(kNoTimeout);
    if (wanted >= kNoTimeout) engine_->timeout = wanted;
    return engine_->timeout;
}

int ScriptObject::EngineState(std::optional<int> state) {
    if (!engine_ || !engine_->Alive()) return 0;
    // 0 initialised, 1 connected; there are no events to connect, so it is only kept.
    if (state && (*state == 0 || *state == 1)) engine_->state = *state;
    return engine_->state;
}

bool ScriptObject::AllowUserInterface(std::optional<bool> allow) {
    if (!engine_ || !engine_->Alive()) return false;
    // The engine offers scripts no dialogs, so this is only kept.
    if (allow) engine_->allowUserInterface = *allow;
    return engine_->allowUserInterface;
}

std::intptr_t ScriptObject::SiteWindow(std::optional<std::intptr_t> window) {
    if (!engine_ || !engine_->Alive()) return 0;
    // Only kept: no script here can open a window that would need an owner.
    if (window) engine_->siteWindow = *window;
    return engine_->siteWindow;
}

void ScriptObject::AddScriptCode(std::string_view code) {
    RunStatements(code);
}

}  // namespace nomvera::automation
