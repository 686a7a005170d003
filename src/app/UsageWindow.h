#pragma once
// The fixed help text in a window of its own, opened from the StartWindow's 使用说明 button.

#include <QWidget>
#include <string>

namespace nomvera::app {

class UsageWindow final : public QWidget {
    Q_OBJECT

public:
    explicit UsageWindow(QWidget* parent = nullptr);

    // The usage text in code page 936, its lines joined by "\r\n".
    static std::string UsageText();
};

}  // namespace nomvera::app
