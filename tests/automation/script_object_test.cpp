#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "automation/CompiledScript.h"
#include "automation/ScriptObject.h"
#include "web/CodePage.h"

namespace nomvera::automation {
namespace {

using web::Local;

// A script with the shapes of procedure a caller meets: arguments echoed with their types,
// results of every kind, errors.
constexpr const char* kProcedures = R"js(
function echo(a, b, c, d, e, f) { return [a, b, c, d, e, f].join("|") + "#" + arguments.length; }
function types(a, b, c, d, e, f) { return [typeof a, typeof b, typeof c, typeof d, typeof e, typeof f].join(); }
function sum(a, b, c) { return b + c; }
function len(a) { return a.length; }
function nothing() {}
function nullValue() { return null; }
function yes() { return true; }
function fails() { throw new Error("boom"); }
function badText() { return { toString: function () { throw 1; } }; }
function deep(n) { return 1 + deep(n + 1); }  // not a tail call: the engine would loop forever
var notAFunction = 5;
)js";

class ScriptObjectTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(script.RunStatements(kProcedures)); }
    ScriptObject script;
};

TEST_F(ScriptObjectTest, EveryArgumentSlotIsPassedAndLeftOutTextsAreEmpty) {
    EXPECT_EQ(script.CallProcedure("echo", "x"), "x|||||#6");
    EXPECT_EQ(script.CallProcedure("echo", "1", "2", "3", "4", "5", "6"), "1|2|3|4|5|6#6");
    EXPECT_EQ(script.CallProcedure("types"), "string,string,string,string,string,string");
}

TEST_F(ScriptObjectTest, IntegerSlotsGoAsNumbers) {
    EXPECT_EQ(script.CallProcedureInt2("types"), "string,number,string,string,string,string");
    EXPECT_EQ(script.CallProcedureInt23("types"), "string,number,number,string,string,string");
    EXPECT_EQ(script.CallProcedureInt23("sum", "", 2147483647, -2147483647), "0");
    EXPECT_EQ(script.CallProcedureInt23("sum", "", 40, 2), "42");
    EXPECT_EQ(script.CallProcedureInt2("echo", "a", -7, "c"), "a|-7|c|||#6");
}

struct FailedCall {
    const char* name;
    const char* procedure;
};

class ScriptObjectFailedCallTest : public ScriptObjectTest,
                                   public ::testing::WithParamInterface<FailedCall> {};

