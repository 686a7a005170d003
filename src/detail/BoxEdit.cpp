#include "detail/BoxEdit.h"

#include <QPainter>

namespace nomvera::detail {

BoxEdit::BoxEdit(bool thinBorder, QWidget* parent) : QLineEdit(parent), thinBorder_(thinBorder) {
    // The style's frame is thicker than one pixel and rounded; the border is drawn here instead.
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    setTextMargins(1, 0, 1, 0);
}

void BoxEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!thinBorder_) return;
    QPainter painter(this);
    painter.setPen(QColor(0x7F, 0x9D, 0xB9));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace nomvera::detail
