// The grid commands every grid carries: CSV files a spreadsheet reads back cell for cell,
// "复制" of a block of cells, and exports that never leave a half file behind.

#include "testsupport.h"
#include "ui/dialogs.h"
#include "ui/gridcommands.h"
#include "ui/gridmodel.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QAction *action(QWidget *w, const char *name) {
    for (QAction *a : w->actions())
        if (a->objectName() == QLatin1String(name)) return a;
    return nullptr;
}

// A CSV reader as spreadsheet programs read the format: a leading byte-order mark marks
// UTF-8; fields in double quotes may hold commas, line breaks and doubled quotes.
struct CsvRead {
    bool bom = false;
    bool wellFormed = true;
    QList<QStringList> records;
};

CsvRead readCsv(const QByteArray &bytes) {
    CsvRead out;
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) {
        out.bom = true;
        body.remove(0, 3);
    }
    const QString text = QString::fromUtf8(body);
    QStringList record;
    QString field;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == QLatin1Char('"')) {
            if (!field.isEmpty() || wasQuoted) out.wellFormed = false; // a quote inside a bare field
            quoted = wasQuoted = true;
        } else if (c == QLatin1Char(',')) {
            record << field;
            field.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            record << field;
            out.records << record;
            record.clear();
            field.clear();
            wasQuoted = false;
            ++i;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            out.wellFormed = false; // a bare line break outside quotes
        } else {
            if (wasQuoted) out.wellFormed = false; // text after a closing quote
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty()) out.wellFormed = false; // no final CR LF
    return out;
}

// A grid as windows make it, holding texts that need quoting.
struct Grid {
    Grid() : model(new ui::GridModel), view(ui::makeGrid(nullptr, model)) {
        model->setParent(view.get());
        model->setGrid(int(cells.size()), headings, [this](int r, int c) { return cells[size_t(r)][size_t(c)]; });
        view->resize(500, 300);
    }
    QStringList headings{u("序号"), u("号码,说明"), u("注\"数\""), u("隐藏"), u("备注")};
    std::vector<QStringList> cells{
        {u("1"), u("012"), u("3"), u("x"), u("和值 10,跨度 2")},
        {u("2"), u("说\"明\""), u("-4"), u("y"), u("第一行\n第二行")},
        {u("3"), QString(), u("5"), u("z"), u("制表\t符")},
    };
    ui::GridModel *model;
    std::unique_ptr<QTableView> view;
};

} // namespace

// The file opens in a spreadsheet as the grid shows: UTF-8 behind a byte-order mark, the
// headings first, every cell back as it was, hidden columns left out.
TEST(GridExport, CsvReadsBackCellForCellInTheOrderShown) {
    Grid g;
    g.view->setColumnHidden(3, true);
    const CsvRead read = readCsv(ui::gridCsv(g.view.get()));
    EXPECT_TRUE(read.bom);
    ASSERT_TRUE(read.wellFormed);
    ASSERT_EQ(read.records.size(), 4);
    EXPECT_EQ(read.records[0], (QStringList{u("序号"), u("号码,说明"), u("注\"数\""), u("备注")}));
    for (int r = 0; r < 3; ++r) {
        QStringList expected = g.cells[size_t(r)];
        expected.removeAt(3);
        EXPECT_EQ(read.records[r + 1], expected) << r;
    }
    // Columns moved by the user come out where they are shown.
    g.view->horizontalHeader()->moveSection(4, 0);
    const CsvRead moved = readCsv(ui::gridCsv(g.view.get()));
    ASSERT_EQ(moved.records.size(), 4);
    EXPECT_EQ(moved.records[0].first(), u("备注"));
    EXPECT_EQ(moved.records[2].first(), u("第一行\n第二行"));

    // An empty grid still gives its headings.
    g.model->setGrid(0, {u("号码1"), u("号码2")}, {});
    EXPECT_EQ(ui::gridCsv(g.view.get()), QByteArray("\xEF\xBB\xBF") + u("号码1,号码2\r\n").toUtf8());
}

