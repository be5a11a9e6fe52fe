// Widget tests run headless on a 1920 x 1080 offscreen screen. Started with
// --escape-child, the binary instead runs the real start-up routine and
// presses Esc in a unit edit box once the window is up (see
// EscapeClosesTest.cpp).
#include <QApplication>
#include <cstring>

#include <gtest/gtest.h>

#include "tests/gui/EscapeChild.h"

namespace {

QtMessageHandler qtDefault = nullptr;

// The offscreen platform reports every raise() it cannot do; that says
// nothing about the product.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    qtDefault(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QV_OFFSCREEN_SCREENS);
    if (argc > 1 && std::strcmp(argv[1], qv::test::kEscapeChildFlag) == 0) return qv::test::runEscapeChild(argc, argv);

    qtDefault = qInstallMessageHandler(quietHandler);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
