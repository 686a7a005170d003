#include "lookup/QueryRow.h"

#include <string>

#include "lookup/CpuTurns.h"
#include "lookup/LookupAnswerParser.h"
#include "lookup/LookupFetch.h"
#include "lookup/LookupRequest.h"
#include "lookup/SafetyGrade.h"
#include "web/HttpEngine.h"

namespace nomvera::lookup {

namespace {

// The texts the rules read, as FillRow has just written them into the row. Taken from the profile
// rather than read back, which would cost a worker ten waits for the GUI thread.
GradeInputs GradeInputsOf(const CreditProfile& profile) {
    GradeInputs inputs;
    inputs.identity = profile.identity;
    inputs.registrationTime = profile.registrationTime;
    inputs.givenNeutral = profile.givenNeutral;
    inputs.givenBad = profile.givenBad;
    inputs.weekGood = profile.weekGood;
    inputs.weekNeutral = profile.weekNeutral;
    inputs.weekBad = profile.weekBad;
    inputs.monthGood = profile.monthGood;
    inputs.monthNeutral = profile.monthNeutral;
    inputs.monthBad = profile.monthBad;
    return inputs;
}

}  // namespace

void WriteLookupOutcome(BatchSurface& surface, int row, const LookupOutcome& outcome,
                        const std::string& makerPageUrl, const ColumnWritten& written) {
    if (!outcome.found) {
        MarkRowNotFound(surface, row, makerPageUrl);
        return;
    }
    FillRow(surface, row, outcome.profile, written);
    surface.SetCellText(row, kColumnGrade,
                        GradeText(GradeProfile(GradeInputsOf(outcome.profile), LocalNow())));
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

    std::string body;
    {
        CpuTurns::Turn turn(CpuTurns::Shared());
        body = BuildLookupRequest(account);
    }
    if (run.stop.load()) return;
    web::HttpControl control;
    control.cancel = &run.stop;
    const std::string answer = PostLookupRequest(body, run.addresses.lookupHost, &control);
    if (run.stop.load()) return;
    LookupOutcome outcome;
    {
        CpuTurns::Turn turn(CpuTurns::Shared());
        outcome = ParseLookupAnswer(answer, run.addresses.ratingHost);
    }
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
