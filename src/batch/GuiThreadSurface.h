#pragma once
// Carries a worker's reads and writes of the batch window out on the GUI thread, one at a time
// and in the order the worker issues them (one queue, carried out in short slices so that the
// window keeps answering during a flood of calls): writes are queued without waiting, a read waits until
// it has been carried out, so it sees the worker's earlier writes. The GUI thread never waits for
// a worker. When the window goes (Detach, or the window's destruction), whatever is still queued
// is dropped, a read that is waiting returns "", and every later call does nothing.
// QtCore only; made on the GUI thread and shared with the workers.

#include <memory>
#include <string>

#include "lookup/BatchSurface.h"

class QObject;
class QThread;

namespace nomvera::batch {

class GuiThreadSurface final : public lookup::BatchSurface {
public:
    // `target`: the window's own surface; `context`: the window. The GUI thread is woken through
    // a small child of `context`, whose destruction with the window drops every queued call.
    GuiThreadSurface(lookup::BatchSurface& target, QObject& context);
    ~GuiThreadSurface() override;
    GuiThreadSurface(const GuiThreadSurface&) = delete;
    GuiThreadSurface& operator=(const GuiThreadSurface&) = delete;

    // On the GUI thread, before the window's parts go away.
    void Detach();

    // Called on the GUI thread itself, a read first carries out this surface's queued calls, and
    // writes are queued like a worker's, so the order stays that of the issuing thread.
    int RowCount() override;
    std::string CellText(int row, int column) override;
    void SetCellText(int row, int column, const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void SetImportExportBoxVisible(bool visible) override;
    void SetProgressVisible(bool visible) override;
    void SetProgressMaximum(int maximum) override;
    void SetProgressPosition(int position) override;

    struct Link;

private:
    std::shared_ptr<Link> link_;
};

}  // namespace nomvera::batch
