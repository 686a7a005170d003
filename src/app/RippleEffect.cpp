#include "app/RippleEffect.h"

#include <algorithm>
#include <cstdlib>

namespace nomvera::app {

RippleEffect::RippleEffect() : random_(std::random_device{}()) {}

bool RippleEffect::Attach(const std::uint32_t* pixels, int width, int height, bool wide) {
    Destroy();
    if (pixels == nullptr || width < 4 || height < 4) return false;
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    still_.assign(pixels, pixels + count);
    frame_ = still_;
    current_.assign(count, 0);
    previous_.assign(count, 0);
    width_ = width;
    height_ = height;
    wide_ = wide;
    frameIsStill_ = true;
    frameUndrawn_ = true;
    return true;
}

void RippleEffect::Destroy() {
    still_ = {};
    frame_ = {};
    current_ = {};
    previous_ = {};
    width_ = height_ = 0;
    rainChance_ = 0;
    waterMoving_ = false;
}

void RippleEffect::Drop(int x, int y, int size, int strength) {
    if (!Attached()) return;
    const int h = std::max(size, 0) / 2;
    const int v = wide_ ? h / 2 : h;
    if (x - h < 1 || y - v < 1 || x + h > width_ - 2 || y + v > height_ - 2) return;
    for (int row = y - v; row <= y + v; ++row) {
        std::int32_t* line = current_.data() + static_cast<std::ptrdiff_t>(row) * width_;
        std::fill(line + (x - h), line + (x + h + 1), strength);
    }
    if (strength != 0) waterMoving_ = true;
}

void RippleEffect::Rain(int mode, int chance, int maxSize, int maxStrength) {
    if (mode == 0 || chance < 1 || maxSize < 1 || maxStrength < 1) {
        rainChance_ = 0;
        return;
    }
    rainChance_ = chance;
    rainMaxSize_ = maxSize;
    rainMaxStrength_ = maxStrength;
}

bool RippleEffect::Tick() {
    if (!Attached()) return false;
    if (rainChance_ > 0 && std::uniform_int_distribution<int>(1, rainChance_)(random_) == 1) {
        const int x = std::uniform_int_distribution<int>(1, width_ - 2)(random_);
        const int y = std::uniform_int_distribution<int>(1, height_ - 2)(random_);
        const int size = std::uniform_int_distribution<int>(1, rainMaxSize_)(random_);
        const int strength = std::uniform_int_distribution<int>(50, 49 + rainMaxStrength_)(random_);
        Drop(x, y, size, strength);
    }
    Step();
    return Render();
}

void RippleEffect::Step() {
    if (!Attached() || !waterMoving_) return;
    // Each new height: the neighbours' weighted sum (weights adding up to 2) minus the height two
    // steps back, damped by 1/32. Wide mode weighs the row neighbours 3/4 and the column ones
    // 1/4, so waves run faster sideways; the weights keep the scheme stable either way.
    const int w = width_;
    bool moving = false;
    for (int y = 1; y < height_ - 1; ++y) {
        const std::int32_t* c = current_.data() + static_cast<std::ptrdiff_t>(y) * w;
        std::int32_t* p = previous_.data() + static_cast<std::ptrdiff_t>(y) * w;
        for (int x = 1; x < w - 1; ++x) {
            const std::int32_t across = c[x - 1] + c[x + 1];
            const std::int32_t along = c[x - w] + c[x + w];
            std::int32_t next = wide_ ? ((3 * across + along) >> 2) : ((across + along) >> 1);
            next -= p[x];
            next -= next >> 5;
            // Heights of ±1 never settle under the integer damping; they are below one pixel of
            // refraction anyway.
            if (next >= -1 && next <= 1) next = 0;
            p[x] = next;
            moving = moving || next != 0;
        }
    }
    current_.swap(previous_);
    // Calm water restarts from two flat fields, not from the last step's leftovers.
    if (!moving) std::fill(previous_.begin(), previous_.end(), 0);
    waterMoving_ = moving;
}

bool RippleEffect::Render() {
    if (!Attached()) return false;
    if (!waterMoving_ && frameIsStill_) return false;
    const int w = width_;
    const int h = height_;
    bool shifted = false;
    for (int y = 0; y < h; ++y) {
        const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(y) * w;
        std::uint32_t* out = frame_.data() + row;
        if (y == 0 || y == h - 1) {
            std::copy_n(still_.data() + row, w, out);
            continue;
        }
        const std::int32_t* c = current_.data() + row;
        out[0] = still_[static_cast<std::size_t>(row)];
        out[w - 1] = still_[static_cast<std::size_t>(row + w - 1)];
        for (int x = 1; x < w - 1; ++x) {
            const int dx = (c[x - 1] - c[x + 1]) >> 3;
            const int dy = (c[x - w] - c[x + w]) >> 3;
            if ((dx | dy) == 0) {
                out[x] = still_[static_cast<std::size_t>(row + x)];
                continue;
            }
            shifted = true;
            const int sx = std::clamp(x + dx, 0, w - 1);
            const int sy = std::clamp(y + dy, 0, h - 1);
            out[x] = still_[static_cast<std::size_t>(sy) * static_cast<std::size_t>(w) +
                            static_cast<std::size_t>(sx)];
        }
    }
    // A frame without any shift equals the still picture; two of those in a row are no change.
    const bool changed = shifted || !frameIsStill_;
    frameIsStill_ = !shifted;
    if (changed) frameUndrawn_ = true;
    return changed;
}

const std::uint32_t* RippleEffect::Draw(bool force) {
    if (!Attached()) return nullptr;
    if (!force && !frameUndrawn_) return nullptr;
    frameUndrawn_ = false;
    return frame_.data();
}

int RippleEffect::HeightAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return current_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

}  // namespace nomvera::app
