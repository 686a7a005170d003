#pragma once
// Asks the user for a file to import from or export to. The answer comes back through a callback,
// so no nested event loop runs while the dialog is open; tests put a chooser of their own in.

#include <QString>
#include <functional>

class QWidget;

namespace nomvera::batch {

class FileChooser {
public:
    // Called with the chosen file; not called at all when the user cancels.
    using Chosen = std::function<void(const QString& path)>;

    virtual ~FileChooser() = default;
    // An existing file, filter "所有文件(*.txt;*.xlsx)|*.txt;*.xlsx|*.txt|*.txt|*.xlsx|*.xlsx".
    virtual void ChooseFileToOpen(QWidget* parent, Chosen chosen) = 0;
    // A file in an existing folder, replacing one only when the user agrees, filter
    // "*.txt|*.txt|*.xlsx|*.xlsx".
    virtual void ChooseFileToSave(QWidget* parent, Chosen chosen) = 0;
};

}  // namespace nomvera::batch
