// Row writes of a lookup. Each cell is one call on the list, so a window can carry each out on
// its own thread and interleave them with other workers' writes.

#include "lookup/RowOperations.h"

#include <utility>

namespace nomvera::lookup {

void ResetRowForQuery(AccountList& list, int row, const std::string& makerPageUrl) {
    list.SetCellText(row, kColumnLink, makerPageUrl);
    for (int column = kColumnGrade; column < kColumnCount; ++column) list.SetCellText(row, column, {});
}

void MarkRowNotFound(AccountList& list, int row, const std::string& makerPageUrl) {
    static const std::string kUnknown = "?";
    for (int column = kColumnGrade; column < kColumnCount; ++column) list.SetCellText(row, column, kUnknown);
    list.SetCellText(row, kColumnLink, makerPageUrl);
}

void FillRow(AccountList& list, int row, const CreditProfile& profile, const ColumnWritten& written) {
    const std::pair<int, const std::string*> writes[] = {
        {kColumnLink, &profile.ratingPageUrl},
        {kColumnIdentity, &profile.identity},
        {kColumnRegistrationTime, &profile.registrationTime},
        {kColumnRealName, &profile.realNameStatus},
        {kColumnGivenNeutral, &profile.givenNeutral},
        {kColumnGivenBad, &profile.givenBad},
        {kColumnWeekGood, &profile.weekGood},
        {kColumnWeekNeutral, &profile.weekNeutral},
        {kColumnWeekBad, &profile.weekBad},
        {kColumnMonthGood, &profile.monthGood},
        {kColumnMonthNeutral, &profile.monthNeutral},
        {kColumnMonthBad, &profile.monthBad},
    };
    for (const auto& [column, text] : writes) {
        list.SetCellText(row, column, *text);
        if (written) written(column);
    }
}

GradeInputs GradeInputsFromRow(AccountList& list, int row) {
    GradeInputs inputs;
    inputs.identity = list.CellText(row, kColumnIdentity);
    inputs.registrationTime = list.CellText(row, kColumnRegistrationTime);
    inputs.givenNeutral = list.CellText(row, kColumnGivenNeutral);
    inputs.givenBad = list.CellText(row, kColumnGivenBad);
    inputs.weekGood = list.CellText(row, kColumnWeekGood);
    inputs.weekNeutral = list.CellText(row, kColumnWeekNeutral);
    inputs.weekBad = list.CellText(row, kColumnWeekBad);
    inputs.monthGood = list.CellText(row, kColumnMonthGood);
    inputs.monthNeutral = list.CellText(row, kColumnMonthNeutral);
    inputs.monthBad = list.CellText(row, kColumnMonthBad);
    return inputs;
}

void GradeRow(AccountList& list, int row, LocalTime now) {
    list.SetCellText(row, kColumnGrade, GradeText(GradeProfile(GradeInputsFromRow(list, row), now)));
}

}  // namespace nomvera::lookup