TEST_P(ScriptObjectFailedCallTest, GivesEmptyTextAndLeavesTheEngineUsable) {
    EXPECT_EQ(script.CallProcedure(GetParam().procedure), "");
    EXPECT_EQ(script.CallProcedure("yes"), "true");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptObjectFailedCallTest,
    ::testing::Values(FailedCall{"Undefined", "noSuchProcedure"}, FailedCall{"NotAFunction", "notAFunction"},
                      FailedCall{"ReturnsNothing", "nothing"}, FailedCall{"ReturnsNull", "nullValue"},
                      FailedCall{"Throws", "fails"}, FailedCall{"ResultWithoutText", "badText"},
                      FailedCall{"EndlessRecursion", "deep"}, FailedCall{"EmptyName", ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ScriptObjectStatements, SyntaxErrorIsFalseAndDefinesNothing) {
    ScriptObject script;
    EXPECT_FALSE(script.RunStatements("function f() { return 'f'; } var x = ;"));
    EXPECT_EQ(script.CallProcedure("f"), "");
    EXPECT_TRUE(script.RunStatements("function g() { return 'g'; }"));
    EXPECT_EQ(script.CallProcedure("g"), "g");
}

TEST(ScriptObjectStatements, RuntimeErrorIsFalseButDeclarationsBeforeItStay) {
    ScriptObject script;
    EXPECT_FALSE(
        script.RunStatements("var before = 1; function g() { return before; } throw 'x'; before = 2;"));
    EXPECT_EQ(script.CallProcedure("g"), "1");
}

TEST(ScriptObjectStatements, GlobalsPersistAcrossCallsAndCodeEndsAtAZeroByte) {
    ScriptObject script;
    EXPECT_TRUE(script.RunStatements("var counter = 0; function next() { return ++counter; }"));
    EXPECT_EQ(script.CallProcedure("next"), "1");
    script.AddScriptCode("counter = 10;");
    EXPECT_EQ(script.CallProcedure("next"), "11");
    EXPECT_TRUE(script.RunStatements(std::string_view("counter = 20;\0 this is not code", 31)));
    EXPECT_EQ(script.CallProcedure("next"), "21");
}

TEST(ScriptObjectEvaluate, ValuesAndFailures) {
    ScriptObject script;
    EXPECT_EQ(script.Evaluate("1 + 2"), "3");
    EXPECT_EQ(script.Evaluate("0.1 * 3 > 0.3"), "true");
    EXPECT_EQ(script.Evaluate("'a' + 'b'"), "ab");
    EXPECT_EQ(script.Evaluate("undefined"), "");
    EXPECT_EQ(script.Evaluate("1 +"), "");
    EXPECT_EQ(script.Evaluate("(function () { throw new Error('x'); })()"), "");
    EXPECT_EQ(script.Evaluate("var y = 4"), "");
    EXPECT_EQ(script.Evaluate("y * 2"), "8");  // an evaluated declaration stays
}

TEST(ScriptObjectText, ChineseCrossesAsCharactersBothWays) {
    ScriptObject script;
    ASSERT_TRUE(script.RunStatements(kProcedures));
    const std::string name = Local("张三的小店");
    EXPECT_EQ(script.CallProcedure("echo", name), name + "|||||#6");
    EXPECT_EQ(script.CallProcedure("len", name), "5");  // characters, not GBK bytes
    EXPECT_TRUE(
        script.RunStatements(Local("var shop = '淘宝'; function shopName() { return shop + '店'; }")));
    EXPECT_EQ(script.CallProcedure("shopName"), Local("淘宝店"));
    EXPECT_EQ(script.Evaluate("encodeURIComponent(shop)"), "%E6%B7%98%E5%AE%9D");
    EXPECT_EQ(script.CallProcedure("len", std::string_view("a\0b", 3)), "3");  // arguments keep zero bytes
}

TEST(ScriptObjectText, CharactersBeyondTheBasicPlaneAreSurrogatePairs) {
    ScriptObject script;
    // The engine sees one character as two UTF-16 units and encodes it as one 4-byte sequence.
    EXPECT_EQ(script.Evaluate("encodeURIComponent(String.fromCharCode(0xD83D, 0xDE00))"), "%F0%9F%98%80");
    EXPECT_EQ(script.Evaluate("String.fromCodePoint(0x1F600).length"), "2");
    // Code page 936 has no such character: one "?" for the pair, one for a lone surrogate.
    EXPECT_EQ(script.Evaluate("'<' + String.fromCharCode(0xD83D, 0xDE00) + '>'"), "<?>");
    EXPECT_EQ(script.Evaluate("'<' + String.fromCharCode(0xDE00) + '>'"), "<?>");
}

TEST(ScriptObjectLifecycle, ResetDiscardsCodeAndKeepsTheEngineWorking) {
    ScriptObject script;
    ASSERT_TRUE(script.RunStatements(kProcedures));
    script.ResetEngine();
    EXPECT_EQ(script.CallProcedure("yes"), "");
    EXPECT_EQ(script.Evaluate("typeof notAFunction"), "undefined");
    EXPECT_TRUE(script.RunStatements(kProcedures));
    EXPECT_EQ(script.CallProcedure("yes"), "true");
}

TEST(ScriptObjectLifecycle, CopySharesTheEngineAndOutlivesTheOriginal) {
    ScriptObject original;
    ScriptObject copy = original.Copy();
    ASSERT_NE(original.GetControl(), nullptr);
    EXPECT_EQ(copy.GetControl(), original.GetControl());
    ASSERT_TRUE(original.RunStatements("function shared() { return 'same'; }"));
    EXPECT_EQ(copy.CallProcedure("shared"), "same");
    original.Destroy();
    EXPECT_EQ(original.GetControl(), nullptr);
    EXPECT_EQ(original.CallProcedure("shared"), "");
    EXPECT_EQ(copy.CallProcedure("shared"), "same");
}

TEST(ScriptObjectLifecycle, EveryOperationFailsWithoutAnEngine) {
    ScriptObject destroyed;
    destroyed.Destroy();
    ScriptObject source;
    ScriptObject movedFrom = std::move(source);
    ScriptObject* const objects[] = {&destroyed, &source};
    for (ScriptObject* object : objects) {
        EXPECT_FALSE(object->RunStatements("var a = 1;"));
        object->AddScriptCode("var a = 1;");
        object->ResetEngine();
        EXPECT_EQ(object->Evaluate("1"), "");
        EXPECT_EQ(object->CallProcedure("String", "x"), "");
        EXPECT_EQ(object->SetLanguage(), "");
        EXPECT_EQ(object->SetTimeout(100), 0);
        EXPECT_EQ(object->EngineState(1), 0);
        EXPECT_FALSE(object->AllowUserInterface(true));
        EXPECT_EQ(object->SiteWindow(7), 0);
        EXPECT_EQ(object->GetControl(), nullptr);
        EXPECT_FALSE(CompiledScript::Compile("var a = 1;").RunIn(*object));
    }
    EXPECT_EQ(movedFrom.Evaluate("'moved'"), "moved");
}

TEST(ScriptObjectProperties, LanguageStaysJScript) {
    for (int code : {0, 1, 5, -1}) {
        ScriptObject script;
        EXPECT_EQ(script.SetLanguage(code), "JScript") << code;
        EXPECT_EQ(script.Evaluate("typeof JSON"), "object") << code;  // still an ECMAScript engine
    }
}

TEST(ScriptObjectProperties, WrittenOnlyWhenSuppliedAndReadBack) {
    ScriptObject script;
    EXPECT_EQ(script.SetTimeout(5000), 5000);
    EXPECT_EQ(script.SetTimeout(-2), 5000);  // not a time-out: left as it was
    EXPECT_EQ(script.SetTimeout(), -1);
    EXPECT_EQ(script.SetTimeout(0), 0);

    EXPECT_EQ(script.EngineState(), 0);
    EXPECT_EQ(script.EngineState(1), 1);
    EXPECT_EQ(script.EngineState(7), 1);
    EXPECT_EQ(script.EngineState(), 1);

    EXPECT_TRUE(script.AllowUserInterface());
    EXPECT_FALSE(script.AllowUserInterface(false));
    EXPECT_FALSE(script.AllowUserInterface());

    EXPECT_EQ(script.SiteWindow(), 0);
    EXPECT_EQ(script.SiteWindow(0x12345678), 0x12345678);
    EXPECT_EQ(script.SiteWindow(), 0x12345678);
}

TEST(CompiledScriptTest, RunsLikeItsSourceInEachFreshObject) {
    const CompiledScript compiled =
        CompiledScript::Compile(Local("var calls = 0; function tag(a) { return a + '签' + ++calls; }"));
    ASSERT_FALSE(compiled.IsEmpty());
    for (int round = 0; round < 2; ++round) {
        ScriptObject script;
        EXPECT_TRUE(compiled.RunIn(script));
        EXPECT_EQ(script.CallProcedure("tag", "x"), Local("x签1"));  // fresh state every time
        EXPECT_EQ(script.CallProcedure("tag", "y"), Local("y签2"));
    }
    EXPECT_TRUE(CompiledScript::Compile("function (").IsEmpty());
    ScriptObject script;
    EXPECT_FALSE(CompiledScript().RunIn(script));
    EXPECT_FALSE(CompiledScript::Compile("throw 1;").RunIn(script));
}

TEST(ScriptObjectThreads, ObjectsOnManyThreadsShareNothing) {
    constexpr int kThreads = 16;
    std::vector<std::string> results(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([i, &results] {
            ScriptObject script;
            script.RunStatements("var mine = " + std::to_string(i) +
                                 "; function who(x) { return x + mine; }");
            for (int k = 0; k < 50; ++k) script.Evaluate("mine = mine + 0");
            results[i] = script.CallProcedure("who", "t");
        });
    }
    for (auto& thread : threads) thread.join();
    for (int i = 0; i < kThreads; ++i) EXPECT_EQ(results[i], "t" + std::to_string(i));
}

}  // namespace
}  // namespace nomvera::automation
