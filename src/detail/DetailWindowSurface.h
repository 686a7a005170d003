#pragma once
// The detail window's controls seen as a DetailSurface, on the GUI thread: controls are found by
// their object names, texts cross between code page 936 and Qt here.

#include <string>

#include "detail/DetailSurface.h"

class QWidget;

namespace nomvera::detail {

class DetailWindowSurface final : public DetailSurface {
public:
    explicit DetailWindowSurface(QWidget& window);

    std::string Text(std::string_view control) override;
    void SetText(std::string_view control, const std::string& text) override;
    void SetTextColour(std::string_view control, Rgb colour) override;
    void SetEnabled(std::string_view control, bool enabled) override;
    void SetCaption(std::string_view control, const std::string& text) override;
    void SetPicture(std::string_view control, const std::string& imageBytes) override;
    void SetGradePicture(GradePicture picture) override;

    GradePicture CurrentGradePicture() const { return gradePicture_; }

private:
    QWidget* Find(std::string_view control) const;

    QWidget& window_;
    GradePicture gradePicture_ = GradePicture::Initial;
    // The multi-line box shows "\r\n" as line breaks; its program text is kept as written.
    std::string safetyInfo_;
};

}  // namespace nomvera::detail
