#pragma once
// Carries the detail worker's reads and writes of the window out on the GUI thread, one at a time
// and in the order the worker issues them: writes are queued without waiting, a read waits until
// it has been carried out, so it sees the worker's earlier writes. The GUI thread never waits for
// the worker. Once the window goes (Detach, or the window's destruction), whatever is still queued
// is dropped, a waiting read returns "", and every later call does nothing.

#include <functional>
#include <memory>
#include <string>

#include "detail/DetailSurface.h"

class QObject;

namespace nomvera::detail {

class GuiThreadDetailSurface final : public DetailSurface {
public:
    // `target`: the window's own surface; `context`: the window. The queued calls go to a small
    // child of `context`, so Qt drops them when the window is destroyed.
    GuiThreadDetailSurface(DetailSurface& target, QObject& context);
    ~GuiThreadDetailSurface() override;
    GuiThreadDetailSurface(const GuiThreadDetailSurface&) = delete;
    GuiThreadDetailSurface& operator=(const GuiThreadDetailSurface&) = delete;

    // On the GUI thread, when the window closes.
    void Detach();

    // Queues any other call for the GUI thread behind the writes issued so far.
    void Post(std::function<void()> call);

    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetTextColour(std::string_view control, Rgb colour) override;
    void SetEnabled(std::string_view control, bool enabled) override;
    void SetCaption(std::string_view control, const std::string& text) override;
    void SetPicture(std::string_view control, const std::string& imageBytes) override;
    void SetGradePicture(GradePicture picture) override;

    struct Link;

private:
    void PostToTarget(std::function<void(DetailSurface&)> call);

    std::shared_ptr<Link> link_;
};

}  // namespace nomvera::detail
