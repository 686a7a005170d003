#include "batch/DialogFileChooser.h"

#include <QFileDialog>

namespace nomvera::batch {

const QString DialogFileChooser::kOpenFilter =
    QStringLiteral("所有文件(*.txt;*.xlsx)|*.txt;*.xlsx|*.txt|*.txt|*.xlsx|*.xlsx");
const QString DialogFileChooser::kSaveFilter = QStringLiteral("*.txt|*.txt|*.xlsx|*.xlsx");

QStringList DialogFileChooser::NameFilters(const QString& pairedFilter) {
    const QStringList parts = pairedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

void DialogFileChooser::ChooseFileToOpen(QWidget* parent, Chosen chosen) {
    Show(parent, false, std::move(chosen));
}

void DialogFileChooser::ChooseFileToSave(QWidget* parent, Chosen chosen) {
    Show(parent, true, std::move(chosen));
}

void DialogFileChooser::Show(QWidget* parent, bool save, Chosen chosen) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open: only an existing file. Save: any name in an existing folder; replacing asks first
    // (QFileDialog's default for a save dialog).
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilters(NameFilters(save ? kSaveFilter : kOpenFilter));
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) {
                         if (!path.isEmpty()) chosen(path);
                     });
    // open(), not exec(): modal to the window without a nested event loop.
    dialog->open();
}

}  // namespace nomvera::batch
