#pragma once
// The lookup's writes into one row of the batch list, one cell at a time and in a fixed order:
// the simple query steps its progress bar on the writes of FillRow.

#include <functional>
#include <string>

#include "lookup/AccountList.h"
#include "lookup/CreditProfile.h"
#include "lookup/SafetyGrade.h"

namespace nomvera::lookup {

// Called after each cell write with the column just written.
using ColumnWritten = std::function<void(int column)>;

// Pending: column 0 := makerPageUrl, columns 2..13 := empty; column 1 is left alone.
void ResetRowForQuery(AccountList& list, int row, const std::string& makerPageUrl);
// Not found: columns 2..13 := "?" in ascending order, then column 0 := makerPageUrl.
void MarkRowNotFound(AccountList& list, int row, const std::string& makerPageUrl);
// Filled: columns 0, 11, 12, 13, 3, 4, 5..10 in that order; column 2 is the grading's.
void FillRow(AccountList& list, int row, const CreditProfile& profile, const ColumnWritten& written = {});

// The texts the rules read, from columns 11, 12, 3, 4, 5..10 of a filled row.
GradeInputs GradeInputsFromRow(AccountList& list, int row);
// Writes the grade of a filled row into column 2; never called for a not-found row.
void GradeRow(AccountList& list, int row, LocalTime now);

}  // namespace nomvera::lookup
