#pragma once
// The file chooser of the running program: Qt's file dialog, modal to the window, default suffix
// "txt". It never changes the program's current directory.

#include <QStringList>

#include "batch/FileChooser.h"

namespace nomvera::batch {

class DialogFileChooser final : public FileChooser {
public:
    static const QString kOpenFilter;
    static const QString kSaveFilter;

    void ChooseFileToOpen(QWidget* parent, Chosen chosen) override;
    void ChooseFileToSave(QWidget* parent, Chosen chosen) override;

    // "description|pattern|description|pattern..." (patterns split by ";") as Qt name filters:
    // "所有文件(*.txt;*.xlsx) (*.txt *.xlsx)", "*.txt (*.txt)", ...
    static QStringList NameFilters(const QString& pairedFilter);

private:
    static void Show(QWidget* parent, bool save, Chosen chosen);
};

}  // namespace nomvera::batch
