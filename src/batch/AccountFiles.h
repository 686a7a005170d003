#pragma once
// Where import and export start: the toolbar's 导入 and 导出 through the file dialog, and files
// dropped on the list. Picks the file kind by its extension and hands over to the importer or
// exporter; while one of them runs (a workbook lets window events run), further requests wait
// for nothing and are ignored.

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "batch/AccountExporter.h"
#include "batch/AccountImporter.h"
#include "batch/FileChooser.h"
#include "batch/TransferControls.h"

class QWidget;

namespace nomvera::batch {

class AccountFiles final : public QObject {
    Q_OBJECT

public:
    AccountFiles(QWidget& window, TransferControls controls);
    ~AccountFiles() override;

    // The open dialog, then the import of the chosen file; a cancel changes nothing.
    void ImportAccountFile();
    // The save dialog, then the export to the chosen file; a cancel changes nothing.
    void ExportAccountFile();
    // Files dropped on the list. Several at once import nothing: their joined path text ends in
    // "\r\n", which no extension matches.
    void ImportDroppedFiles(const QStringList& paths);

    void ImportTextFile(const QString& path);
    void ImportWorkbook(const QString& path);
    void ExportTextFile(const QString& path);
    void ExportWorkbook(const QString& path);

    bool Busy() const { return busy_; }

    void SetFileChooser(std::unique_ptr<FileChooser> chooser) { chooser_ = std::move(chooser); }
    void SetClock(LocalClock clock) { exporter_.SetClock(std::move(clock)); }
    // Asked before an import starts; true refuses it (the window refuses while a query runs).
    void SetImportRefusal(std::function<bool()> refuse) { refuseImport_ = std::move(refuse); }
    AccountImporter& Importer() { return importer_; }

    // The extension as the program compares it: of the path's code page 936 text, letter case kept.
    static std::string Extension(const QString& path);

private:
    template <typename Work>
    void RunOnce(Work work);

    QWidget& window_;
    TransferControls controls_;
    AccountImporter importer_;
    AccountExporter exporter_;
    std::unique_ptr<FileChooser> chooser_;
    std::function<bool()> refuseImport_;
    bool busy_ = false;
};

}  // namespace nomvera::batch
