#pragma once
// Water ripples over a still picture: two height fields stepped by the discrete wave equation, and
// a frame in which every pixel is taken from the still picture shifted by the local slope of the
// water. Plain arithmetic over 32-bit pixels; the widget that shows it owns the timer.

#include <cstdint>
#include <random>
#include <vector>

namespace nomvera::app {

class RippleEffect {
public:
    RippleEffect();

    // Takes a copy of the still picture (width × height pixels, 0xAARRGGBB, rows without padding).
    // Wide mode spreads waves further sideways than up and down and makes drops flatter. False, and
    // nothing attached, for a picture smaller than 4 × 4.
    bool Attach(const std::uint32_t* pixels, int width, int height, bool wide);
    bool Attached() const { return width_ > 0; }

    // Sets the water height to `strength` on x − h..x + h, y − v..y + v with h = size / 2 and
    // v = h (wide mode: h / 2). Ignored when that rectangle reaches the outermost pixel frame.
    void Drop(int x, int y, int size, int strength);

    // mode 0: rain off. mode 1: on every Tick, with probability 1/chance, a drop at a random point
    // at least one pixel inside, size 1..maxSize, strength 50..49 + maxStrength.
    void Rain(int mode, int chance, int maxSize, int maxStrength);

    // One timer tick: maybe a raindrop, one wave step, and the frame brought up to date. True when
    // the frame differs from the one before.
    bool Tick();

    // Advances the waves one step (no rain, no frame).
    void Step();
    // Computes the frame from the current heights; true when it differs from the previous frame.
    bool Render();

    // The current frame when `force` or when it changed since the last Draw; null otherwise.
    const std::uint32_t* Draw(bool force);

    // Frees the pictures and the height fields; the effect is unattached again.
    void Destroy();

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The water height at (x, y) of the current field; 0 outside or when unattached.
    int HeightAt(int x, int y) const;
    const std::uint32_t* Frame() const { return frame_.data(); }

    // Seeds the rain's random draws (tests make rain reproducible with it).
    void Seed(std::uint32_t seed) { random_.seed(seed); }

private:
    int width_ = 0;
    int height_ = 0;
    bool wide_ = false;
    int rainChance_ = 0;  // 0: no rain
    int rainMaxSize_ = 0;
    int rainMaxStrength_ = 0;
    bool waterMoving_ = false;  // some height is not zero
    bool frameIsStill_ = true;  // the frame equals the still picture
    bool frameUndrawn_ = true;  // the frame changed since the last Draw
    std::vector<std::uint32_t> still_;
    std::vector<std::uint32_t> frame_;
    std::vector<std::int32_t> current_;
    std::vector<std::int32_t> previous_;
    std::minstd_rand random_;
};

}  // namespace nomvera::app
