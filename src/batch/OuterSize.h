#pragma once
// Keeps a window at a fixed outer size, frame included. The frame's size is known only once the
// window is shown (and may arrive later from the window manager), so the client size is worked out
// again whenever the window is shown or moved. Without a frame the client takes the whole size.

#include <QObject>
#include <QSize>

class QWidget;

namespace nomvera::batch {

class OuterSize final : public QObject {
    Q_OBJECT

public:
    // Fixes `window` at `outer` and places its frame's top-left corner at (x, y).
    static void Apply(QWidget& window, QSize outer, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OuterSize(QWidget& window, QSize outer);
    void Fit();

    QWidget& window_;
    QSize outer_;
};

}  // namespace nomvera::batch
