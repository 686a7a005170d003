#include "lookup/QueryRow.h"

#include <string>

#include "lookup/LookupAnswerParser.h"
#include "lookup/LookupFetch.h"
#include "lookup/LookupRequest.h"
#include "lookup/SafetyGrade.h"
#include "web/HttpEngine.h"

namespace nomvera::lookup {

void WriteLookupOutcome(BatchSurface& surface, int row, const LookupOutcome& outcome,
                        const std::string& makerPageUrl, const ColumnWritten& written) {
    if (!outcome.found) {
        MarkRowNotFound(surface, row, makerPageUrl);
        return;
    }
    FillRow(surface, row, outcome.profile, written);
    GradeRow(surface, row, LocalNow());
}

LookupOutcome FailedRequestOutcome(const ServiceAddresses& addresses) {
    return ParseLookupAnswer(std::string_view(), addresses.ratingHost);
}

void QueryRow(int k, BatchSurface& surface, RunState& run) {
    const int row = k - 1;
    if (run.stop.load()) return;
    surface.SetCellText(row, kColumnAccount, CleanAccount(surface.CellText(row, kColumnAccount)));
    const std::string account = surface.CellText(row, kColumnAccount);
    if (run.stop.load()) return;

    web::HttpControl control;
    control.cancel = &run.stop;
    const std::string answer = FetchLookupAnswer(account, run.addresses.lookupHost, &control);
    if (run.stop.load()) return;
    const LookupOutcome outcome = ParseLookupAnswer(answer, run.addresses.ratingHost);
    if (run.stop.load()) return;

    WriteLookupOutcome(surface, row, outcome, run.addresses.makerPageUrl);
    run.completion.CountFinished(surface);
}

void FinishUnstartedRow(int k, BatchSurface& surface, RunState& run) {
    if (run.stop.load()) return;
    WriteLookupOutcome(surface, k - 1, FailedRequestOutcome(run.addresses), run.addresses.makerPageUrl);
    run.completion.CountFinished(surface);
}

}  // namespace nomvera::lookup
