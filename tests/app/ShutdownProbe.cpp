// A program that starts like Nomvera and ends in the way named by its argument, printing one line
// each time the ShutdownRoutine releases the program-wide state.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/AppState.h"
#include "app/ShutdownRoutine.h"
#include "app/StartWindow.h"

using nomvera::app::AppState;
using nomvera::app::ShutdownRoutine;
using nomvera::app::StartWindow;

namespace {

void Released() {
    std::fputs("released\n", stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* way = argc > 1 ? argv[1] : "";
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    AppState& state = ShutdownRoutine::Install(std::make_unique<AppState>(), &Released);
    StartWindow start(state);
    QObject::connect(&start, &StartWindow::closed, &application, &QCoreApplication::quit);
    start.show();

    if (std::strcmp(way, "close-start-window") == 0) {
        QTimer::singleShot(0, &start, &QWidget::close);
    } else if (std::strcmp(way, "exit-from-the-loop") == 0) {
        // The update check's way out: the windows and the QApplication are never destroyed.
        QTimer::singleShot(0, [] { std::exit(0); });
    } else if (std::strcmp(way, "run-before-exit") == 0) {
        QTimer::singleShot(0, &start, [&start] {
            ShutdownRoutine::Run();
            ShutdownRoutine::Run();
            start.close();
        });
    } else {
        return 2;
    }
    QApplication::exec();
    return 0;
}
