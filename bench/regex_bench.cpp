// RegexObject::Search with the lookup pattern (23 lazy groups) over answer pages of 30 KB and
// 1 MB, and the cost of giving up on pages that can only fail. CPU time per Search, which
// includes the code page 936 to UTF-16 conversion and the compile.

#include <benchmark/benchmark.h>

#include "../tests/automation/LookupPages.h"
#include "automation/RegexObject.h"

namespace {

using nomvera::automation::RegexObject;
namespace pages = nomvera::automation::testing;

void SearchAndRead(benchmark::State& state, const std::string& pattern, const std::string& page) {
    for (auto _ : state) {
        RegexObject re;
        const bool ran = re.Search(pattern, page);
        std::string last = re.GetSubMatchText(1, re.GetSubMatchCount());
        benchmark::DoNotOptimize(ran);
        benchmark::DoNotOptimize(last);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
}

void BM_LookupPage(benchmark::State& state) {
    static const std::string pattern = pages::LookupPattern();
    const std::string page = pages::LookupPage(static_cast<size_t>(state.range(0)));
    SearchAndRead(state, pattern, page);
}
BENCHMARK(BM_LookupPage)->Arg(30 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

// A page cut before its last period with many count cells: the search ends on the match limit.
void BM_LookupPageHopeless(benchmark::State& state) {
    static const std::string pattern = pages::LookupPattern();
    const std::string page = pages::TruncatedLookupPage(static_cast<size_t>(state.range(0)));
    SearchAndRead(state, pattern, page);
}
BENCHMARK(BM_LookupPageHopeless)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_NestedQuantifier(benchmark::State& state) {
    SearchAndRead(state, "(a+)+b", std::string(40, 'a') + "cb");
}
BENCHMARK(BM_NestedQuantifier)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
