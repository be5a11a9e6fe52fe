#include "app/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cfenv>
#include <exception>
#include <memory>

#include "app/Application.h"
#include "app/ExitRoutine.h"
#include "app/StartupMessages.h"

namespace qv {

int runQuorvane(int& argc, char** argv) {
    holdStartupMessages();
    QApplication qtApplication(argc, argv);
    releaseStartupMessages();

    // Relative paths resolve in the program's own folder until a file dialog
    // changes the current folder.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    // Default floating-point environment: round to nearest, every exception
    // masked, so a division by zero gives an infinity or a NaN.
    std::fesetenv(FE_DFL_ENV);

    std::unique_ptr<Application> window;
    registerExitRoutine([&window] {
        if (window) releasePathTexts(window->editor().state);
    });

    try {
        window = std::make_unique<Application>();
    } catch (const std::exception&) {
        discardExitRoutine();
        QMessageBox::critical(nullptr, QStringLiteral("Quorvane"),
                              QStringLiteral("The main window could not be created."));
        return -1;
    }
    window->raiseCreated();
    window->showCentred();

    QApplication::exec();

    runExitRoutine();
    window.reset();
    return 0;
}

}  // namespace qv
