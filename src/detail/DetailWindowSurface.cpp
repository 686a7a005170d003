#include "detail/DetailWindowSurface.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QTextEdit>

#include "batch/LocalText.h"
#include "detail/ControlNames.h"
#include "detail/DetailPictures.h"

namespace nomvera::detail {

namespace {

QString QtName(std::string_view control) {
    return QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
}

void ShowCentred(QTextEdit& box, const QString& text) {
    box.setPlainText(text);
    box.selectAll();
    box.setAlignment(Qt::AlignCenter);
    box.moveCursor(QTextCursor::Start);
}

}  // namespace

DetailWindowSurface::DetailWindowSurface(QWidget& window) : window_(window) {}

QWidget* DetailWindowSurface::Find(std::string_view control) const {
    return window_.findChild<QWidget*>(QtName(control));
}

std::string DetailWindowSurface::Text(std::string_view control) {
    if (control == names::kSafetyInfo) return safetyInfo_;
    if (auto* box = qobject_cast<QLineEdit*>(Find(control))) return batch::ToLocal(box->text());
    return std::string();
}

void DetailWindowSurface::SetText(std::string_view control, const std::string& text) {
    QWidget* widget = Find(control);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setText(batch::ToQt(text));
        box->setCursorPosition(0);
    } else if (auto* multiLine = qobject_cast<QTextEdit*>(widget)) {
        safetyInfo_ = text;
        ShowCentred(*multiLine, batch::ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

void DetailWindowSurface::SetTextColour(std::string_view control, Rgb colour) {
    QWidget* widget = Find(control);
    if (widget == nullptr) return;
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Text, QColor::fromRgb(colour));
    widget->setPalette(colours);
}

void DetailWindowSurface::SetEnabled(std::string_view control, bool enabled) {
    if (QWidget* widget = Find(control)) widget->setEnabled(enabled);
}

void DetailWindowSurface::SetCaption(std::string_view control, const std::string& text) {
    QWidget* widget = Find(control);
    if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(batch::ToQt(text));
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(batch::ToQt(text));
}

void DetailWindowSurface::SetPicture(std::string_view control, const std::string& imageBytes) {
    auto* picture = qobject_cast<QLabel*>(Find(control));
    if (picture == nullptr) return;
    QPixmap pixmap;
    if (imageBytes.empty() || !pixmap.loadFromData(reinterpret_cast<const uchar*>(imageBytes.data()),
                                                   static_cast<uint>(imageBytes.size()))) {
        picture->clear();
        return;
    }
    picture->setPixmap(pixmap);
}

void DetailWindowSurface::SetGradePicture(GradePicture picture) {
    gradePicture_ = picture;
    if (auto* box = qobject_cast<QLabel*>(Find(names::kGradePicture)))
        box->setPixmap(GradePicturePixmap(picture));
}

}  // namespace nomvera::detail
