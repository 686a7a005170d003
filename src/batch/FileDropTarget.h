#pragma once
// Receives files dropped on a widget and hands on their local paths. Drops of anything but local
// files are refused at the door, so the widget beneath never sees them.

#include <QObject>
#include <QStringList>

namespace nomvera::batch {

class FileDropTarget final : public QObject {
    Q_OBJECT

public:
    explicit FileDropTarget(QObject* parent = nullptr);

    // Makes `widget` accept drops and routes them here.
    void Register(QWidget& widget);

signals:
    void filesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace nomvera::batch
