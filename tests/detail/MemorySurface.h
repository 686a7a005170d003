#pragma once
// A DetailSurface that keeps what is written, for the display and lookup run without a window.

#include <map>
#include <string>
#include <vector>

#include "detail/DetailSurface.h"

namespace nomvera::detail::testing {

struct MemorySurface final : DetailSurface {
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, Rgb, std::less<>> colours;
    std::map<std::string, std::string, std::less<>> captions;
    std::map<std::string, bool, std::less<>> enabled;
    std::vector<GradePicture> gradePictures;

    std::string Text(std::string_view control) override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void SetText(std::string_view control, const std::string& text) override {
        texts[std::string(control)] = text;
    }
    void SetTextColour(std::string_view control, Rgb colour) override {
        colours[std::string(control)] = colour;
    }
    void SetEnabled(std::string_view control, bool on) override { enabled[std::string(control)] = on; }
    void SetCaption(std::string_view control, const std::string& text) override {
        captions[std::string(control)] = text;
    }
    void SetPicture(std::string_view, const std::string&) override {}
    void SetGradePicture(GradePicture picture) override { gradePictures.push_back(picture); }
};

}  // namespace nomvera::detail::testing
