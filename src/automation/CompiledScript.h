#pragma once
// A script compiled once into the engine's bytecode, to be run in any number of fresh
// ScriptObjects without compiling it again. Immutable after Compile, so one instance may be
// shared by every thread.

#include <memory>
#include <string>
#include <string_view>

namespace nomvera::automation {

class ScriptObject;

class CompiledScript {
public:
    CompiledScript() = default;  // empty: running it fails

    // `code` is code page 936, compiled as a global program; empty on a syntax error.
    static CompiledScript Compile(std::string_view code);

    bool IsEmpty() const { return bytecode_ == nullptr; }

    // What ScriptObject::RunStatements does with the source text: true when it ran without
    // error; what it declares stays defined in `target`.
    bool RunIn(ScriptObject& target) const;

private:
    std::shared_ptr<const std::string> bytecode_;
};

}  // namespace nomvera::automation
