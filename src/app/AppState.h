#pragma once
// The one program-wide record through which the windows hand work to each other. Created by main,
// released by the ShutdownRoutine; every window takes it by reference. Written on the GUI thread,
// except detailRatingLink, which is handed over under its own lock.

#include "app/LockedText.h"
#include "app/RippleEffect.h"
#include "lookup/ServiceAddresses.h"
#include "lookup/WorkerHandles.h"

namespace nomvera::app {

class AppState {
public:
    explicit AppState(lookup::ServiceAddresses serviceAddresses = {});
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // The start picture's water; unattached until the StartWindow's first activation.
    RippleEffect rippleEffect;

    // Where the outside services live; tests put their own stand-in here.
    lookup::ServiceAddresses addresses;

    // The AccountDialog's mode: true = modify the selected row, false = add a row.
    bool accountDialogModifies = false;
    // Set by the batch list's 高级查询 entry; the DetailWindow reads and clears it.
    bool openedFromBatchList = false;
    // The rating page the DetailWindow shows, replaced by its worker.
    LockedText detailRatingLink;
    // The detail window's lookup thread. Declared after the fields it uses, so that its
    // destructor waits for it before they go.
    lookup::WorkerHandles detailWorker;

    // Declared last so that it is destroyed first: its destructor joins the batch workers, which
    // may still read the fields above.
    lookup::WorkerHandles workerHandles;
};

}  // namespace nomvera::app
