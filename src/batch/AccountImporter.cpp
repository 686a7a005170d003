#include "batch/AccountImporter.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>

#include "batch/AccountTextFile.h"
#include "batch/CellReference.h"
#include "batch/FileReading.h"
#include "batch/SheetCells.h"
#include "batch/TextFileDecoding.h"
#include "batch/WorkbookInterface.h"

namespace nomvera::batch {
namespace {

std::filesystem::path OsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

bool AccountImporter::IsBlank(std::string_view local) {
    for (std::size_t i = 0; i < local.size();) {
        if (local[i] == ' ') {
            ++i;
        } else if (local.substr(i, 2) == "\xA1\xA1") {  // the full-width space of code page 936
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

void AccountImporter::ShowWait() const {
    controls_.ShowWait(QStringLiteral(" 正在导入数据，请稍候……"), QStringLiteral("正在导入数据，请稍候……"));
}

void AccountImporter::Finish() const {
    controls_.waitBox.hide();
    controls_.SetStatus(QStringLiteral(" 数据（%1）导入完成！").arg(controls_.model.RowCount()));
}

void AccountImporter::Fail() const {
    controls_.waitBox.hide();
    controls_.SetStatus(QStringLiteral(" 数据导入失败，文件无法读取！"));
}

void AccountImporter::ImportTextFile(const QString& path) {
    ShowWait();
    const std::optional<std::string> bytes = FileReading::ReadAll(OsPath(path), maxTextFileBytes_);
    if (!bytes) {
        Fail();
        return;
    }
    const std::vector<std::string> accounts =
        AccountTextFile::ReadAccounts(TextFileDecoding::ToLocal(*bytes), controls_.makerPageUrl, kMaxRows);
    std::vector<AccountListModel::Row> rows(accounts.size());
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        rows[i][lookup::kColumnLink] = controls_.makerPageUrl;
        rows[i][lookup::kColumnAccount] = accounts[i];
    }
    controls_.model.ReplaceRows(std::move(rows));
    Finish();
}

void AccountImporter::ImportWorkbook(const QString& path) {
    ShowWait();
    WorkbookInterface book;
    book.StartSpreadsheet();
    book.NewWorkbook();
    book.ActivateWorkbook();
    const bool opened = book.OpenWorkbook(OsPath(path)) && book.SelectSheet(1);
    std::vector<AccountListModel::Row> rows;
    // The window may go away while its events run; then nothing of it is touched again.
    const QPointer<QObject> alive(&controls_.model);
    for (std::uint32_t sheetRow = 2; opened && sheetRow <= CellReference::kMaxRow && rows.size() < kMaxRows;
         ++sheetRow) {
        QCoreApplication::processEvents();
        if (!alive) return;
        bool blank = true;
        AccountListModel::Row* target = nullptr;
        for (std::uint32_t column = 1; column <= SheetCells::kColumns; ++column) {
            const std::string cell = CellReference::Format(sheetRow, column);
            book.SelectRange(cell, cell);
            std::string text = book.ReadCellText();
            blank = blank && IsBlank(text);
            if (blank) continue;
            // A row whose cell a is blank has no account; it is left out (and ends nothing).
            if (column == 1) target = &rows.emplace_back();
            if (target != nullptr) (*target)[column] = std::move(text);
        }
        if (blank) break;
    }
    book.CloseWorkbooks();
    book.QuitSpreadsheet();
    book.ReleaseSpreadsheet();
    if (!opened) {
        Fail();
        return;
    }
    controls_.model.ReplaceRows(std::move(rows));
    Finish();
}

}  // namespace nomvera::batch
