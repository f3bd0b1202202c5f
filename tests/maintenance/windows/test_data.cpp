// The data window: choosing a table, edit mode, rows typed by hand, export and import.

#include "maintenance/windows/u_data.h"
#include "store/appdir.h"
#include "store/backup.h"
#include "store/database.h"
#include "store/drawtable.h"
#include "store/textfile.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

const QString Fc3d = QStringLiteral("中国福彩3D");

QStringList tableLines() { return test::tableLines(Fc3d); }

// A data window over a database with the given 中国福彩3D draws, the lottery chosen.
struct DataWindow {
    test::TempAppDir dir;
    test::MessageLog log;
    std::unique_ptr<Tfrmdata> window;

    explicit DataWindow(const QStringList &draws, bool choose = true) {
        dir.createDatabase({{Fc3d, draws}, {QStringLiteral("中国体彩排列3"), {QStringLiteral("2007001 999")}}});
        window = std::make_unique<Tfrmdata>();
        window->show();
        if (choose) select(Fc3d);
    }
    void select(const QString &name) {
        const auto items = window->lstcaipiao->findItems(name, Qt::MatchExactly);
        window->lstcaipiao->setCurrentItem(items.value(0));
    }
    QSqlTableModel *model() const { return window->rst; }
    int column(const QString &name) const { return model()->fieldIndex(name); }
    // Types `text` into a cell the way the grid's editor hands it over.
    void type(int row, const QString &columnName, const QString &text) {
        model()->setData(model()->index(row, column(columnName)), text);
    }
    void typeRow(int row, const QString &issue, const QString &digits) {
        type(row, QStringLiteral("记录期号"), issue);
        for (int c = 0; c < digits.size(); ++c) type(row, QString::number(c + 1), digits.mid(c, 1));
    }
    int currentRow() const { return window->grdcaipiao->currentIndex().row(); }
    QString cell(int row, const QString &columnName) const {
        return model()->data(model()->index(row, column(columnName))).toString();
    }
};

} // namespace

