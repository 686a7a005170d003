#pragma once
// Places every control of the detail window at its place and size, with its name and caption.

class QWidget;

namespace nomvera::detail {

void BuildDetailForm(QWidget& window);

}  // namespace nomvera::detail
