#pragma once
// A read-only or typing box of the detail window: text centred, either with a thin single-line
// border of its own or with none (a line label below underlines it instead).

#include <QLineEdit>

namespace nomvera::detail {

class BoxEdit final : public QLineEdit {
    Q_OBJECT

public:
    BoxEdit(bool thinBorder, QWidget* parent);

    bool HasThinBorder() const { return thinBorder_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool thinBorder_;
};

}  // namespace nomvera::detail
