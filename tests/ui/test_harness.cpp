// The test main turns Qt warnings into failures, so a model tester or a broken
// connection that only warns still fails its test; a test that provokes a warning on
// purpose says so, and fails when the warning does not come.

#include "testsupport.h"

#include <QtGlobal>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using corvel::test::ExpectedWarning;

TEST(TestHarness, QtWarningFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(qWarning("a warning during a test"), "a warning during a test");
    EXPECT_NONFATAL_FAILURE(qCritical("a critical message"), "a critical message");
}

TEST(TestHarness, ExpectedWarningPassesOnlyWhenItComes) {
    {
        const ExpectedWarning expected(QStringLiteral("printer refused"));
        qWarning("the printer refused the page");
    }
    EXPECT_NONFATAL_FAILURE({ const ExpectedWarning never(QStringLiteral("never said")); }, "never said");
    // Other warnings still fail while one is expected.
    const ExpectedWarning expected(QStringLiteral("printer refused"));
    qWarning("printer refused again");
    EXPECT_NONFATAL_FAILURE(qWarning("something else"), "something else");
}