// "复制": the selected block as tab-separated rows; Ctrl+C in the grid does the same
// through the clipboard seam; a scattered selection keeps its cells in place.
TEST(GridExport, CopyGivesTheSelectedBlockAsTabSeparatedRows) {
    test::TempAppDir dir;
    QStringList copied;
    ui::dialogHooks().clipboard = [&](const QString &text) { copied << text; };
    Grid g;
    g.view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.view.get()));
    QItemSelectionModel *selection = g.view->selectionModel();
    selection->select(QItemSelection(g.model->index(0, 0), g.model->index(1, 2)), QItemSelectionModel::Select);
    g.view->setFocus();
    QTest::keyClick(g.view.get(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(copied.size(), 1);
    EXPECT_EQ(copied.last(), u("1\t012\t3\n2\t\"说\"\"明\"\"\"\t-4"));

    // Two cells apart: their rectangle, the cells between them empty; a hidden column is
    // left out; a tab inside a cell is quoted so it stays one cell.
    selection->clearSelection();
    g.view->setColumnHidden(3, true);
    selection->select(g.model->index(0, 1), QItemSelectionModel::Select);
    selection->select(g.model->index(2, 4), QItemSelectionModel::Select);
    action(g.view.get(), "mnugridcopy")->trigger();
    ASSERT_EQ(copied.size(), 2);
    EXPECT_EQ(copied.last(), u("012\t\t\n\t\t\n\t\t\"制表\t符\""));

    // Nothing selected: nothing copied.
    selection->clearSelection();
    action(g.view.get(), "mnugridcopy")->trigger();
    EXPECT_EQ(copied.size(), 2);
}

// The context menu of the grid holds both commands; "复制" is off while nothing is selected.
TEST(GridExport, ContextMenuOffersCopyAndExport) {
    Grid g;
    g.view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.view.get()));
    QStringList shown;
    bool copyEnabled = true;
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *a : menu->actions())
                if (!a->isSeparator()) shown << a->text();
            copyEnabled = menu->actions().first()->isEnabled();
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 30), g.view->viewport()->mapToGlobal(QPoint(20, 30)));
    QApplication::sendEvent(g.view->viewport(), &event);
    EXPECT_EQ(shown, (QStringList{u("复制"), u("导出CSV…")}));
    EXPECT_FALSE(copyEnabled);
    EXPECT_TRUE(action(g.view.get(), "mnugridcopy")->isEnabled()); // Ctrl+C works again after the menu
}

// The export proposes the window's caption under 附属/, writes the file whole, replaces an
// older file entirely and says so; a folder that cannot take the file gets a clear message
// and no file, half or whole.
TEST(GridExport, ExportWritesWholeFilesAndRefusesFoldersItCannotWrite) {
    test::TempAppDir dir;
    test::MessageLog log;
    QWidget window;
    window.setWindowTitle(u("号码和值分析"));
    Grid g;
    g.view->setParent(&window);
    QString proposed, chosen = dir.path() + u("附属/和值.csv");
    ui::dialogHooks().saveFile = [&](const QString &, const QString &initial) {
        proposed = initial;
        return chosen;
    };
    // An older, longer file of that name is replaced as a whole.
    test::writeFile(chosen, QByteArray(20000, 'x'));
    action(g.view.get(), "mnugridcsv")->trigger();
    EXPECT_EQ(proposed, dir.path() + u("附属/号码和值分析.csv"));
    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ui::gridCsv(g.view.get()));
    file.close();
    EXPECT_EQ(log.lastText(), u("成功保存！"));

    // A folder that is not there (a file stands where it should be).
    const QString blocked = test::writeFile(dir.path() + u("附属/不是文件夹"), "x");
    chosen = blocked + u("/和值.csv");
    action(g.view.get(), "mnugridcsv")->trigger();
    ASSERT_EQ(log.messages.back().kind, ui::MessageKind::Error);
    EXPECT_TRUE(log.lastText().contains(u("不存在"))) << log.lastText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(chosen));

    // A folder that may not be written (meaningless where the tests run with every right).
    const QString locked = dir.path() + u("只读");
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(locked).isWritable()) {
        chosen = locked + u("/和值.csv");
        action(g.view.get(), "mnugridcsv")->trigger();
        EXPECT_TRUE(log.lastText().contains(u("不允许写入"))) << log.lastText().toStdString();
        EXPECT_TRUE(QDir(locked).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Cancel writes nothing and says nothing.
    const size_t messages = log.messages.size();
    chosen.clear();
    action(g.view.get(), "mnugridcsv")->trigger();
    EXPECT_EQ(log.messages.size(), messages);
    // Nothing but the exported file was left in 附属/ (no temporary files).
    QStringList left = QDir(dir.path() + u("附属")).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{u("不是文件夹"), u("和值.csv")}));
}
