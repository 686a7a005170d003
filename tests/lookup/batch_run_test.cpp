// The batch run against the stand-in service on a free loopback port, with a thread-safe
// in-memory surface in place of the window.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <vector>

#include "BatchTestSupport.h"
#include "MemoryBatchSurface.h"
#include "lookup/BatchRun.h"
#include "support/StandInProcess.h"

namespace nomvera::lookup::testing {
namespace {

using nomvera::testing::StandInProcess;

StandInProcess& QuickStandIn() {
    static StandInProcess standIn;
    return standIn;
}

// Slow enough that every worker is still waiting for its answer when the test acts.
StandInProcess& SlowStandIn() {
    static StandInProcess standIn({"--latency-ms", "10000"});
    return standIn;
}

std::vector<int> Percentages(const std::vector<std::string>& texts) {
    const std::string prefix = web::Local(" 正在批量查询，请稍候……  ");
    std::vector<int> found;
    for (const std::string& text : texts) {
        if (text.rfind(prefix, 0) == 0) found.push_back(std::stoi(text.substr(prefix.size())));
    }
    return found;
}

const std::string kSafe = web::Local("安全");
const std::string kUnknown = web::Local("未知");
const std::string kBuyer = web::Local("买家");

// What a row holds at the end of a run.
enum class Ending { Buyer, NotFound, FailedRequest };

void ExpectRowEnded(MemoryBatchSurface& surface, int row, Ending ending, const std::string& account) {
    const std::vector<std::string> cells = surface.Row(row);
    SCOPED_TRACE("row " + std::to_string(row));
    EXPECT_EQ(cells[kColumnAccount], account);
    switch (ending) {
        case Ending::Buyer:
            EXPECT_EQ(cells[kColumnLink].rfind("http://rate.taobao.com/user-rate-", 0), 0u)
                << cells[kColumnLink];
            EXPECT_EQ(cells[kColumnIdentity], kBuyer);
            EXPECT_EQ(cells[kColumnGrade], kSafe);
            EXPECT_FALSE(cells[kColumnRegistrationTime].empty());
            break;
        case Ending::NotFound:
            EXPECT_EQ(cells[kColumnLink], "http://127.0.0.1/");
            for (int column = kColumnGrade; column < kColumnCount; ++column) EXPECT_EQ(cells[column], "?");
            break;
        case Ending::FailedRequest:
            // Found with every field empty; nothing is known, so it is not gradable.
            EXPECT_EQ(cells[kColumnLink], "");
            EXPECT_EQ(cells[kColumnGrade], kUnknown);
            for (int column = kColumnGivenNeutral; column < kColumnCount; ++column)
                EXPECT_EQ(cells[column], "");
            break;
    }
}

// Waits for the end; the moment the run reports not running, its end text must be written.
void WaitForEnd(BatchRun& run, MemoryBatchSurface& surface, int rows) {
    ASSERT_TRUE(WaitFor([&] { return !run.IsRunning(); })) << "the run never ended";
    const std::vector<std::string> texts = surface.StatusTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), EndText(rows));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), EndText(rows)), 1);
    EXPECT_FALSE(surface.ProgressVisible());
    EXPECT_FALSE(surface.BoxVisible());
}

struct RunCase {
    const char* name;
    std::vector<std::string> accounts;
    std::vector<std::string> cleaned;
    std::vector<Ending> endings;
    std::vector<int> percentages;
};

class BatchRunCases : public ::testing::TestWithParam<RunCase> {};

