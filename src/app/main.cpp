// Nomvera: looks up marketplace accounts' credit profiles and grades them.

#include <QApplication>
#include <memory>

#include "app/AppState.h"
#include "app/ShutdownRoutine.h"
#include "app/StartWindow.h"

int main(int argc, char* argv[]) {
    using nomvera::app::AppState;
    using nomvera::app::ShutdownRoutine;
    using nomvera::app::StartWindow;

    QApplication application(argc, argv);
    // The program ends when the start window closes, not when the last window does: the start
    // window is hidden, not closed, while a working window is open.
    QApplication::setQuitOnLastWindowClosed(false);

    AppState& state = ShutdownRoutine::Install(std::make_unique<AppState>());

    StartWindow start(state);
    QObject::connect(&start, &StartWindow::closed, &application, &QCoreApplication::quit);
    start.show();
    QApplication::exec();
    return 0;
}
