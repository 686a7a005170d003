#pragma once
// A script engine (Duktape, ECMAScript 5.1) standing in for the JScript script control. Texts are
// code page 936 at this interface and UTF-16/CESU-8 inside the engine. No operation throws or
// aborts: script errors read as "", 0 or false. One object is used by one thread.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace nomvera::automation {

class CompiledScript;

class ScriptObject {
public:
    ScriptObject();
    ~ScriptObject();
    ScriptObject(ScriptObject&&) noexcept;
    ScriptObject& operator=(ScriptObject&&) noexcept;
    ScriptObject(const ScriptObject&) = delete;
    ScriptObject& operator=(const ScriptObject&) = delete;

    void Destroy();
    ScriptObject Copy() const;  // a second object referring to the same engine

    bool RunStatements(std::string_view code);
    std::string Evaluate(std::string_view expression);
    void ResetEngine();
    void* GetControl() const;  // the engine's context (duk_context*), nullptr when there is none

    std::string CallProcedure(std::string_view procedure, std::string_view a1 = {}, std::string_view a2 = {},
                              std::string_view a3 = {}, std::string_view a4 = {}, std::string_view a5 = {},
                              std::string_view a6 = {});
    std::string CallProcedureInt2(std::string_view procedure, std::string_view a1 = {}, int a2 = 0,
                                  std::string_view a3 = {}, std::string_view a4 = {},
                                  std::string_view a5 = {}, std::string_view a6 = {});
    std::string CallProcedureInt23(std::string_view procedure, std::string_view a1 = {}, int a2 = 0,
                                   int a3 = 0, std::string_view a4 = {}, std::string_view a5 = {},
                                   std::string_view a6 = {});

    std::string SetLanguage(int languageCode = 0);
    int SetTimeout(std::optional<int> milliseconds = std::nullopt);
    int EngineState(std::optional<int> state = std::nullopt);
    bool AllowUserInterface(std::optional<bool> allow = std::nullopt);
    std::intptr_t SiteWindow(std::optional<std::intptr_t> window = std::nullopt);
    void AddScriptCode(std::string_view code);

private:
    friend class CompiledScript;
    struct Engine;
    struct ProcedureArg;

    explicit ScriptObject(std::shared_ptr<Engine> engine);
    bool RunBytecode(std::string_view bytecode);
    std::string Call(std::string_view procedure, const ProcedureArg (&args)[6]);

    std::shared_ptr<Engine> engine_;
};

}  // namespace nomvera::automation
