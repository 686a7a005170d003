#pragma once
// A square of the start picture that acts when the left button is released over it.

#include <QLabel>

namespace nomvera::app {

class HotArea final : public QLabel {
    Q_OBJECT

public:
    HotArea(const QString& caption, QWidget* parent);

signals:
    void released();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace nomvera::app
