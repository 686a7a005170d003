#pragma once
// Everything of the batch window that a lookup run reads or writes: the list, part 0 of the status
// bar, the progress bar and the import/export box that shares its place. Implementations decide on
// which thread a call is carried out; the window's proxy carries worker calls out on the GUI thread,
// in the order each worker issues them. Texts are code page 936.

#include <string>

#include "lookup/AccountList.h"

namespace nomvera::lookup {

class BatchSurface : public AccountList {
public:
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetImportExportBoxVisible(bool visible) = 0;
    virtual void SetProgressVisible(bool visible) = 0;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgressPosition(int position) = 0;
};

}  // namespace nomvera::lookup
