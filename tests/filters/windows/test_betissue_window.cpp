// A list window names the issue its bet is for beside its list, follows the open
// lottery's history while it stays open, prices its count, and prints the bet issue.

#include "core/u_public.h"
#include "filters/windows/u_sujifilt.h"
#include "filters/windows/u_zhongpai.h"
#include "randomhistory.h"
#include "store/u_datamod.h"
#include "testsupport.h"
#include "ui/betorient.h"
#include "ui/printing.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

class BetIssueWindow : public ::testing::Test {
protected:
    test::TempAppDir app;
    test::MessageLog log;
    std::string oldName = LotteryName;
    Tdatamod datamod;

    BetIssueWindow() {
        LotteryName = "中国福彩3D";
        fill(2026101, 60);
    }
    ~BetIssueWindow() override {
        LotteryName = oldName;
        CloseLotteryState();
        DrawCount = 0;
    }
    // The draw table of the open lottery as the trend window reads it: `count` draws from
    // `firstIssue`.
    void fill(int firstIssue, int count) {
        RawDrawTable table;
        for (const DrawRow &d : test::randomHistory(count, 5, firstIssue)) {
            RawDraw raw;
            raw.issue = std::to_string(d[0]);
            for (int k = 0; k < 3; ++k) raw.digits[size_t(k)] = d[size_t(k) + 1];
            table.rows.push_back(raw);
        }
        datamod.t_caipiao = table;
        DrawCount = count;
        ASSERT_TRUE(FillDrawHistory().isEmpty());
    }
};

} // namespace

TEST_F(BetIssueWindow, TheLabelNamesTheNextIssueAndFollowsTheHistory) {
    Tfrmzhongpai w;
    w.show();
    auto *issue = w.findChild<QLabel *>(QStringLiteral("lbltouzhuqi"));
    ASSERT_NE(issue, nullptr);
    EXPECT_TRUE(issue->isVisible());
    EXPECT_EQ(issue->text(), u("投注期号：2026161"));
    // Beside the count of the list, on its row.
    EXPECT_EQ(issue->parentWidget(), w.lbljushu->parentWidget());
    EXPECT_LT(std::abs(issue->geometry().center().y() - w.lbljushu->geometry().center().y()), issue->height());

    // New draws read while the window stays open: the bet moves on to the next issue.
    fill(2026101, 65);
    EXPECT_EQ(issue->text(), u("投注期号：2026166"));
    // Another lottery opened: its own next issue.
    fill(26010101, 3);
    EXPECT_EQ(issue->text(), u("投注期号：26010104"));
    // The lottery closed: no issue to name.
    CloseLotteryState();
    EXPECT_EQ(issue->text(), u("投注期号："));

    // Hidden and shown again, the label reads the history afresh.
    w.hide();
    DrawHistory = test::randomHistory(10, 1, 2026300);
    w.show();
    EXPECT_EQ(issue->text(), u("投注期号：2026310"));
}

TEST_F(BetIssueWindow, TheCountIsPricedAndThePrintoutNamesTheBetIssue) {
    Tfrmzhongpai exclusion;
    exclusion.btnfilt->click();
    EXPECT_EQ(exclusion.lbljushu->text(), u("1000  2000 元"));

    Tfrmsujifilt cold;
    cold.edtjushu->setText(QStringLiteral("20"));
    cold.btnfilt->click();
    ASSERT_EQ(cold.numbers().size(), 20u);
    PrintDocument printed;
    int countEnd = 0, issueEnd = 0, pageWidth = 0; // measured while the printer's fonts exist
    ui::printHooks().pdfPath = app.path() + QStringLiteral("cold.pdf");
    ui::printHooks().inspect = [&](const PrintDocument &doc, const PageGeometry &page) {
        printed = doc;
        pageWidth = page.width;
        for (const PageText &t : doc.front().texts) {
            if (t.text.rfind("共20注", 0) == 0) countEnd = t.x + page.textWidth(PageFont::Body, t.text);
            if (t.text == "投注期号：2026161") issueEnd = t.x + page.textWidth(PageFont::Body, t.text);
        }
    };
    cold.btnprint->click();
    ASSERT_FALSE(printed.empty());
    std::vector<std::string> texts;
    for (const PageText &t : printed[0].texts) texts.push_back(t.text);
    // The title names the newest draw as before; the added line names the draw the bet is for.
    EXPECT_NE(std::find(texts.begin(), texts.end(), "中国福彩3D  2026160期直选投注号码"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "投注期号：2026161"), texts.end());
    // In the printer's own fonts the line stays on the page, clear of the count and date.
    const auto issue = std::find_if(printed[0].texts.begin(), printed[0].texts.end(),
                                    [](const PageText &t) { return t.text == "投注期号：2026161"; });
    ASSERT_TRUE(issue != printed[0].texts.end());
    ASSERT_GT(countEnd, 0);
    EXPECT_GT(issue->x, countEnd);
    EXPECT_LE(issueEnd, pageWidth);
    EXPECT_TRUE(log.messages.empty());
}
