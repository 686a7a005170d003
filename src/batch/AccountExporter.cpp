#include "batch/AccountExporter.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <array>

#include "batch/AccountTextFile.h"
#include "batch/CellReference.h"
#include "batch/ReplacingFile.h"
#include "batch/WorkbookInterface.h"
#include "web/CodePage.h"

namespace nomvera::batch {
namespace {

std::filesystem::path OsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The header row of a workbook: the names of columns 1 to 13.
const std::array<std::string, 13>& ColumnNames() {
    static const std::array<std::string, 13> names = {
        web::Local("淘宝账号"), web::Local("安全"), web::Local("给中"), web::Local("给差"),
        web::Local("周好"),     web::Local("周中"), web::Local("周差"), web::Local("月好"),
        web::Local("月中"),     web::Local("月差"), web::Local("身份"), web::Local("始期"),
        web::Local("认证")};
    return names;
}

void WriteTextCell(WorkbookInterface& book, std::uint32_t row, std::uint32_t column,
                   const std::string& text) {
    const std::string cell = CellReference::Format(row, column);
    book.SelectRange(cell, cell);
    // The format goes first so that digits and date-like accounts stay the text they are.
    book.SetTextFormat();
    book.WriteCellText(text);
}

}  // namespace

void AccountExporter::Finish(bool written) const {
    controls_.SetStatus(written ? QStringLiteral(" 数据（%1）导出完成！").arg(controls_.model.RowCount())
                                : QStringLiteral(" 数据导出失败！"));
}

void AccountExporter::ExportTextFile(const QString& path) {
    controls_.ShowWait(QStringLiteral(" 正在导出数据，请稍候……"), QStringLiteral("正在导出数据，请稍候……"));
    const std::string header =
        AccountTextFile::ExportHeaderLine(controls_.makerPageUrl, ExportTime::Text(clock_()));
    const bool written =
        ReplacingFile::WriteWhole(OsPath(path), AccountTextFile::Compose(header, controls_.model));
    controls_.waitBox.hide();
    Finish(written);
}

void AccountExporter::ExportWorkbook(const QString& path) {
    const QString running = QStringLiteral(" 正在导出数据，请稍候……  %1%");
    controls_.SetStatus(running.arg(0));
    controls_.waitBox.hide();
    // The rows as they are now: edits made while events run cannot pull rows from under the loop.
    const std::vector<AccountListModel::Row> rows = controls_.model.Rows();
    const int count = static_cast<int>(rows.size());
    controls_.progress.setValue(0);
    controls_.progress.show();
    controls_.progress.setRange(0, count);

    WorkbookInterface book;
    book.StartSpreadsheet();
    book.NewWorkbook();
    book.ActivateWorkbook();
    book.SelectSheet(1);
    for (std::uint32_t column = 1; column <= 13; ++column)
        WriteTextCell(book, 1, column, ColumnNames()[column - 1]);

    const QPointer<QObject> alive(&controls_.model);
    int shownPercent = 0;
    for (int row = 0; row < count; ++row) {
        QCoreApplication::processEvents();
        if (!alive) return;
        const AccountListModel::Row& cells = rows[static_cast<std::size_t>(row)];
        for (std::uint32_t column = 1; column <= 13; ++column) {
            WriteTextCell(book, static_cast<std::uint32_t>(row) + 2, column, cells[column]);
        }
        const int percent = static_cast<int>(static_cast<long long>(row + 1) * 100 / count);
        // Writing the same text again shows nothing new; a label relayout per row is not free.
        if (percent != shownPercent) controls_.SetStatus(running.arg(percent));
        shownPercent = percent;
        controls_.progress.setValue(row + 1);
    }
    const bool written = book.SaveWorkbookAs(OsPath(path));
    book.CloseWorkbooks();
    book.QuitSpreadsheet();
    book.ReleaseSpreadsheet();
    controls_.progress.hide();
    Finish(written);
}

}  // namespace nomvera::batch
