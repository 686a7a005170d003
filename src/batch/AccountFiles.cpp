#include "batch/AccountFiles.h"

#include <QPointer>
#include <QWidget>

#include "batch/DialogFileChooser.h"
#include "batch/LocalText.h"
#include "web/TextRoutines.h"

namespace nomvera::batch {

AccountFiles::AccountFiles(QWidget& window, TransferControls controls)
    : QObject(&window),
      window_(window),
      controls_(std::move(controls)),
      importer_(controls_),
      exporter_(controls_),
      chooser_(std::make_unique<DialogFileChooser>()) {}

AccountFiles::~AccountFiles() = default;

std::string AccountFiles::Extension(const QString& path) {
    return web::GetFileExtension(ToLocal(path));
}

template <typename Work>
void AccountFiles::RunOnce(Work work) {
    if (busy_) return;
    busy_ = true;
    const QPointer<AccountFiles> alive(this);
    work();
    if (alive) busy_ = false;
}

void AccountFiles::ImportAccountFile() {
    if (busy_) return;
    const QPointer<AccountFiles> alive(this);
    chooser_->ChooseFileToOpen(&window_, [this, alive](const QString& path) {
        if (!alive) return;
        if (Extension(path) == ".txt") {
            ImportTextFile(path);
        } else {
            ImportWorkbook(path);
        }
    });
}

void AccountFiles::ExportAccountFile() {
    if (busy_) return;
    const QPointer<AccountFiles> alive(this);
    chooser_->ChooseFileToSave(&window_, [this, alive](const QString& path) {
        if (!alive) return;
        if (Extension(path) == ".txt") {
            ExportTextFile(path);
        } else {
            ExportWorkbook(path);
        }
    });
}

void AccountFiles::ImportDroppedFiles(const QStringList& paths) {
    if (paths.isEmpty()) return;
    QString text = paths.front();
    if (paths.size() > 1) {
        text.clear();
        for (const QString& path : paths) text += path + QStringLiteral("\r\n");
    }
    const std::string extension = Extension(text);
    if (extension == ".txt") {
        ImportTextFile(text);
    } else if (extension == ".xls" || extension == ".xlsx") {
        ImportWorkbook(text);
    }
}

void AccountFiles::ImportTextFile(const QString& path) {
    if (busy_ || (refuseImport_ && refuseImport_())) return;
    RunOnce([&] { importer_.ImportTextFile(path); });
}

void AccountFiles::ImportWorkbook(const QString& path) {
    if (busy_ || (refuseImport_ && refuseImport_())) return;
    RunOnce([&] { importer_.ImportWorkbook(path); });
}

void AccountFiles::ExportTextFile(const QString& path) {
    RunOnce([&] { exporter_.ExportTextFile(path); });
}

void AccountFiles::ExportWorkbook(const QString& path) {
    RunOnce([&] { exporter_.ExportWorkbook(path); });
}

}  // namespace nomvera::batch