TEST(DataWindow, ChoosingALotteryShowsItsTableAtTheNewestDraw) {
    const QStringList draws = test::makeDraws(300, 4);
    DataWindow w(draws, false);
    EXPECT_EQ(w.window->lstcaipiao->count(), 2);
    EXPECT_FALSE(w.window->btnedit->isEnabled());
    EXPECT_FALSE(w.window->dbv_caipiao->isEnabled());
    EXPECT_FALSE(w.window->btnadd->isEnabled());
    w.select(Fc3d);
    ASSERT_NE(w.model(), nullptr);
    QAbstractItemModelTester tester(w.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(w.model()->rowCount(), 300);
    EXPECT_EQ(w.currentRow(), 299);
    EXPECT_EQ(w.cell(299, QStringLiteral("记录期号")), draws.last().section(QLatin1Char(' '), 0, 0));
    EXPECT_EQ(w.model()->record().fieldName(0), QStringLiteral("记录期号"));
    EXPECT_EQ(w.model()->record().fieldName(4), QStringLiteral("开奖日期"));
    EXPECT_TRUE(w.window->btnedit->isEnabled());
    EXPECT_EQ(w.window->grdcaipiao->editTriggers(), QAbstractItemView::NoEditTriggers);
    w.select(QStringLiteral("中国体彩排列3"));
    EXPECT_EQ(w.model()->rowCount(), 1);
    EXPECT_TRUE(w.log.messages.empty());
}

TEST(DataWindow, ATableThatCannotBeOpenedLeavesNoLotteryChosen) {
    DataWindow w(test::makeDraws(5), false);
    {
        Connection con(databasePath());
        QSqlQuery q(con.db());
        ASSERT_TRUE(q.exec(QStringLiteral("create table \"坏表彩票号码表\" (x integer)")));
    }
    w.window = std::make_unique<Tfrmdata>();
    w.window->show();
    w.select(Fc3d);
    ASSERT_EQ(w.window->lottery(), Fc3d);
    w.select(QStringLiteral("坏表"));
    EXPECT_TRUE(w.log.lastText().contains(QStringLiteral("无法打开坏表的开奖号码表")))
        << w.log.lastText().toStdString();
    EXPECT_FALSE(w.window->btnedit->isEnabled());
    EXPECT_EQ(w.window->grdcaipiao->model(), nullptr); // 中国福彩3D is no longer shown
    // Neither export nor import acts on the lottery shown before.
    ui::dialogHooks().openFile = [&](const QString &, const QString &) {
        ADD_FAILURE() << "import went on without a lottery";
        return QString();
    };
    w.window->Button1->click();
    EXPECT_EQ(w.log.lastText(), QStringLiteral("请选择要导入的彩票！"));
    w.window->btnsave->click();
    EXPECT_EQ(w.log.lastText(), QStringLiteral("请选择要导出的彩票！"));
    w.select(Fc3d);
    EXPECT_EQ(w.model()->rowCount(), 5);
    EXPECT_TRUE(w.window->btnedit->isEnabled());
}

TEST(DataWindow, ColumnWidthsAndThePlusButtonFollowTheWindowSize) {
    const std::vector<int> widths = dataColumnWidths(540, 8, 5);
    ASSERT_EQ(widths.size(), 5u);
    EXPECT_EQ(widths[0], 70);
    EXPECT_EQ(widths[1], 100); // 500 pixels: 62 characters, 12 a column, 96 pixels and the margin
    EXPECT_EQ(widths[4], widths[1]);
    EXPECT_TRUE(dataColumnWidths(540, 8, 0).empty());

    DataWindow w(test::makeDraws(10));
    for (const QSize size : {QSize(700, 480), QSize(1000, 700)}) {
        w.window->resize(size);
        QApplication::processEvents();
        // "+" covers the navigator's fifth button, a tenth of its width, whatever the size.
        const QRect nav = w.window->dbv_caipiao->rect();
        const QRect fifth = w.window->dbv_caipiao->button(ui::DbNavigator::Insert)->geometry();
        EXPECT_LE(std::abs(fifth.left() - nav.width() * 4 / 10), 1);
        EXPECT_LE(std::abs(fifth.width() - nav.width() / 10), 1);
        EXPECT_EQ(fifth.height(), nav.height());
        EXPECT_EQ(w.window->btnadd->geometry(), fifth);
        EXPECT_EQ(w.window->dbv_caipiao->childAt(fifth.center()), w.window->btnadd); // on top
        EXPECT_EQ(w.window->grdcaipiao->columnWidth(0), 70);
        const auto expected =
            dataColumnWidths(w.window->grdcaipiao->viewport()->width(),
                             w.window->grdcaipiao->fontMetrics().horizontalAdvance(QLatin1Char('0')), 5);
        EXPECT_EQ(w.window->grdcaipiao->columnWidth(2), expected[2]);
    }
}

TEST(DataWindow, EditModeSwitchesControlsAndRefusesClosing) {
    DataWindow w(test::makeDraws(5));
    w.window->btnedit->click();
    EXPECT_TRUE(w.window->editing());
    EXPECT_EQ(w.window->btnedit->text(), QStringLiteral("完成添加(&A)"));
    EXPECT_FALSE(w.window->btnext->isEnabled());
    EXPECT_TRUE(w.window->dbv_caipiao->isEnabled());
    EXPECT_TRUE(w.window->btnadd->isEnabled());
    EXPECT_FALSE(w.window->lstcaipiao->isEnabled());
    EXPECT_NE(w.window->grdcaipiao->editTriggers(), QAbstractItemView::NoEditTriggers);

    EXPECT_FALSE(w.window->close());
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_EQ(w.log.lastText(), QStringLiteral("请单击《完成添加》按钮保存添加"));

    w.window->btnedit->click();
    EXPECT_FALSE(w.window->editing());
    EXPECT_EQ(w.window->btnedit->text(), QStringLiteral("开始添加(&A)"));
    EXPECT_TRUE(w.window->btnext->isEnabled());
    EXPECT_FALSE(w.window->dbv_caipiao->isEnabled());
    EXPECT_TRUE(w.window->close());
}

TEST(DataWindow, PlusStoresTheTypedRowBeforeAppendingTheNext) {
    DataWindow w({QStringLiteral("2007001 111"), QStringLiteral("2007002 222")});
    w.window->btnedit->click();
    w.window->btnadd->click();
    EXPECT_EQ(w.model()->rowCount(), 3);
    EXPECT_EQ(w.currentRow(), 2);
    w.typeRow(2, QStringLiteral(" 2007003 "), QStringLiteral("345"));
    w.window->btnadd->click(); // stores 2007003, then a fresh row
    EXPECT_EQ(tableLines(), (QStringList{QStringLiteral("2007001 111"), QStringLiteral("2007002 222"),
                                         QStringLiteral("2007003 345")}));
    EXPECT_EQ(w.model()->rowCount(), 4);
    EXPECT_EQ(w.currentRow(), 3);
    // A new row nobody typed into is dropped when editing ends.
    w.window->btnedit->click();
    EXPECT_FALSE(w.window->editing());
    EXPECT_EQ(w.model()->rowCount(), 3);
    EXPECT_TRUE(w.log.messages.empty()) << w.log.lastText().toStdString();
}

TEST(DataWindow, RefusedRowsKeepTheTypingAndNameTheProblem) {
    DataWindow w({QStringLiteral("2007001 111")});
    w.window->btnedit->click();
    const struct {
        QString issue, d1, d2, d3, problem;
    } cases[] = {
        {QStringLiteral("2007002"), QStringLiteral("1"), QStringLiteral("a"), QStringLiteral("3"),
         QStringLiteral("第2位号码“a”")},
        {QStringLiteral("2007002"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral(""),
         QStringLiteral("请输入第3位号码")},
        {QStringLiteral("20070021"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
         QStringLiteral("超过7个字符")},
        {QStringLiteral("2007x02"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
         QStringLiteral("只能由数字组成")},
        {QStringLiteral(""), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
         QStringLiteral("请输入记录期号")},
        {QStringLiteral("2007002"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("10"),
         QStringLiteral("第3位号码“10”")},
        {QStringLiteral("2007002"), QStringLiteral("-1"), QStringLiteral("2"), QStringLiteral("3"),
         QStringLiteral("第1位号码“-1”")},
    };
    for (const auto &c : cases) {
        w.window->btnadd->click();
        const int row = w.model()->rowCount() - 1;
        w.type(row, QStringLiteral("记录期号"), c.issue);
        w.type(row, QStringLiteral("1"), c.d1);
        w.type(row, QStringLiteral("2"), c.d2);
        w.type(row, QStringLiteral("3"), c.d3);
        w.window->btnedit->click();
        EXPECT_TRUE(w.window->editing()) << c.problem.toStdString();
        EXPECT_TRUE(w.log.lastText().contains(c.problem)) << w.log.lastText().toStdString();
        EXPECT_EQ(w.cell(row, QStringLiteral("记录期号")), c.issue); // still there to be corrected
        EXPECT_EQ(tableLines(), QStringList{QStringLiteral("2007001 111")});
        w.window->dbv_caipiao->button(ui::DbNavigator::Cancel)->click();
        EXPECT_EQ(w.model()->rowCount(), 1);
    }
    // Corrected, the row is stored.
    w.window->btnadd->click();
    w.typeRow(1, QStringLiteral("2007002"), QStringLiteral("1a3"));
    EXPECT_FALSE(w.window->post());
    w.type(1, QStringLiteral("2"), QStringLiteral("7"));
    EXPECT_TRUE(w.window->post());
    EXPECT_EQ(tableLines(), (QStringList{QStringLiteral("2007001 111"), QStringLiteral("2007002 173")}));
}

TEST(DataWindow, TypingThroughTheGridEditorIsStored) {
    DataWindow w({QStringLiteral("2007001 111"), QStringLiteral("2007002 222")});
    w.window->btnedit->click();
    QTableView *grid = w.window->grdcaipiao;
    const QModelIndex cell = w.model()->index(0, w.column(QStringLiteral("2")));
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto *editor = grid->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("9"));
    w.window->btnedit->click(); // hands the editor's text over and stores the row
    EXPECT_FALSE(w.window->editing()) << w.log.lastText().toStdString();
    EXPECT_EQ(tableLines(), (QStringList{QStringLiteral("2007001 191"), QStringLiteral("2007002 222")}));
}

TEST(DataWindow, LeavingAChangedRowStoresItOrTakesTheCursorBack) {
    DataWindow w({QStringLiteral("2007001 111"), QStringLiteral("2007002 222"), QStringLiteral("2007003 333")});
    w.window->btnedit->click();
    QTableView *grid = w.window->grdcaipiao;
    grid->setCurrentIndex(w.model()->index(0, 1));
    w.type(0, QStringLiteral("1"), QStringLiteral("5"));
    grid->setCurrentIndex(w.model()->index(2, 1));
    QTest::qWait(20);
    EXPECT_EQ(tableLines(), (QStringList{QStringLiteral("2007001 511"), QStringLiteral("2007002 222"),
                                         QStringLiteral("2007003 333")}));
    EXPECT_EQ(w.currentRow(), 2);

    w.type(2, QStringLiteral("3"), QStringLiteral("x"));
    grid->setCurrentIndex(w.model()->index(0, 1));
    QTest::qWait(20);
    EXPECT_TRUE(w.log.lastText().contains(QStringLiteral("第3位号码“x”")));
    EXPECT_EQ(w.currentRow(), 2);
    EXPECT_EQ(w.cell(2, QStringLiteral("3")), QStringLiteral("x"));
    EXPECT_EQ(tableLines().last(), QStringLiteral("2007003 333"));
}

TEST(DataWindow, NavigatorDeletesOneRowEvenWhenAnotherIsIdentical) {
    DataWindow w({QStringLiteral("2007001 111"), QStringLiteral("2007002 222"), QStringLiteral("2007002 222"),
                  QStringLiteral("2007003 333")});
    w.window->btnedit->click();
    w.window->grdcaipiao->setCurrentIndex(w.model()->index(1, 0));
    w.window->dbv_caipiao->button(ui::DbNavigator::Delete)->click();
    EXPECT_EQ(tableLines(), (QStringList{QStringLiteral("2007001 111"), QStringLiteral("2007002 222"),
                                         QStringLiteral("2007003 333")}));
    w.window->grdcaipiao->setCurrentIndex(w.model()->index(1, 1));
    w.type(1, QStringLiteral("1"), QStringLiteral("8"));
    w.window->dbv_caipiao->button(ui::DbNavigator::Post)->click();
    EXPECT_EQ(tableLines(), (QStringList{QStringLiteral("2007001 111"), QStringLiteral("2007002 822"),
                                         QStringLiteral("2007003 333")}));
    w.window->dbv_caipiao->button(ui::DbNavigator::First)->click();
    EXPECT_EQ(w.currentRow(), 0);
    EXPECT_FALSE(w.window->dbv_caipiao->button(ui::DbNavigator::Prior)->isEnabled());
    w.window->dbv_caipiao->button(ui::DbNavigator::Last)->click();
    EXPECT_EQ(w.currentRow(), 2);
    EXPECT_FALSE(w.window->dbv_caipiao->button(ui::DbNavigator::Next)->isEnabled());
}

TEST(DataWindow, ExportAndImportNeedALottery) {
    DataWindow w({QStringLiteral("2007001 111")}, false);
    w.window->btnsave->click();
    EXPECT_EQ(w.log.lastText(), QStringLiteral("请选择要导出的彩票！"));
    EXPECT_EQ(w.log.messages.back().kind, ui::MessageKind::Error);
    w.window->Button1->click();
    EXPECT_EQ(w.log.lastText(), QStringLiteral("请选择要导入的彩票！"));
}

TEST(DataWindow, ExportWritesTheHistoryFile) {
    const QStringList draws = test::makeDraws(40, 2);
    DataWindow w(draws);
    QString proposed;
    ui::dialogHooks().saveFile = [&](const QString &, const QString &initial) -> QString {
        proposed = initial;
        return w.dir.path() + QStringLiteral("导出.txt");
    };
    w.window->btnsave->click();
    EXPECT_EQ(proposed, attachmentDir() + QStringLiteral("中国福彩3D历史号码.txt"));
    EXPECT_EQ(w.log.lastText(), QStringLiteral("成功保存！"));
    EXPECT_EQ(readTextLines(w.dir.path() + QStringLiteral("导出.txt")), draws);
}

TEST(DataWindow, ImportReplacesTheTableOrLeavesItWhole) {
    DataWindow w(test::makeDraws(25));
    const QStringList before = tableLines();
    const QString good = w.dir.path() + QStringLiteral("good.txt"), bad = w.dir.path() + QStringLiteral("bad.txt");
    writeTextLines(good, {QStringLiteral("2007001 123"), QStringLiteral("2007002,456")});
    writeTextLines(bad, {QStringLiteral("2008001 123"), QStringLiteral("2008002 4b6"), QStringLiteral("2008003 789")});
    QString chosen = bad, startFolder;
    ui::dialogHooks().openFile = [&](const QString &, const QString &initial) {
        startFolder = initial;
        return chosen;
    };
    w.window->Button1->click();
    EXPECT_EQ(startFolder, ShellFolderPath(QStringLiteral("Desktop")));
    EXPECT_TRUE(w.log.lastText().contains(QStringLiteral("第2行"))) << w.log.lastText().toStdString();
    EXPECT_EQ(tableLines(), before);
    EXPECT_EQ(w.model()->rowCount(), 25);

    chosen = good;
    w.window->Button1->click();
    EXPECT_TRUE(w.log.lastText().startsWith(QStringLiteral("成功导入！\n\n数据检查：共2期，没有发现问题。")))
        << w.log.lastText().toStdString();
    EXPECT_EQ(tableLines(), (QStringList{QStringLiteral("2007001 123"), QStringLiteral("2007002 456")}));
    EXPECT_EQ(w.model()->rowCount(), 2);
    EXPECT_EQ(w.currentRow(), 1);
}

TEST(DataWindow, ImportAsksBeforeReplacingAndNoLeavesTheTable) {
    DataWindow w(test::makeDraws(25));
    const QStringList before = tableLines();
    const QString file = w.dir.path() + QStringLiteral("two.txt");
    writeTextLines(file, {QStringLiteral("2007001 123"), QStringLiteral("2007002,456")});
    ui::dialogHooks().openFile = [&](const QString &, const QString &) { return file; };
    bool answer = false;
    ui::Message asked{};
    ui::dialogHooks().message = [&](const ui::Message &m) {
        w.log.messages.push_back(m);
        if (m.kind == ui::MessageKind::Question) asked = m;
        return m.kind == ui::MessageKind::Question ? answer : true;
    };
    w.window->Button1->click();
    // The question gives both counts and names the safety copy.
    EXPECT_TRUE(asked.text.contains(QStringLiteral("现有25期"))) << asked.text.toStdString();
    EXPECT_TRUE(asked.text.contains(QStringLiteral("中的2期"))) << asked.text.toStdString();
    EXPECT_TRUE(asked.text.contains(QStringLiteral("安全副本")));
    EXPECT_TRUE(asked.text.contains(QStringLiteral("数据恢复")));
    EXPECT_EQ(tableLines(), before);
    EXPECT_EQ(w.log.lastText(), asked.text); // no success message after No
    EXPECT_TRUE(safetyCopies(databasePath()).isEmpty());

    answer = true;
    w.window->Button1->click();
    EXPECT_TRUE(w.log.lastText().startsWith(QStringLiteral("成功导入！\n\n数据检查：共2期，没有发现问题。")))
        << w.log.lastText().toStdString();
    EXPECT_EQ(tableLines(), (QStringList{QStringLiteral("2007001 123"), QStringLiteral("2007002 456")}));
    ASSERT_EQ(safetyCopies(databasePath()).size(), 1);
    EXPECT_EQ(test::tableLinesOf(safetyCopies(databasePath())[0], Fc3d), before);
}

TEST(DataWindow, ImportAndCheckSayWhatTheDataCheckFound) {
    DataWindow w(test::makeDraws(25));
    const QString file = w.dir.path() + QStringLiteral("gap.txt");
    writeTextLines(file, {QStringLiteral("2007001 123"), QStringLiteral("2007004 456"), QStringLiteral("2007005 78")});
    ui::dialogHooks().openFile = [&](const QString &, const QString &) { return file; };
    // A draw of two digits stops the import; the gap alone does not.
    w.window->Button1->click();
    EXPECT_TRUE(w.log.lastText().contains(QStringLiteral("第3行"))) << w.log.lastText().toStdString();
    writeTextLines(file, {QStringLiteral("2007001 123"), QStringLiteral("2007004 456")});
    w.window->Button1->click();
    ASSERT_FALSE(w.log.messages.empty());
    EXPECT_EQ(w.log.messages.back().kind, ui::MessageKind::Warning);
    EXPECT_TRUE(w.log.lastText().startsWith(QStringLiteral("成功导入！")));
    EXPECT_TRUE(w.log.lastText().contains(QStringLiteral("第2行 期号2007004：与上一期2007001之间缺少2期")))
        << w.log.lastText().toStdString();
    EXPECT_EQ(w.model()->rowCount(), 2);

    w.window->btncheck->click();
    EXPECT_EQ(w.log.messages.back().caption, QStringLiteral("数据检查"));
    EXPECT_TRUE(w.log.lastText().contains(QStringLiteral("缺少2期"))) << w.log.lastText().toStdString();
    w.select(QStringLiteral("中国体彩排列3"));
    w.window->btncheck->click();
    EXPECT_EQ(w.log.messages.back().kind, ui::MessageKind::Information);
    EXPECT_TRUE(w.log.lastText().contains(QStringLiteral("共1期，没有发现问题。"))) << w.log.lastText().toStdString();
}
