// The test main turns Qt warnings into failures, so a model tester or a broken
// connection that only warns still fails its test.

#include <QtGlobal>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(TestHarness, QtWarningFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(qWarning("a warning during a test"), "a warning during a test");
    EXPECT_NONFATAL_FAILURE(qCritical("a critical message"), "a critical message");
}

TEST(TestHarness, DebugOutputDoesNot) { qDebug("debug output"); }
