#pragma once
// What the detail lookup reads and writes of its window, control by control. Controls are named
// by their object names (UTF-8); texts are code page 936. No Qt here, so the lookup and the
// display run and test without a window.

#include <cstdint>
#include <string>
#include <string_view>

#include "detail/GradePicture.h"

namespace nomvera::detail {

// 0xRRGGBB.
using Rgb = std::uint32_t;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kBlue = 0x0000FF;

class DetailSurface {
public:
    virtual ~DetailSurface() = default;

    // The text of an edit box.
    virtual std::string Text(std::string_view control) = 0;
    virtual void SetText(std::string_view control, const std::string& text) = 0;
    virtual void SetTextColour(std::string_view control, Rgb colour) = 0;
    virtual void SetEnabled(std::string_view control, bool enabled) = 0;
    // The caption of a group box or a label.
    virtual void SetCaption(std::string_view control, const std::string& text) = 0;
    // Image bytes (PNG, GIF, JPEG...); empty or unreadable bytes clear the picture.
    virtual void SetPicture(std::string_view control, const std::string& imageBytes) = 0;
    virtual void SetGradePicture(GradePicture picture) = 0;
};

}  // namespace nomvera::detail
