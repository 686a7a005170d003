// Sorting a batch list of 10,000 and 100,000 rows by each sortable column: accounts of mixed Latin
// and Chinese names, the four grade texts, the three identities. Each iteration sorts a fresh copy,
// so every run starts from the same unsorted list.

#include <benchmark/benchmark.h>

#include <QString>
#include <random>
#include <string>
#include <vector>

#include "batch/AccountListModel.h"
#include "batch/ColumnSort.h"
#include "batch/LocalText.h"

namespace {

using nomvera::batch::AccountListModel;

std::vector<AccountListModel::Row> MakeRows(int count) {
    const QStringList surnames{"张", "李", "王", "赵", "丌", "欧阳", "tb_", "Shop", "alice", "BOB"};
    const QStringList grades{"安全", "危险", "未知", "?"};
    const QStringList identities{"买家", "卖家", "天猫"};
    std::mt19937 draw(7);
    std::vector<AccountListModel::Row> rows(static_cast<std::size_t>(count));
    for (AccountListModel::Row& row : rows) {
        const QString account = surnames[static_cast<int>(draw() % 10)] + QString::number(draw() % 1000000);
        row[0] = "http://rate.taobao.com/user-rate-" + std::to_string(draw()) + ".htm";
        row[1] = nomvera::batch::ToLocal(account);
        row[2] = nomvera::batch::ToLocal(grades[static_cast<int>(draw() % 4)]);
        row[11] = nomvera::batch::ToLocal(identities[static_cast<int>(draw() % 3)]);
        for (int column : {3, 4, 5, 6, 7, 8, 9, 10})
            row[static_cast<std::size_t>(column)] = std::to_string(draw() % 50);
        row[12] = "2012-03-04 05:06:07";
        row[13] = nomvera::batch::ToLocal(QStringLiteral("支付宝个人认证"));
    }
    return rows;
}

void BM_SortRowsByColumn(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const int column = static_cast<int>(state.range(1));
    const std::vector<AccountListModel::Row> unsorted = MakeRows(count);
    AccountListModel list;
    for (auto _ : state) {
        state.PauseTiming();
        list.ReplaceRows(unsorted);
        state.ResumeTiming();
        nomvera::batch::SortRowsByColumn(list, column);
        benchmark::DoNotOptimize(list.Rows().data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_SortRowsByColumn)
    ->ArgsProduct({{10000, 100000}, {1, 2, 11}})
    ->ArgNames({"rows", "column"})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
