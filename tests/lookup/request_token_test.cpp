#include <gtest/gtest.h>
#include <pthread.h>

#include <string>
#include <thread>
#include <vector>

#include "AesOracle.h"
#include "automation/ScriptObject.h"
#include "lookup/LookupRequest.h"
#include "lookup/LookupScript.h"
#include "lookup/WorkerHandles.h"
#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

using testing::OracleToken;

struct TokenCase {
    const char* name;
    const char* utf8;     // the account as UTF-8; the token's input bytes
    std::size_t length;   // of the token
    std::size_t padding;  // trailing "="
};

class RequestTokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(RequestTokenTest, IsAes256CbcPkcs7Base64OfTheUtf8Bytes) {
    const TokenCase& c = GetParam();
    const std::string token = ComputeRequestToken(web::Local(c.utf8));
    EXPECT_EQ(token, OracleToken(c.utf8));
    ASSERT_EQ(token.size(), c.length);
    EXPECT_EQ(token.find_first_not_of('=', token.size() - c.padding), std::string::npos);
    EXPECT_NE(token[token.size() - c.padding - 1], '=');
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, RequestTokenTest,
    ::testing::Values(
        TokenCase{"Empty", "", 24, 2}, TokenCase{"OneByte", "a", 24, 2},
        TokenCase{"Bytes15", "tb_seller-01.xy", 24, 2}, TokenCase{"Bytes16", "tb_seller-01.xyz", 44, 1},
        TokenCase{"Bytes31", "abcdefghijklmnopqrstuvwxyz01234", 44, 1},
        TokenCase{"Bytes32", "abcdefghijklmnopqrstuvwxyz012345", 64, 0},
        TokenCase{"Bytes47", "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJK", 64, 0},
        TokenCase{"Bytes48", "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKL", 88, 2},
        TokenCase{"ChineseBytes15", "张三的小店", 24, 2}, TokenCase{"ChineseBytes18", "淘宝买家号码", 44, 1},
        TokenCase{"MixedBytes16", "店a铺b小c1234", 44, 1}, TokenCase{"Symbols", "a+b/c=d&e%f g", 24, 2}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RequestToken, CompiledFormGivesWhatTheSourceGives) {
    const std::string account = web::Local("小店-shop.01");
    automation::ScriptObject script;
    ASSERT_TRUE(script.RunStatements(LookupScript()));
    EXPECT_EQ(script.CallProcedure("b", account), ComputeRequestToken(account));
}

TEST(LookupScriptText, RollupThenTokenFunction) {
    const std::string& script = LookupScript();
    EXPECT_EQ(script.rfind("var CryptoJS=CryptoJS||", 0), 0u);
    EXPECT_NE(script.find("function b(u)"), std::string::npos);
    automation::ScriptObject engine;
    ASSERT_TRUE(engine.RunStatements(script));
    // What b relies on from the library.
    for (const char* part : {"CryptoJS.enc.Utf8.parse", "CryptoJS.enc.Base64.stringify", "CryptoJS.algo.MD5",
                             "CryptoJS.EvpKDF", "CryptoJS.mode.CBC", "CryptoJS.pad.Pkcs7",
                             "CryptoJS.format.OpenSSL.stringify", "CryptoJS.AES.encrypt", "b"}) {
        EXPECT_NE(engine.Evaluate(std::string("typeof ") + part), "undefined") << part;
    }
    EXPECT_EQ(engine.Evaluate("CryptoJS.lib.Cipher.cfg.mode === CryptoJS.mode.CBC || "
                              "CryptoJS.lib.BlockCipher.cfg.mode === CryptoJS.mode.CBC"),
              "true");
    EXPECT_EQ(engine.Evaluate("CryptoJS.lib.BlockCipher.cfg.padding === CryptoJS.pad.Pkcs7"), "true");
}

TEST(RequestToken, ManyThreadsAtOnceEachGetTheirOwn) {
    constexpr int kThreads = 200;
    std::vector<std::string> tokens(kThreads);
    std::vector<std::thread> threads;
    threads.reserve(kThreads);
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([i, &tokens] { tokens[i] = ComputeRequestToken("buyer" + std::to_string(i)); });
    for (auto& thread : threads) thread.join();
    for (int i = 0; i < kThreads; ++i) EXPECT_EQ(tokens[i], OracleToken("buyer" + std::to_string(i))) << i;
}

// The batch run computes tokens on threads with small stacks.
TEST(RequestToken, FitsTheStackOfABatchWorker) {
    std::string token;
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, kWorkerStackBytes);
    pthread_t thread;
    auto body = [](void* out) -> void* {
        *static_cast<std::string*>(out) = ComputeRequestToken(web::Local("张三的小店"));
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, body, &token), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    EXPECT_EQ(token, OracleToken("张三的小店"));
}

}  // namespace
}  // namespace nomvera::lookup
