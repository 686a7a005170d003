// N lookups at once, one thread each, against the stand-in service with 200 ms latency: wall time
// against the 200 ms floor, and the CPU this process spends per lookup (token, HTTP, parsing).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "lookup/LookupAnswerParser.h"
#include "lookup/LookupFetch.h"
#include "lookup/ServiceAddresses.h"
#include "support/StandInProcess.h"

namespace {

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

nomvera::testing::StandInProcess& StandIn() {
    static nomvera::testing::StandInProcess standIn({"--latency-ms", "200"});
    return standIn;
}

void BM_ConcurrentLookups(benchmark::State& state) {
    const int lookups = static_cast<int>(state.range(0));
    if (!StandIn().running()) {
        state.SkipWithError("the stand-in service did not start");
        return;
    }
    const std::string host = StandIn().host();
    const std::string ratingHost = nomvera::lookup::ServiceAddresses{}.ratingHost;
    double cpu = 0;
    int found = 0;
    for (auto _ : state) {
        std::atomic<int> foundNow{0};
        const double cpuBefore = ProcessCpuSeconds();
        std::vector<std::thread> threads;
        threads.reserve(static_cast<std::size_t>(lookups));
        for (int i = 0; i < lookups; ++i) {
            threads.emplace_back([&, i] {
                const std::string answer = nomvera::lookup::FetchLookupAnswer("buyer" + std::to_string(i), host);
                const auto outcome = nomvera::lookup::ParseLookupAnswer(answer, ratingHost);
                if (outcome.found && !outcome.profile.identity.empty()) foundNow.fetch_add(1);
            });
        }
        for (auto& t : threads) t.join();
        cpu += ProcessCpuSeconds() - cpuBefore;
        found = foundNow.load();
    }
    state.counters["cpu_ms_per_lookup"] =
        cpu * 1000.0 / (static_cast<double>(state.iterations()) * static_cast<double>(lookups));
    state.counters["matched"] = found;
}

BENCHMARK(BM_ConcurrentLookups)->Arg(100)->Arg(1000)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
