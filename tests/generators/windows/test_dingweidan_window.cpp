// "临界选号超稳大底" through its buttons.

#include "generators/stablebase.h"
#include "generators/windows/u_dingweidan.h"

#include "generators2windows.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace corvel;

class DingweidanWindow : public test::GeneratorWindowTest {};

TEST_F(DingweidanWindow, FilterRepeatsFromTheCounterAndBatchWritesFiles) {
    Tfrmdingweidan w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("临界选号超稳大底"));
    EXPECT_EQ(w.edtdadinum->text(), QStringLiteral("4"));
    EXPECT_EQ(w.edtjieduannum->text(), QStringLiteral("2"));
    EXPECT_EQ(w.edtcishu->text(), QStringLiteral("109"));
    EXPECT_EQ(w.edtallnum->text(), QStringLiteral("100"));
    EXPECT_EQ(w.seedCounter(), 1u);
    EXPECT_EQ(w.currentIndex(), 300);

    w.btngencode->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    uint32_t counter = 1;
    StableSettings s;
    s.index = 300;
    const StableResult expected = stableBaseList(DrawHistory, s, counter);
    QString line;
    for (const Number &n : expected.unionList) line += QString::fromStdString(numberText(n)) + QLatin1Char(' ');
    EXPECT_EQ(w.memcode->toPlainText(), line);
    EXPECT_EQ(w.lbljushu->text(),
              QStringLiteral("号码注数：%1  %2 元").arg(expected.unionList.size()).arg(expected.unionList.size() * 2));
    EXPECT_EQ(w.seedCounter(), counter);

    // Out of the limits: refused before the run, the counter stays.
    w.edtdadinum->setText(QStringLiteral("21"));
    w.btngencode->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("大底数必须在1到20之间！"));
    w.edtdadinum->setText(QStringLiteral("1"));
    w.comcurqi->setCurrentIndex(200);
    w.btngencode->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("目前预测期之前只有200期开奖号码，2个阶段至少需要239期！"));
    EXPECT_EQ(w.seedCounter(), counter);
    EXPECT_EQ(w.memcode->toPlainText(), line);

    w.comcurqi->setCurrentIndex(300);
    w.edtallnum->setText(QStringLiteral("2"));
    w.btnalldadi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    const QString folder = home.filePath(QStringLiteral("临界选号自动大底"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("自动大底-完成.log"), QStringLiteral("自动大底1.txt"),
                           QStringLiteral("自动大底2.txt")}));
    EXPECT_EQ(read(folder + QStringLiteral("/自动大底2.txt")),
              (w.memcode->toPlainText() + QStringLiteral("\r\n")).toUtf8());
    EXPECT_GT(w.seedCounter(), counter);

    saveAs = home.filePath(QStringLiteral("stable.txt"));
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_EQ(read(saveAs), read(folder + QStringLiteral("/自动大底2.txt")));
}
