#include "batch/PartedStatusBar.h"

#include <QLabel>
#include <algorithm>
#include <cstddef>

namespace nomvera::batch {

PartedStatusBar::PartedStatusBar(const std::vector<int>& partWidths, QWidget* parent)
    : QStatusBar(parent), widths_(partWidths) {
    setSizeGripEnabled(false);
    // The parts are placed by hand, not through the bar's layout, so their widths stay exact.
    for (std::size_t i = 0; i < widths_.size(); ++i) {
        auto* part = new QLabel(this);
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        part->setTextFormat(Qt::PlainText);
        parts_.push_back(part);
    }
}

QString PartedStatusBar::PartText(int part) const {
    if (part < 0 || part >= PartCount()) return {};
    return parts_[static_cast<std::size_t>(part)]->text();
}

void PartedStatusBar::SetPartText(int part, const QString& text) {
    if (part < 0 || part >= PartCount()) return;
    parts_[static_cast<std::size_t>(part)]->setText(text);
}

void PartedStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    int left = 0;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const bool last = i + 1 == parts_.size();
        const int width = last ? std::max(widths_[i], this->width() - left) : widths_[i];
        parts_[i]->setGeometry(left, 1, width, height() - 2);
        left += widths_[i];
    }
}

}  // namespace nomvera::batch
