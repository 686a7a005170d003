#pragma once
// A status bar split into fixed-width parts, each a line of text, laid out from the left edge; the
// last part runs to the right edge.

#include <QStatusBar>
#include <vector>

class QLabel;

namespace nomvera::batch {

class PartedStatusBar final : public QStatusBar {
    Q_OBJECT

public:
    PartedStatusBar(const std::vector<int>& partWidths, QWidget* parent);

    int PartCount() const { return static_cast<int>(parts_.size()); }
    // Parts outside the bar read as empty and ignore writes.
    QString PartText(int part) const;
    void SetPartText(int part, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<int> widths_;
    std::vector<QLabel*> parts_;
};

}  // namespace nomvera::batch