TEST_P(BatchRunCases, EveryRowIsLookedUpCountedAndTheEndComesOnce) {
    ASSERT_TRUE(QuickStandIn().running());
    const RunCase& c = GetParam();
    auto surface = std::make_shared<MemoryBatchSurface>(c.accounts);
    WorkerHandles handles;
    BatchRun run(*surface, surface, handles, AddressesFor(QuickStandIn().host()));

    ASSERT_EQ(run.Start(), BatchStart::Started);
    const int rows = static_cast<int>(c.accounts.size());
    EXPECT_EQ(surface->ProgressMaximum(), rows);
    WaitForEnd(run, *surface, rows);

    const std::vector<std::string> texts = surface->StatusTexts();
    EXPECT_EQ(texts.front(), RunningText(0));
    EXPECT_EQ(Percentages(texts), c.percentages);
    std::vector<int> positions = surface->Positions();
    std::vector<int> expectedPositions(static_cast<std::size_t>(rows) + 1);
    for (int i = 0; i <= rows; ++i) expectedPositions[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(positions, expectedPositions);
    for (int row = 0; row < rows; ++row) {
        const std::size_t r = static_cast<std::size_t>(row);
        ExpectRowEnded(*surface, row, c.endings[r], c.cleaned[r]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BatchRunCases,
    ::testing::Values(RunCase{"OneBuyer", {"safe1"}, {"safe1"}, {Ending::Buyer}, {0, 100}},
                      RunCase{"ThreeRows",
                              {"safe1", "notfound1", "safe2"},
                              {"safe1", "notfound1", "safe2"},
                              {Ending::Buyer, Ending::NotFound, Ending::Buyer},
                              {0, 33, 66, 100}},
                      // An empty account is still sent (the service knows no such name) and counted; blanks
                      // and line-break pairs are cleaned out and the cleaned name written back.
                      RunCase{"EmptyAndSpacedAccounts",
                              {"", " safe 3\r\n", "notfound2", web::Local("safe4\xe3\x80\x80")},
                              {"", "safe3", "notfound2", "safe4"},
                              {Ending::NotFound, Ending::Buyer, Ending::NotFound, Ending::Buyer},
                              {0, 25, 50, 75, 100}}),
    [](const ::testing::TestParamInfo<RunCase>& param) { return std::string(param.param.name); });

TEST(BatchRunStart, NothingToQueryWritesOnlyItsText) {
    const std::vector<std::vector<std::string>> lists = {{}, {"", ""}};
    for (const auto& accounts : lists) {
        auto surface = std::make_shared<MemoryBatchSurface>(accounts);
        WorkerHandles handles;
        BatchRun run(*surface, surface, handles, AddressesFor(ClosedLoopbackHost()));
        EXPECT_EQ(run.Start(), BatchStart::NoAccounts);
        EXPECT_EQ(surface->Events(),
                  std::vector<std::string>{"status " + web::Local(" 没有可查询的淘宝账号！")});
        EXPECT_FALSE(run.IsRunning());
        EXPECT_EQ(handles.Count(), 0u);
    }
}

TEST(BatchRunStart, AnAccountOfSpacesCountsAsAnAccount) {
    auto surface = std::make_shared<MemoryBatchSurface>(std::vector<std::string>{"", "  "});
    WorkerHandles handles;
    BatchRun run(*surface, surface, handles, AddressesFor(ClosedLoopbackHost()));
    ASSERT_EQ(run.Start(), BatchStart::Started);
    WaitForEnd(run, *surface, 2);
}

TEST(BatchRunFailures, AServiceThatFailsEveryRequestStillEndsTheRun) {
    StandInProcess failing({"--fail-rate", "1", "--fail-modes", "reset,short,500,garbage"});
    ASSERT_TRUE(failing.running());
    const std::vector<std::string> hosts = {ClosedLoopbackHost(), failing.host()};
    for (const std::string& host : hosts) {
        SCOPED_TRACE(host);
        auto surface =
            std::make_shared<MemoryBatchSurface>(std::vector<std::string>{"safe1", "safe2", "safe3"});
        WorkerHandles handles;
        BatchRun run(*surface, surface, handles, AddressesFor(host));
        ASSERT_EQ(run.Start(), BatchStart::Started);
        WaitForEnd(run, *surface, 3);
        EXPECT_EQ(Percentages(surface->StatusTexts()), (std::vector<int>{0, 33, 66, 100}));
        for (int row = 0; row < 3; ++row)
            ExpectRowEnded(*surface, row, Ending::FailedRequest, "safe" + std::to_string(row + 1));
    }
}

std::atomic<int> startCalls{0};

int RefuseEverySecondStart(pthread_t* thread, const pthread_attr_t* attributes, void* (*body)(void*),
                           void* argument) {
    if (startCalls.fetch_add(1) % 2 == 1) return EAGAIN;
    return pthread_create(thread, attributes, body, argument);
}

int RefuseEveryStart(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*) {
    return EAGAIN;
}

// A row whose thread cannot be started ends as a failed request would and is counted, so the
// run still ends; with no thread at all, the caller's thread finishes every row.
TEST(BatchRunFailures, RowsWhoseThreadCannotStartAreFinishedAndCounted) {
    ASSERT_TRUE(QuickStandIn().running());
    const std::vector<std::string> accounts = {"safe1", "safe2", "safe3", "safe4"};
    struct Refusal {
        const char* name;
        WorkerHandles::StartThread launcher;
        WorkerHandles::StartThread rows;
        std::vector<Ending> endings;
    };
    const Refusal refusals[] = {
        {"row threads",
         &pthread_create,
         &RefuseEverySecondStart,
         {Ending::Buyer, Ending::FailedRequest, Ending::Buyer, Ending::FailedRequest}},
        {"launcher",
         &RefuseEveryStart,
         &pthread_create,
         {Ending::FailedRequest, Ending::FailedRequest, Ending::FailedRequest, Ending::FailedRequest}},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        startCalls = 0;
        auto surface = std::make_shared<MemoryBatchSurface>(accounts);
        WorkerHandles handles(refusal.launcher);
        BatchRun run(*surface, surface, handles, AddressesFor(QuickStandIn().host()), refusal.rows);
        ASSERT_EQ(run.Start(), BatchStart::Started);
        WaitForEnd(run, *surface, 4);
        EXPECT_EQ(Percentages(surface->StatusTexts()), (std::vector<int>{0, 25, 50, 75, 100}));
        for (int row = 0; row < 4; ++row)
            ExpectRowEnded(*surface, row, refusal.endings[static_cast<std::size_t>(row)],
                           accounts[static_cast<std::size_t>(row)]);
    }
}

TEST(BatchRunLifetime, ASecondStartDuringARunIsRefusedAndWritesNothing) {
    ASSERT_TRUE(SlowStandIn().running());
    auto surface = std::make_shared<MemoryBatchSurface>(std::vector<std::string>{"safe1", "safe2"});
    WorkerHandles handles;
    BatchRun run(*surface, surface, handles, AddressesFor(SlowStandIn().host()));
    ASSERT_EQ(run.Start(), BatchStart::Started);
    ASSERT_TRUE(run.IsRunning());
    const std::size_t before = surface->EventCount();
    EXPECT_EQ(run.Start(), BatchStart::Refused);
    EXPECT_EQ(surface->StatusTexts(), std::vector<std::string>{RunningText(0)});
    EXPECT_LE(surface->EventCount() - before, 2u);  // at most the workers' cleaned accounts
    run.Stop();
}

// Stopping aborts the transfers in flight: the threads end long before the service would have
// answered, the rows stay pending and nothing is counted or written after the stop.
TEST(BatchRunLifetime, StopEndsTheWorkersAndNothingIsWrittenAfterIt) {
    ASSERT_TRUE(SlowStandIn().running());
    const std::vector<std::string> accounts(20, "safe1");
    auto surface = std::make_shared<MemoryBatchSurface>(accounts);
    WorkerHandles handles;
    BatchRun run(*surface, surface, handles, AddressesFor(SlowStandIn().host()));
    ASSERT_EQ(run.Start(), BatchStart::Started);
    // Every worker has written its cleaned account back once it is waiting for its answer.
    ASSERT_TRUE(WaitFor([&] { return surface->EventCount() >= 5 + 13 * 20 + 20; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    run.Stop();
    EXPECT_FALSE(run.IsRunning());
    const std::vector<std::string> eventsAtStop = surface->Events();
    const auto stopped = std::chrono::steady_clock::now();
    handles.JoinAll();
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::milliseconds(5000))
        << "the transfers were waited out instead of aborted";
    EXPECT_EQ(surface->Events(), eventsAtStop);
    EXPECT_EQ(surface->StatusTexts(), std::vector<std::string>{RunningText(0)});
    for (int row = 0; row < 20; ++row) EXPECT_EQ(surface->Row(row)[kColumnGrade], "");
}

}  // namespace
}  // namespace nomvera::lookup::testing
