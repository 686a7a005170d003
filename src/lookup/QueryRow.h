#pragma once
// The body of one batch worker: the whole lookup of one row, then its count in the run. Also the
// writes of a lookup's outcome into a row, shared with the simple query.

#include <atomic>
#include <string>
#include <utility>

#include "lookup/BatchSurface.h"
#include "lookup/CreditProfile.h"
#include "lookup/RowOperations.h"
#include "lookup/RunCompletion.h"
#include "lookup/ServiceAddresses.h"

namespace nomvera::lookup {

// What the workers of one run share. The stop flag doubles as the cancel flag of their transfers.
struct RunState {
    explicit RunState(ServiceAddresses serviceAddresses) : addresses(std::move(serviceAddresses)) {}
    const ServiceAddresses addresses;
    std::atomic<bool> stop{false};
    RunCompletion completion;
};

// Not found: "?" columns; found: the profile's columns, then the grade. `written` sees each
// column FillRow writes.
void WriteLookupOutcome(BatchSurface& surface, int row, const LookupOutcome& outcome,
                        const std::string& makerPageUrl, const ColumnWritten& written = {});

// The outcome of a request that failed: found, every field empty.
LookupOutcome FailedRequestOutcome(const ServiceAddresses& addresses);

// Worker k (from 1) looks up row k - 1 and counts itself; a stopped run makes it return early,
// writing nothing more.
void QueryRow(int k, BatchSurface& surface, RunState& run);

// Row k - 1 whose worker could not be started: it ends as a failed request would, and is counted.
void FinishUnstartedRow(int k, BatchSurface& surface, RunState& run);

}  // namespace nomvera::lookup
