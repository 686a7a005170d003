#include "lookup/RunCompletion.h"

#include <cmath>
#include <string>

#include "web/CodePage.h"

namespace nomvera::lookup {

namespace {

const std::string& RunningText() {
    static const std::string text = web::Local(" 正在批量查询，请稍候……  ");
    return text;
}

std::string EndText(int rows) {
    static const std::string head = web::Local(" 数据（");
    static const std::string tail = web::Local("）批量查询结束！");
    return head + std::to_string(rows) + tail;
}

}  // namespace

void RunCompletion::CountFinished(BatchSurface& surface) {
    if (abandoned_.load()) return;
    // Read before taking the lock: through the window's proxy the read waits for the GUI thread,
    // which itself counts rows whose thread could not be started.
    const int rows = surface.RowCount();
    bool endedHere = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (abandoned_.load()) return;
        ++finished_;
        surface.SetProgressPosition(finished_);
        if (rows <= 0) return;  // the list was emptied under the run: no percentage to show
        const double share = static_cast<double>(finished_) / static_cast<double>(rows);
        const int percentage = static_cast<int>(std::floor(share * 100.0));
        surface.SetStatusText(RunningText() + std::to_string(percentage) + "%");
        if (percentage == 100 && !ended_) {
            ended_ = true;
            endedHere = true;
            surface.SetProgressVisible(false);
            surface.SetStatusText(EndText(rows));
        }
    }
    if (!endedHere) return;
    // A read is carried out after the writes issued before it, so once it returns the end text
    // is on screen; a new run started from then on cannot be overwritten by this one.
    surface.RowCount();
    running_.store(false);
}

void RunCompletion::Abandon() {
    abandoned_.store(true);
    running_.store(false);
}

}  // namespace nomvera::lookup
