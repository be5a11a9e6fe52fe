// Esc in an edit box closes the window, and the program started by its own
// start-up routine ends with exit code 0.
#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include "tests/gui/EscapeChild.h"

namespace qv::test {
namespace {

TEST(EscapeClosesTest, EscInAnEditBoxEndsTheProgramWithZero) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {kEscapeChildFlag});
    ASSERT_TRUE(child.waitForStarted(10000));
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << (child.exitCode() == kEscapeNeverClosed ? "Esc did not close the window" : "");
}

}  // namespace
}  // namespace qv::test
