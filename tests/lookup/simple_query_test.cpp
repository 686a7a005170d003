// The simple query of one row against the stand-in service, with an in-memory surface that logs
// every call in order, so the visible order of its steps is checked as a whole.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BatchTestSupport.h"
#include "MemoryBatchSurface.h"
#include "lookup/SimpleQuery.h"
#include "support/StandInProcess.h"

namespace nomvera::lookup::testing {
namespace {

using nomvera::testing::StandInProcess;

StandInProcess& StandIn() {
    static StandInProcess standIn;
    return standIn;
}

std::string Cell(int row, int column, const std::string& text) {
    return "cell " + std::to_string(row) + " " + std::to_string(column) + " " + text;
}

// The start as the user sees it: status, bar at 1 of 13, row reset, the cleaned account back.
std::vector<std::string> StartEvents(int row, const std::string& cleaned) {
    std::vector<std::string> events = {"status " + web::Local(" 正在简单查询，请稍候……"),
                                       "box hidden",
                                       "position 1",
                                       "progress shown",
                                       "maximum 13",
                                       Cell(row, 0, "http://127.0.0.1/")};
    for (int column = 2; column < 14; ++column) events.push_back(Cell(row, column, ""));
    events.push_back(Cell(row, 1, cleaned));
    return events;
}

std::vector<std::string> EndEvents() {
    return {"position 13", "progress hidden", "status " + web::Local(" 简单查询结束！")};
}

struct Fixture {
    explicit Fixture(std::vector<std::string> accounts, const std::string& host)
        : surface(std::make_shared<MemoryBatchSurface>(accounts)),
          query(*surface, surface, handles, AddressesFor(host)) {}
    std::shared_ptr<MemoryBatchSurface> surface;
    WorkerHandles handles;
    SimpleQuery query;

    std::vector<std::string> RunToEnd(int row) {
        EXPECT_TRUE(query.Start(row));
        EXPECT_TRUE(WaitFor([&] { return !query.IsRunning(); }));
        return surface->Events();
    }
};

TEST(SimpleQuery, AFoundRowStepsTheBarOncePerFilledColumn) {
    ASSERT_TRUE(StandIn().running());
    Fixture f({"other", " safe 7 "}, StandIn().host());
    const std::vector<std::string> events = f.RunToEnd(1);
    const std::vector<std::string> cells = f.surface->Row(1);

    std::vector<std::string> expected = StartEvents(1, "safe7");
    expected.push_back(Cell(1, 0, cells[0]));
    int position = 2;
    for (int column : {11, 12, 13, 3, 4, 5, 6, 7, 8, 9, 10}) {
        expected.push_back(Cell(1, column, cells[static_cast<std::size_t>(column)]));
        expected.push_back("position " + std::to_string(position++));
    }
    expected.push_back(Cell(1, 2, web::Local("安全")));
    for (const std::string& e : EndEvents()) expected.push_back(e);
    EXPECT_EQ(events, expected);
    EXPECT_EQ(cells[11], web::Local("买家"));
    EXPECT_EQ(cells[0].rfind("http://rate.taobao.com/user-rate-", 0), 0u);
    EXPECT_EQ(f.surface->Row(0)[1], "other");  // the other row is not touched
}

TEST(SimpleQuery, ANotFoundRowJumpsFromOneToThirteen) {
    ASSERT_TRUE(StandIn().running());
    Fixture f({"notfound9"}, StandIn().host());
    std::vector<std::string> expected = StartEvents(0, "notfound9");
    for (int column = 2; column < 14; ++column) expected.push_back(Cell(0, column, "?"));
    expected.push_back(Cell(0, 0, "http://127.0.0.1/"));
    for (const std::string& e : EndEvents()) expected.push_back(e);
    EXPECT_EQ(f.RunToEnd(0), expected);
}

TEST(SimpleQuery, AFailedRequestStillFillsEveryColumnAndEnds) {
    Fixture f({"safe1"}, ClosedLoopbackHost());
    const std::vector<std::string> events = f.RunToEnd(0);
    EXPECT_EQ(events.back(), "status " + web::Local(" 简单查询结束！"));
    EXPECT_EQ(f.surface->Positions().back(), 13);
    EXPECT_EQ(f.surface->Row(0)[kColumnGrade], web::Local("未知"));
}

TEST(SimpleQuery, NoSelectedRowChangesNothing) {
    Fixture f({"safe1"}, ClosedLoopbackHost());
    EXPECT_FALSE(f.query.Start(-1));
    EXPECT_TRUE(f.surface->Events().empty());
    EXPECT_FALSE(f.query.IsRunning());
}

// While its request is out, a second start is refused; a stop aborts the request and nothing
// is written afterwards.
TEST(SimpleQuery, StopDuringTheRequestWritesNothingMore) {
    StandInProcess slow({"--latency-ms", "10000"});
    ASSERT_TRUE(slow.running());
    Fixture f({"safe1"}, slow.host());
    ASSERT_TRUE(f.query.Start(0));
    EXPECT_TRUE(f.query.IsRunning());
    const std::vector<std::string> started = f.surface->Events();
    EXPECT_EQ(started, StartEvents(0, "safe1"));
    EXPECT_FALSE(f.query.Start(0));
    EXPECT_EQ(f.surface->Events(), started);

    f.query.Stop();
    EXPECT_FALSE(f.query.IsRunning());
    f.handles.JoinAll();
    EXPECT_EQ(f.surface->Events(), started);
}

}  // namespace
}  // namespace nomvera::lookup::testing
