#include "automation/CompiledScript.h"

#include "automation/DukHeap.h"
#include "automation/DukText.h"
#include "automation/ScriptObject.h"

namespace nomvera::automation {
namespace {

duk_ret_t CompileAndDump(duk_context* ctx, void* data) {
    const auto* source = static_cast<const std::string*>(data);
    duk_compile_lstring(ctx, 0, source->data(), source->size());
    duk_dump_function(ctx);
    return 1;
}

}  // namespace

CompiledScript CompiledScript::Compile(std::string_view code) {
    CompiledScript compiled;
    const std::string source = LocalToCesu8(UpToNul(code));
    DukHeap heap;
    if (heap.Call(&CompileAndDump, const_cast<std::string*>(&source), 1) != DukOutcome::kDone)
        return compiled;
    duk_size_t size = 0;
    const void* bytes = duk_get_buffer_data(heap.Context(), -1, &size);
    if (bytes != nullptr && size != 0)
        compiled.bytecode_ = std::make_shared<const std::string>(static_cast<const char*>(bytes), size);
    duk_pop(heap.Context());
    return compiled;
}

bool CompiledScript::RunIn(ScriptObject& target) const {
    return bytecode_ != nullptr && target.RunBytecode(*bytecode_);
}

}  // namespace nomvera::automation
