#pragma once
// A picture box that shows a RippleEffect: a timer on the GUI thread advances the waves and
// repaints only when the frame changed; a press drops a drop, and so does every mouse move.

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace nomvera::app {

class RippleEffect;

class RipplePicture final : public QWidget {
    Q_OBJECT

public:
    RipplePicture(RippleEffect& effect, QWidget* parent);

    // Shows `picture` and, when the effect takes it, animates it with one tick every `periodMs`.
    bool Attach(const QImage& picture, int periodMs, bool wide);
    // Stops the ticks and releases the effect's buffers.
    void Detach();

    // Presses and moves over `child` drop into the water as well; the child keeps its events.
    void WatchChild(QWidget& child);

    RippleEffect& Effect() { return effect_; }
    const QTimer& Timer() const { return timer_; }
    // One tick, as the timer does it.
    void Tick();
    // The picture as currently shown.
    QImage CurrentFrame() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DropAt(QPoint at, bool pressed);

    RippleEffect& effect_;
    QImage still_;
    QTimer timer_;
};

}  // namespace nomvera::app
