#pragma once
// The spreadsheet operations behind workbook import and export, worked directly on files: a
// workbook opened from .xlsx or .xls is read, a new one is written as .xlsx. The callers' order
// of operations is kept as it would be with a spreadsheet application: start, a workbook, a
// sheet, one cell at a time, save, close. Texts are code page 936 on both sides of this class.
//
// Opened workbooks are read-only here and a new workbook has one sheet; a range of several cells
// acts as its first cell (the callers address one cell at a time). Operations out of order do
// nothing and reads give "". OpenWorkbook, SelectSheet and SaveWorkbookAs say whether they worked.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "batch/CellReference.h"
#include "batch/SheetCells.h"
#include "batch/WorkbookWriter.h"
#include "batch/XlsxLimits.h"

namespace nomvera::batch {

class XlsReader;
class XlsxReader;

class WorkbookInterface {
public:
    explicit WorkbookInterface(XlsxLimits limits = {});
    ~WorkbookInterface();
    WorkbookInterface(const WorkbookInterface&) = delete;
    WorkbookInterface& operator=(const WorkbookInterface&) = delete;

    void StartSpreadsheet();
    void NewWorkbook();
    void ActivateWorkbook();
    // Reads the file as a workbook by its content (.xlsx package or .xls compound file); the
    // opened workbook becomes current with its first sheet. False, changing nothing, when the
    // file is no workbook this can read.
    bool OpenWorkbook(const std::filesystem::path& path);
    // False when the sheet does not exist or cannot be read whole.
    bool SelectSheet(int number);
    void SelectRange(std::string_view firstCell, std::string_view lastCell);
    std::string ReadCellText();
    void WriteCellText(std::string_view text);
    void SetTextFormat();
    // Saves the new workbook through a temporary file, so a failed save leaves `path` as it was.
    bool SaveWorkbookAs(const std::filesystem::path& path);
    void CloseWorkbooks();
    void QuitSpreadsheet();
    void ReleaseSpreadsheet();

private:
    enum class Current { None, New, Opened };

    bool LoadSheet(int number);

    XlsxLimits limits_;
    bool started_ = false;
    Current current_ = Current::None;
    WorkbookWriter writer_;
    std::unique_ptr<XlsxReader> xlsx_;
    std::unique_ptr<XlsReader> xls_;
    int sheetCount_ = 0;
    int sheet_ = 0;  // selected sheet of the current workbook, 0 = none
    SheetCells cells_;
    std::optional<CellPosition> range_;
};

}  // namespace nomvera::batch
