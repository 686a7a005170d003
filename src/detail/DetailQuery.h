#pragma once
// One detail lookup, run on the detail worker thread: the account from the window's account box,
// every field of its profile into the window's boxes, the credit-level picture, the machine's IP
// address and region, the rating link for the grade picture, and finally the display.
// Every step goes through the surface; between steps the run looks at `stop` and ends early
// once the window has asked it to, and the same flag aborts a transfer in flight.

#include <atomic>
#include <functional>

#include "lookup/SafetyGrade.h"
#include "lookup/ServiceAddresses.h"

namespace nomvera::app {
class LockedText;
}

namespace nomvera::detail {

class DetailSurface;

class DetailQuery {
public:
    using Clock = std::function<lookup::LocalTime()>;

    DetailQuery(DetailSurface& surface, lookup::ServiceAddresses addresses, app::LockedText& ratingLink,
                const std::atomic<bool>& stop, Clock clock = &lookup::LocalNow);

    void Run();

private:
    bool Stopped() const { return stop_.load(); }
    void EmptyTheWindow();

    DetailSurface& surface_;
    lookup::ServiceAddresses addresses_;
    app::LockedText& ratingLink_;
    const std::atomic<bool>& stop_;
    Clock clock_;
};

}  // namespace nomvera::detail
