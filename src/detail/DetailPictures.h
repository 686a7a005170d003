#pragma once
// The detail window's own pictures, drawn by code at start-up: the four grade pictures, the
// rating flowers and the face of the 查询 button.

#include <QPixmap>
#include <QSize>

#include "detail/GradePicture.h"

namespace nomvera::detail {

enum class Flower { Good, Neutral, Bad };

// 160×46, light grey, with shields bearing a small monitor.
QPixmap GradePicturePixmap(GradePicture picture);
// Red (good), yellow (neutral) or dark (bad) five-petal flower, centred in `size`.
QPixmap RatingFlowerPixmap(Flower flower, QSize size);
// 90×26: dark red face, white magnifier, yellow 查询.
QPixmap QueryButtonFace();

}  // namespace nomvera::detail
