// "多重大底交集" and "次数提取工具" through their buttons, on their own.

#include "generators/windows/u_dingweipai.h"
#include "generators/windows/u_fushi.h"
#include "generators/windows/u_jiaoqi.h"

#include "generators2windows.h"
#include "ui/toolwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace corvel;

class JiaoqiWindow : public test::GeneratorWindowTest {
protected:
    void importThree(QListWidget *list, QPushButton *importButton) {
        toOpen = {write(QStringLiteral("a.txt"), "123 455 777 012 \r\n"),
                  write(QStringLiteral("b.txt"), "1234 455 777\r\n888 "),
                  write(QStringLiteral("c.txt"), "777 123 455 002 ")};
        importButton->click();
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("a.txt"));
        EXPECT_EQ(list->selectedItems().size(), 3);
        EXPECT_EQ(openCaption, QStringLiteral("选择大底文件(按CTRL或者SHILT键选择多个大底文件)"));
    }
};

TEST_F(JiaoqiWindow, ImportIntersectConvertPreviewAndSave) {
    Tfrmjiaoqi w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("多重大底交集"));
    EXPECT_EQ(w.edtyilou->text(), QStringLiteral("100"));
    EXPECT_FALSE(w.chkyilou->isChecked());
    EXPECT_EQ(w.btnzhuan->text(), QStringLiteral("直选转组"));
    EXPECT_EQ(w.danmaIndex(), 300);

    w.btnjiaoqi->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先导入大底文件！"));

    // 2001 files are refused and nothing changes.
    toOpen = QStringList(2001, QStringLiteral("x.txt"));
    w.btndaoru->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("一次最多只能导入2000个大底文件，您选择了2001个！"));
    EXPECT_EQ(w.lstdadi->count(), 0);

    importThree(w.lstdadi, w.btndaoru);
    EXPECT_EQ(w.lbldadi->text(), QStringLiteral("最终交集："));
    w.btnjiaoqi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("123 455 777 "));
    EXPECT_EQ(w.lbldadi->text(), QStringLiteral("最终交集：3注  6 元"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("123 455 777 "));

    // Misses of two lists allowed for group three: 002 and 888 join.
    w.edtzhu3yongcuo2->setText(QStringLiteral("2"));
    w.btnjiaoqi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("002 123 455 777 888 "));

    w.btnzhuan->click();
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("002 123 455 "));
    EXPECT_EQ(w.lbldadi->text(), QStringLiteral("最终交集：3注  6 元"));
    w.optzhizhu->button(1)->click();
    EXPECT_EQ(w.btnzhuan->text(), QStringLiteral("组选转直"));
    w.edtdadi->setPlainText(QStringLiteral("112 "));
    w.btnzhuan->click();
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("112 121 211 "));

    // A file that went missing: its message, the result box stays.
    QFile::remove(w.paths()[1]);
    w.btnjiaoqi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    EXPECT_TRUE(log.lastText().contains(QStringLiteral("b.txt"))) << log.lastText().toStdString();
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("112 121 211 "));

    // Letters in Y.
    w.edtyilou->setText(QStringLiteral("abc"));
    w.btnjiaoqi->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'abc' 不是一个有效的整形值"));

    // Preview by double click.
    const QRect first = w.lstdadi->visualItemRect(w.lstdadi->item(0));
    QTest::mouseClick(w.lstdadi->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(w.lstdadi->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("123 455 777 012 "));
    EXPECT_EQ(w.lbldadi->text(), QStringLiteral("最终交集：4注  8 元"));

    saveAs = home.filePath(QStringLiteral("out.txt"));
    w.btnsave->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_EQ(read(saveAs), QByteArray("123 455 777 012 \r\n"));
}

TEST_F(JiaoqiWindow, CountExtractionUnionAndIntersection) {
    Tfrmdingweipai w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("次数提取工具"));
    EXPECT_EQ(w.edtnum1->text(), QStringLiteral("1"));
    EXPECT_EQ(w.edtnum2->text(), QStringLiteral("40"));
    w.btnjiaoqi->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("请先导入大底文件！"));

    importThree(w.lstdadi, w.btndaoru);
    w.btnjiaoqi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("002 012 123 234 455 777 888 "));
    EXPECT_EQ(w.lbldadi->text(), QStringLiteral("最终交集：7注  14 元"));

    w.edtnum1->setText(QStringLiteral("3"));
    w.edtnum2->setText(QStringLiteral("3"));
    w.btnjiaoqi->click();
    ASSERT_TRUE(waitIdle(w.runner()));
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("123 455 777 "));

    w.edtnum2->setText(QStringLiteral("x"));
    w.btnjiaoqi->click();
    EXPECT_EQ(log.lastText(), QStringLiteral("'x' 不是一个有效的整形值"));
    EXPECT_EQ(w.edtdadi->toPlainText(), QStringLiteral("123 455 777 "));

    w.btnclose->click();
    EXPECT_FALSE(w.isVisible());
}

// The intersection reads the danma window's issue through the tool-window source; with no
// source it works on its own for the next issue.
TEST_F(JiaoqiWindow, TakesTheDanmaIssueFromTheInstalledSource) {
    Tfrmfushi fushi;
    ui::setToolWindowSource(
        [&](const QString &name) { return name == QStringLiteral("Tfrmfushi") ? &fushi : nullptr; });
    Tfrmjiaoqi w;
    fushi.comcurqi->setCurrentIndex(120);
    EXPECT_EQ(w.danmaIndex(), 120);
    ui::setToolWindowSource({});
    EXPECT_EQ(w.danmaIndex(), 300);
}
