#include "lookup/SimpleQuery.h"

#include <atomic>
#include <string>
#include <utility>

#include "lookup/LookupAnswerParser.h"
#include "lookup/LookupFetch.h"
#include "lookup/LookupRequest.h"
#include "lookup/QueryRow.h"
#include "lookup/RowOperations.h"
#include "web/CodePage.h"
#include "web/HttpEngine.h"

namespace nomvera::lookup {

namespace {

constexpr int kLastPosition = 13;

}  // namespace

struct SimpleQuery::Query {
    std::atomic<bool> stop{false};  // also the cancel flag of the transfer
    std::atomic<bool> running{true};
};

namespace {

// Everything after the lookup: the outcome with the progress bar stepped per filled column
// from column 11 on, then the end.
void FinishQuery(BatchSurface& surface, int row, const LookupOutcome& outcome,
                 const std::string& makerPageUrl) {
    int position = 1;
    WriteLookupOutcome(surface, row, outcome, makerPageUrl, [&surface, &position](int column) {
        if (column != kColumnLink) surface.SetProgressPosition(++position);
    });
    surface.SetProgressPosition(kLastPosition);
    surface.SetProgressVisible(false);
    surface.SetStatusText(web::Local(" 简单查询结束！"));
    surface.RowCount();  // carried out after the writes above: the end text is on screen now
}

}  // namespace

SimpleQuery::SimpleQuery(BatchSurface& guiSurface, std::shared_ptr<BatchSurface> workerSurface,
                         WorkerHandles& handles, ServiceAddresses addresses)
    : guiSurface_(guiSurface),
      workerSurface_(std::move(workerSurface)),
      handles_(handles),
      addresses_(std::move(addresses)) {}

SimpleQuery::~SimpleQuery() {
    Stop();
}

bool SimpleQuery::IsRunning() const {
    return query_ && query_->running.load();
}

bool SimpleQuery::Start(int row) {
    if (row < 0 || IsRunning()) return false;
    guiSurface_.SetStatusText(web::Local(" 正在简单查询，请稍候……"));
    guiSurface_.SetImportExportBoxVisible(false);
    guiSurface_.SetProgressPosition(1);
    guiSurface_.SetProgressVisible(true);
    guiSurface_.SetProgressMaximum(kLastPosition);
    ResetRowForQuery(guiSurface_, row, addresses_.makerPageUrl);
    guiSurface_.SetCellText(row, kColumnAccount, CleanAccount(guiSurface_.CellText(row, kColumnAccount)));
    const std::string account = guiSurface_.CellText(row, kColumnAccount);

    query_ = std::make_shared<Query>();
    std::shared_ptr<Query> query = query_;
    std::shared_ptr<BatchSurface> surface = workerSurface_;
    const ServiceAddresses addresses = addresses_;
    const bool started = handles_.Start([query, surface, addresses, row, account] {
        web::HttpControl control;
        control.cancel = &query->stop;
        const std::string answer = FetchLookupAnswer(account, addresses.lookupHost, &control);
        if (query->stop.load()) return;
        const LookupOutcome outcome = ParseLookupAnswer(answer, addresses.ratingHost);
        if (query->stop.load()) return;
        FinishQuery(*surface, row, outcome, addresses.makerPageUrl);
        query->running.store(false);
    });
    if (!started) {
        // No thread for the request: the row ends as a failed request would.
        FinishQuery(*workerSurface_, row, FailedRequestOutcome(addresses_), addresses_.makerPageUrl);
        query_->running.store(false);
    }
    return true;
}

void SimpleQuery::Stop() {
    if (!query_) return;
    query_->stop.store(true);
    query_->running.store(false);
    handles_.Release();
}

}  // namespace nomvera::lookup
