// CPU time per request token. Each token runs in a fresh script engine; the compiled script is
// the only thing shared. The source-compiling variant shows what the shared compiled form saves.

#include <benchmark/benchmark.h>

#include <string>

#include "automation/ScriptObject.h"
#include "lookup/LookupRequest.h"
#include "lookup/LookupScript.h"
#include "web/CodePage.h"

namespace {

using nomvera::automation::ScriptObject;

const std::string& Account() {
    static const std::string account = nomvera::web::Local("淘宝买家tb_buyer-01");
    return account;
}

void BM_ComputeRequestToken(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(nomvera::lookup::ComputeRequestToken(Account()));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeRequestToken)->Threads(1)->Threads(2)->MeasureProcessCPUTime()->UseRealTime();

void BM_TokenCompilingTheSource(benchmark::State& state) {
    for (auto _ : state) {
        ScriptObject script;
        script.RunStatements(nomvera::lookup::LookupScript());
        benchmark::DoNotOptimize(script.CallProcedure("b", Account()));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TokenCompilingTheSource)->Unit(benchmark::kMillisecond);

// The floor under every token: an empty engine made and destroyed.
void BM_FreshEngineOnly(benchmark::State& state) {
    for (auto _ : state) {
        ScriptObject script;
        benchmark::DoNotOptimize(script.GetControl());
    }
}
BENCHMARK(BM_FreshEngineOnly);

}  // namespace

BENCHMARK_MAIN();
