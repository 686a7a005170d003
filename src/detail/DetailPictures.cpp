#include "detail/DetailPictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>

namespace nomvera::detail {

namespace {

const QColor kGreen(0x2E, 0xA0, 0x3C);
const QColor kBlue(0x1E, 0x5E, 0xD8);
const QColor kRed(0xE0, 0x1E, 0x1E);

// A shield `width` wide whose top-left corner is at `origin`, with a white monitor on it.
void DrawShield(QPainter& painter, QPointF origin, qreal width, const QColor& colour) {
    const qreal h = width * 1.2;
    QPainterPath shield;
    shield.moveTo(origin.x() + width / 2, origin.y());
    shield.cubicTo(origin.x() + width * 0.75, origin.y() + h * 0.1, origin.x() + width, origin.y() + h * 0.1,
                   origin.x() + width, origin.y() + h * 0.12);
    shield.lineTo(origin.x() + width, origin.y() + h * 0.45);
    shield.cubicTo(origin.x() + width, origin.y() + h * 0.75, origin.x() + width * 0.7, origin.y() + h * 0.9,
                   origin.x() + width / 2, origin.y() + h);
    shield.cubicTo(origin.x() + width * 0.3, origin.y() + h * 0.9, origin.x(), origin.y() + h * 0.75,
                   origin.x(), origin.y() + h * 0.45);
    shield.lineTo(origin.x(), origin.y() + h * 0.12);
    shield.cubicTo(origin.x(), origin.y() + h * 0.1, origin.x() + width * 0.25, origin.y() + h * 0.1,
                   origin.x() + width / 2, origin.y());
    painter.setPen(QPen(colour.darker(140), 1));
    painter.setBrush(colour);
    painter.drawPath(shield);

    // The monitor: a screen with a foot.
    const QRectF screen(origin.x() + width * 0.25, origin.y() + h * 0.28, width * 0.5, h * 0.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(screen);
    painter.setBrush(colour);
    painter.drawRect(screen.adjusted(width * 0.06, h * 0.05, -width * 0.06, -h * 0.05));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(screen.center().x() - width * 0.04, screen.bottom(), width * 0.08, h * 0.08));
    painter.drawRect(
        QRectF(screen.center().x() - width * 0.15, screen.bottom() + h * 0.08, width * 0.3, h * 0.05));
}

QFont CaptionFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QPixmap GradePicturePixmap(GradePicture picture) {
    QPixmap pixmap(160, 46);
    pixmap.fill(QColor(0xEE, 0xEE, 0xEE));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (picture == GradePicture::Initial) {
        DrawShield(painter, QPointF(28, 4), 31, kGreen);
        DrawShield(painter, QPointF(65, 4), 31, kBlue);
        DrawShield(painter, QPointF(102, 4), 31, kRed);
        return pixmap;
    }
    QColor colour = kGreen;
    QString caption = QStringLiteral("安全等级：安全");
    if (picture == GradePicture::Danger) {
        colour = kRed;
        caption = QStringLiteral("安全等级：危险");
    } else if (picture == GradePicture::NotGradable) {
        colour = kBlue;
        caption = QStringLiteral("安全等级：未知");
    }
    DrawShield(painter, QPointF(6, 4), 31, colour);
    painter.setPen(colour);
    painter.setFont(CaptionFont(15, true));
    painter.drawText(QRectF(42, 0, 116, 46), Qt::AlignVCenter | Qt::AlignLeft, caption);
    return pixmap;
}

QPixmap RatingFlowerPixmap(Flower flower, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor petal(0xE8, 0x1C, 0x2C);
    if (flower == Flower::Neutral) petal = QColor(0xF2, 0xC2, 0x12);
    if (flower == Flower::Bad) petal = QColor(0x55, 0x55, 0x55);
    const qreal side = std::min(size.width(), size.height()) - 2;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal petalRadius = side * 0.22;
    painter.setPen(Qt::NoPen);
    painter.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = (-90.0 + 72.0 * i) * M_PI / 180.0;
        const QPointF at(centre.x() + std::cos(angle) * side * 0.27,
                         centre.y() + std::sin(angle) * side * 0.27);
        painter.drawEllipse(at, petalRadius, petalRadius);
    }
    painter.setBrush(flower == Flower::Bad ? QColor(0x22, 0x22, 0x22) : QColor(0xFF, 0xF4, 0xC0));
    painter.drawEllipse(centre, side * 0.14, side * 0.14);
    return pixmap;
}

QPixmap QueryButtonFace() {
    QPixmap pixmap(90, 26);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, 26);
    face.setColorAt(0, QColor(0xA8, 0x10, 0x10));
    face.setColorAt(1, QColor(0x70, 0x00, 0x00));
    painter.fillRect(pixmap.rect(), face);
    painter.setPen(QPen(QColor(0x50, 0x00, 0x00), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, 89, 25));

    // The magnifier: a ring and a handle.
    painter.setPen(QPen(Qt::white, 2.2));
    painter.drawEllipse(QPointF(21, 11), 6, 6);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(25.5, 15.5), QPointF(31, 21));

    painter.setPen(QColor(0xFF, 0xE0, 0x20));
    painter.setFont(CaptionFont(15, true));
    painter.drawText(QRectF(36, 0, 50, 26), Qt::AlignCenter, QStringLiteral("查询"));
    return pixmap;
}

}  // namespace nomvera::detail
