#include "app/RipplePicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

#include "app/RippleEffect.h"

namespace nomvera::app {

RipplePicture::RipplePicture(RippleEffect& effect, QWidget* parent) : QWidget(parent), effect_(effect) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&timer_, &QTimer::timeout, this, &RipplePicture::Tick);
}

bool RipplePicture::Attach(const QImage& picture, int periodMs, bool wide) {
    timer_.stop();
    still_ = picture.convertToFormat(QImage::Format_RGB32);
    // Format_RGB32 rows are 4-byte pixels without padding, the layout the effect reads.
    const bool attached = !still_.isNull() && effect_.Attach(reinterpret_cast<const std::uint32_t*>(still_.constBits()),
                                                             still_.width(), still_.height(), wide);
    if (attached) {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.start(periodMs);
    }
    update();
    return attached;
}

void RipplePicture::Detach() {
    timer_.stop();
    effect_.Destroy();
    update();
}

void RipplePicture::WatchChild(QWidget& child) {
    child.setMouseTracking(true);
    child.installEventFilter(this);
}

void RipplePicture::Tick() {
    if (effect_.Tick()) update();
}

QImage RipplePicture::CurrentFrame() const {
    if (!effect_.Attached()) return still_;
    // A deep copy: the effect overwrites its frame on the next tick.
    return QImage(reinterpret_cast<const uchar*>(effect_.Frame()), effect_.Width(), effect_.Height(),
                  QImage::Format_RGB32)
        .copy();
}

void RipplePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (const std::uint32_t* frame = effect_.Draw(true)) {
        const QImage view(reinterpret_cast<const uchar*>(frame), effect_.Width(), effect_.Height(),
                          QImage::Format_RGB32);
        painter.drawImage(0, 0, view);
    } else if (!still_.isNull()) {
        painter.drawImage(0, 0, still_);
    }
}

void RipplePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) DropAt(event->position().toPoint(), true);
    QWidget::mousePressEvent(event);
}

void RipplePicture::mouseMoveEvent(QMouseEvent* event) {
    DropAt(event->position().toPoint(), false);
    QWidget::mouseMoveEvent(event);
}

bool RipplePicture::eventFilter(QObject* watched, QEvent* event) {
    auto* child = qobject_cast<QWidget*>(watched);
    if (child != nullptr && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = child->mapTo(this, mouse->position().toPoint());
        if (event->type() == QEvent::MouseMove) {
            DropAt(at, false);
        } else if (mouse->button() == Qt::LeftButton) {
            DropAt(at, true);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RipplePicture::DropAt(QPoint at, bool pressed) {
    const int size = pressed ? 5 : QRandomGenerator::global()->bounded(0, 6);
    effect_.Drop(at.x(), at.y(), size, 25);
}

}  // namespace nomvera::app
