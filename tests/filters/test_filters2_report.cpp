// corvel-report cold | exclude | omission | interval against the engine.

#include "core/conditionfile.h"
#include "filters/coldcode.h"
#include "filters/interval.h"
#include "filters/omission.h"
#include "randomhistory.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

class Filters2Report : public ::testing::Test {
protected:
    test::TempAppDir dir;
    DrawTable draws = test::randomHistory(700, 31);
    QString history = dir.path() + QStringLiteral("history.txt");

    Filters2Report() { test::writeHistoryFile(history, draws); }
    QString file(const QString &name, const QByteArray &bytes) const {
        return test::writeFile(dir.path() + name, bytes);
    }
    static QStringList listLines(const NumberList &numbers) { return test::reportNumberLines(numbers); }
};

} // namespace

TEST_F(Filters2Report, ColdListsTheGridThenTheOmissionAndTheMemo) {
    const test::ReportRun run = test::runReport({QStringLiteral("cold"), history, QStringLiteral("--kind"),
                                                 QStringLiteral("1"), QStringLiteral("--count"), QStringLiteral("30")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    const ColdReplay r = coldReplay(draws, BetKind::AllGroup, coldSearch(draws, BetKind::AllGroup, 30));
    QStringList expected;
    for (const Number &n : r.numbers) expected << QString::fromStdString(numberText(n));
    expected << QStringLiteral("current,") + (r.currentOmission ? QString::number(*r.currentOmission) : QString());
    for (const std::string &line : r.memo) expected << QString::fromStdString(line);
    EXPECT_EQ(run.lines, expected);
    EXPECT_EQ(run.lines.last(), QStringLiteral("滤后注数：30"));

    const test::ReportRun defaults = test::runReport({QStringLiteral("cold"), history});
    EXPECT_EQ(defaults.lines.size(), 450 + 9);

    const test::ReportRun refused =
        test::runReport({QStringLiteral("cold"), history, QStringLiteral("--kind"), QStringLiteral("3"),
                         QStringLiteral("--count"), QStringLiteral("121")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.error, QStringLiteral("组六注数不能大于120,请输入正确的号码注数！"));
    EXPECT_TRUE(refused.lines.isEmpty());
}

TEST_F(Filters2Report, ExcludeReadsAConditionFile) {
    const QString conditions =
        file(QStringLiteral("cond.txt"), QByteArray("# 条件\r\nchkdanma=1\r\nedtdanma=58\r\nedtdanmanum=2\r\n"));
    const test::ReportRun run = test::runReport({QStringLiteral("exclude"), history, conditions});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.lines.size(), 55);
    EXPECT_EQ(run.lines.first(), QStringLiteral("058"));
    EXPECT_EQ(run.lines.last(), QStringLiteral("count,54"));

    const QString bad = file(QStringLiteral("bad.txt"), QByteArray("chkbai=1\nedtbai=1\nedtfoo=2\n"));
    const test::ReportRun refused = test::runReport({QStringLiteral("exclude"), history, bad});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.error.contains(QLatin1Char('3'))) << refused.error.toStdString();

    const QString junk = file(QStringLiteral("junk.txt"), QByteArray("chklaji=1\nedtlaji=1*2\n"));
    const test::ReportRun junkRun = test::runReport({QStringLiteral("exclude"), history, junk});
    EXPECT_EQ(junkRun.exitCode, 1);
    EXPECT_EQ(junkRun.error, QStringLiteral("列表索引越界 (2)"));
}

TEST_F(Filters2Report, OmissionPrintsStatisticsAndTheList) {
    const test::ReportRun run = test::runReport(
        {QStringLiteral("omission"), history, QStringLiteral("--index"), QStringLiteral("600"),
         QStringLiteral("--level1"), QStringLiteral("30"), QStringLiteral("20000"), QStringLiteral("--no-level2")});
    ASSERT_EQ(run.exitCode, 0) << run.error.toStdString();
    OmissionSettings s;
    s.level1Low = 30;
    s.level2 = false;
    const auto stats = omissionStatistics(draws, s);
    ASSERT_EQ(run.lines[0], QStringLiteral("# statistics"));
    const OmissionRow &r = stats[5];
    EXPECT_EQ(run.lines[6], QStringLiteral("%1,%2,%3,%4,%5")
                                .arg(r.issue)
                                .arg(QString::fromStdString(numberText(r.number)))
                                .arg(r.l1)
                                .arg(r.l2)
                                .arg(r.pass ? QStringLiteral("中") : QStringLiteral("X")));
    EXPECT_EQ(run.lines[701], QStringLiteral("# list"));
    EXPECT_EQ(run.lines.mid(702), listLines(omissionFilter(draws, stats, 600, s)));

    const test::ReportRun bad = test::runReport({QStringLiteral("omission"), history, QStringLiteral("--tolerance"),
                                                 QStringLiteral("0"), QStringLiteral("x1")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.error, QStringLiteral("'x1' 不是一个有效的整形值"));
}

TEST_F(Filters2Report, IntervalWithASeedRepeatsItself) {
    const QStringList args{QStringLiteral("interval"),    history,
                           QStringLiteral("--start"),     QStringLiteral("690"),
                           QStringLiteral("--threshold"), QStringLiteral("200"),
                           QStringLiteral("--target"),    QStringLiteral("400"),
                           QStringLiteral("--seed"),      QStringLiteral("99")};
    const test::ReportRun first = test::runReport(args);
    ASSERT_EQ(first.exitCode, 0) << first.error.toStdString();
    EXPECT_EQ(test::runReport(args).lines, first.lines);

    IntervalSettings s;
    s.start = 690;
    s.threshold = 200;
    s.target = 400;
    Lcg random(99);
    const std::atomic<bool> go{false};
    const IntervalResult result = searchIntervals(draws, s, random, go);
    const QStringList list = listLines(intervalStageList(result, 1));
    ASSERT_EQ(first.lines[0], QStringLiteral("# list"));
    EXPECT_EQ(first.lines.mid(1, list.size()), list);
    const int verify = 1 + static_cast<int>(list.size());
    EXPECT_EQ(first.lines[verify], QStringLiteral("# verify"));
    EXPECT_EQ(first.lines.size(), verify + 1 + 200 + 1);
    EXPECT_TRUE(first.lines[verify + 11].endsWith(QStringLiteral(",未开,")));
    EXPECT_EQ(first.lines.last().toStdString(), verifyIntervals(draws, 690, result).message);

    const test::ReportRun refused =
        test::runReport({QStringLiteral("interval"), history, QStringLiteral("--target"), QStringLiteral("2001")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.error, QStringLiteral("号码注数不能大于2000,请输入正确的号码注数！"));
    const test::ReportRun first0 =
        test::runReport({QStringLiteral("interval"), history, QStringLiteral("--start"), QStringLiteral("0")});
    EXPECT_EQ(first0.exitCode, 1);
    EXPECT_FALSE(first0.error.isEmpty());
}
