#include "batch/OuterSize.h"

#include <QEvent>
#include <QWidget>

namespace nomvera::batch {

OuterSize::OuterSize(QWidget& window, QSize outer) : QObject(&window), window_(window), outer_(outer) {}

void OuterSize::Apply(QWidget& window, QSize outer, int x, int y) {
    auto* keeper = new OuterSize(window, outer);
    window.setFixedSize(outer);
    // A top-level widget's move() places its frame, not its client area.
    window.move(x, y);
    window.installEventFilter(keeper);
}

bool OuterSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::Move)) Fit();
    return QObject::eventFilter(watched, event);
}

void OuterSize::Fit() {
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    const QSize client = (outer_ - frame).expandedTo(QSize(1, 1));
    if (window_.size() != client) window_.setFixedSize(client);
}

}  // namespace nomvera::batch
