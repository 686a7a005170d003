#include "app/HotArea.h"

#include <QMouseEvent>

namespace nomvera::app {

HotArea::HotArea(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void HotArea::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // Like a button: the release counts only when it happens over the area.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit released();
}

}  // namespace nomvera::app
