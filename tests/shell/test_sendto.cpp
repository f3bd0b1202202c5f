// "发送到": every list window of the registry hands its list to 总体过滤, 多重大底交集 and
// 号码次数提取 as saving it and importing the file there would, only without the file; and
// the windows over many lists take files in natural order and count what was sent.

#include "core/u_public.h"
#include "filters/totalfilter.h"
#include "filters/windows/u_filtcode.h"
#include "filters/windows/u_sujifilt.h"
#include "filters/windows/u_totalfilt.h"
#include "generators/countextract.h"
#include "generators/intersect.h"
#include "generators/windows/u_dingweipai.h"
#include "generators/windows/u_jiaoqi.h"
#include "planning/windows/u_tozi.h"
#include "shell/u_main.h"
#include "shell/windowregistry.h"
#include "shellfixture.h"
#include "store/textfile.h"
#include "ui/listsend.h"
#include "ui/qtext.h"
#include "ui/toolwindow.h"
#include "ui/workrunner.h"

#include "generators/windows/generators2windows.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <map>
#include <memory>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

template <class T> T *child(QWidget *w, const char *name) {
    T *found = w->findChild<T *>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << w->objectName().toStdString() << "/" << name;
    return found;
}

void click(QWidget *w, const char *button) {
    if (auto *b = child<QPushButton>(w, button)) b->click();
}

void setText(QWidget *w, const char *edit, const char *text) {
    if (auto *e = child<QLineEdit>(w, edit)) e->setText(QString::fromUtf8(text));
}

// Every worker of the window has ended.
bool idle(QWidget *w) {
    for (const ui::WorkRunner *runner : w->findChildren<ui::WorkRunner *>())
        if (runner->busy()) return false;
    const auto *stop = w->findChild<QPushButton *>(QStringLiteral("btnstop"));
    return !stop || !stop->isEnabled() || !stop->isVisibleTo(w);
}

// A saved list file as the importing windows see it: the numbers' lines without the
// heading the cold-code search and the investment lists write, and the kind it names.
struct SavedList {
    std::vector<std::string> body;
    QString kind;
};

SavedList readSaved(const QString &path) {
    std::vector<std::string> lines = toStdLines(readTextLines(path));
    SavedList saved;
    const auto allDigits = [](const std::string &text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!lines.empty() && lines[0].find("共") != std::string::npos) {
        saved.kind = QString::fromStdString(lines[0].substr(0, lines[0].find("共")));
        lines.erase(lines.begin());
    } else if (lines.size() >= 2 && lines[0].size() == 1 && allDigits(lines[0]) && allDigits(lines[1])) {
        saved.kind = QString::fromStdString(betKindName(static_cast<BetKind>(lines[0][0] - '0')));
        lines.erase(lines.begin(), lines.begin() + 2);
    }
    saved.body = lines;
    return saved;
}

// How a list window of the registry makes a list, and saves it.
struct Recipe {
    std::function<void(QWidget *)> make;
    std::function<void(QWidget *)> save;
};

class SendTo : public test::GeneratorWindowTest {
protected:
    void SetUp() override {
        GeneratorWindowTest::SetUp();
        LotteryName = "中国福彩3D";
        DirectNumbers = buildDirectNumbers();
        ui::setToolWindowSource([this](const QString &className) -> QWidget * {
            if (const auto it = windows_.find(className); it != windows_.end()) return it->second.get();
            // As the main window: a window asked for while it is being created is not there yet.
            const WindowFactory factory = toolWindowFactory(className);
            if (!factory || creating_.contains(className)) return nullptr;
            creating_ << className;
            QWidget *window = factory(nullptr);
            creating_.removeAll(className);
            windows_[className].reset(window);
            return window;
        });
    }
    void TearDown() override {
        ui::setToolWindowSource({});
        for (auto &[name, window] : windows_) window->hide();
        windows_.clear();
        LotteryName.clear();
        DirectNumbers = buildDirectNumbers();
        GeneratorWindowTest::TearDown();
    }

    QWidget *window(const QString &className) { return ui::companionWindow(className); }

    // Two base list files for the windows that import them.
    QStringList baseListFiles() {
        return {write(QStringLiteral("大底1.txt"), "123 456 789 012 345 \r\n678 901 234 \r\n"),
                write(QStringLiteral("大底2.txt"), "123 456 789 111 222 \r\n")};
    }

    std::map<QString, Recipe> recipes() {
        const auto press = [](const char *button) { return [button](QWidget *w) { click(w, button); }; };
        const auto dadi = [this](QWidget *w) {
            toOpen = baseListFiles();
            click(w, "btndaoru");
            click(w, "btnjiaoqi");
        };
        return {
            {u("Tfrmtotalfilt"),
             {[](QWidget *w) {
                  static_cast<Tfrmtotalfilt *>(w)->chkhe[10]->click();
                  click(w, "btnfilt");
              },
              press("btnsave")}},
            {u("Tfrmsujifilt"),
             {[](QWidget *w) {
                  static_cast<Tfrmsujifilt *>(w)->optzhizhu->button(3)->setChecked(true); // 组选6
                  setText(w, "edtjushu", "40");
                  click(w, "btnfilt");
              },
              press("btnsave")}},
            {u("Tfrmzhongpai"),
             {[](QWidget *w) {
                  child<QCheckBox>(w, "chkyilou")->click();
                  setText(w, "edtyilou", "10");
                  click(w, "btnfilt");
              },
              press("btnsave")}},
            {u("Tfrmgujian"),
             {[](QWidget *w) {
                  setText(w, "edtjian1", "100");
                  setText(w, "edtjushu", "300");
                  click(w, "btnfilt");
              },
              press("btnsave")}},
            {u("Tfrmduoyilou"),
             {[](QWidget *w) {
                  setText(w, "edtsep11", "5");
                  setText(w, "edtsep21", "10");
                  click(w, "btngencode");
              },
              press("btnsave")}},
            {u("Tfrmgensui"),
             {[](QWidget *w) {
                  click(w, "btntongji");
                  click(w, "btngen3");
              },
              press("btnsave3")}},
            {u("Tfrmgensui2"),
             {[](QWidget *w) {
                  click(w, "btntongji");
                  click(w, "btngen3");
              },
              press("btnsave3")}},
            {u("Tfrmfushi"),
             {[](QWidget *w) {
                  click(w, "btngen");
                  EXPECT_TRUE(QTest::qWaitFor([w] { return idle(w); }, 30000));
                  click(w, "btnfilt");
              },
              press("btnsave2")}},
            {u("Tfrmdingweidan"),
             {[](QWidget *w) {
                  setText(w, "edtdadinum", "2");
                  click(w, "btngencode");
              },
              press("btnsave")}},
            {u("Tfrmjiaoqi"), {dadi, press("btnsave")}},
            {u("Tfrmdingweipai"), {dadi, press("btnsave")}},
            {u("Tfrmtozi"),
             {[](QWidget *w) {
                  static_cast<Tfrmtozi *>(w)->optzhuzhi->button(2)->setChecked(true);
                  setText(w, "edtjushu", "30");
                  click(w, "btnfilt");
              },
              [](QWidget *w) { static_cast<Tfrmtozi *>(w)->mnucodesaveClick(); }}},
        };
    }

    // Sends the list of `from` to every target and checks that each took what the saved
    // file gives its import.
    void expectSendsAsSaved(QWidget *from, const QString &name, const SavedList &saved) {
        SCOPED_TRACE(name.toStdString());
        const NumberList inFile = readPieceList(saved.body);
        const std::vector<int> loaded = readLoadedList(saved.body);
        const NumberSet counted = numbersInText(joinLines(saved.body));
        ASSERT_FALSE(inFile.empty());
        auto *button = child<QPushButton>(from, "btnsend");
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled());
        EXPECT_EQ(button->text(), u("发送到"));
        for (const ui::SendTarget &target : ui::sendTargets()) {
            SCOPED_TRACE(target.caption.toStdString());
            auto *action = button->menu()->findChild<QAction *>(u("mnusend_") + target.className);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->text(), target.caption);
            action->trigger();
            QWidget *to = window(target.className);
            ASSERT_NE(to, nullptr);
            EXPECT_TRUE(to->isVisible());
            if (auto *filter = qobject_cast<Tfrmtotalfilt *>(to)) {
                EXPECT_TRUE(filter->loadedListOn());
                EXPECT_EQ(filter->memresult->toPlainText(), q(resultText(loaded)));
                std::vector<int> marked;
                for (int n = 0; n < 1000; ++n)
                    if (DirectNumbers[size_t(n)][4] == 0) marked.push_back(n);
                EXPECT_EQ(marked, loaded);
                EXPECT_TRUE(filter->lblresult->text().startsWith(q(resultLabel(loaded.size()))));
                EXPECT_TRUE(filter->lblresult->text().contains(saved.kind)) << filter->lblresult->text().toStdString();
                continue;
            }
            // The windows over many lists: the last list is the one sent, in the file's order.
            auto *lists = child<QListWidget>(to, "lstdadi");
            auto *box = child<QPlainTextEdit>(to, "edtdadi");
            ASSERT_TRUE(lists && box && lists->count() > 0);
            QListWidgetItem *last = lists->item(lists->count() - 1);
            EXPECT_TRUE(last->isSelected());
            EXPECT_TRUE(child<QLabel>(to, "lbldadi")->text().contains(QString::number(inFile.size()) + u("注")));
            emit lists->itemDoubleClicked(last); // the preview shows the list's text
            const std::string text = box->toPlainText().toStdString();
            EXPECT_EQ(readPieceList({text}), inFile);
            EXPECT_EQ(numbersInText(text), counted);
        }
    }

    std::map<QString, std::unique_ptr<QWidget>> windows_;
    QStringList creating_;
};

} // namespace

// Every tool window of the registry that shows a bet list has "发送到", disabled until it
// has a list; each sends what its saved file gives the three imports.
TEST_F(SendTo, EveryListWindowSendsWhatSaveAndImportWouldCarry) {
    const std::map<QString, Recipe> made = recipes();
    QStringList withButton;
    for (const ToolWindowEntry &entry : toolWindowEntries()) {
        if (entry.modal) continue;
        QWidget *w = window(entry.className);
        ASSERT_NE(w, nullptr) << entry.className.toStdString();
        const auto *button = w->findChild<QPushButton *>(QStringLiteral("btnsend"));
        EXPECT_EQ(button != nullptr, made.count(entry.className) == 1)
            << entry.className.toStdString() << (button ? " has 发送到 but no recipe here" : " has no 发送到");
        if (!button) continue;
        withButton << entry.className;
        EXPECT_FALSE(button->isEnabled()) << entry.className.toStdString() << ": enabled without a list";
    }
    EXPECT_EQ(withButton.size(), int(made.size()));

    int file = 0;
    for (const QString &className : withButton) {
        QWidget *w = window(className);
        made.at(className).make(w);
        const auto *button = w->findChild<QPushButton *>(QStringLiteral("btnsend"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return idle(w) && button->isEnabled(); }, 30000))
            << className.toStdString() << " made no list";
        saveAs = home.filePath(QStringLiteral("saved%1.txt").arg(++file));
        made.at(className).save(w);
        ASSERT_TRUE(QFile::exists(saveAs)) << className.toStdString();
        expectSendsAsSaved(w, className, readSaved(saveAs));
    }
}

// The filtered-code view is modal: it sends its list with its kind and closes, so the
// window that took it can be used.
TEST_F(SendTo, TheFilteredCodeViewSendsItsKindAndCloses) {
    FiltCodeSource source;
    source.tab = 16; // a 组选 analysis: saved as 全组选
    source.candidates = [] {
        CandidateList rows;
        for (int n = 0; n < 1000; ++n) {
            const Number d = numberFromValue(n);
            rows.push_back({d[0], d[1], d[2], d[0] < d[1] && d[1] < d[2] && d[0] + d[1] + d[2] == 12 ? 0 : 1});
        }
        return rows;
    };
    source.description = [] { return std::string("组选大小小小大"); };
    Tfrmfiltcode view(source);
    view.show();
    ASSERT_TRUE(view.btnsend->isEnabled());
    saveAs = home.filePath(QStringLiteral("filtcode.txt"));
    view.btnsaveClick();
    const SavedList saved = readSaved(saveAs);
    EXPECT_EQ(saved.kind, u("全组选"));
    auto *action = view.btnsend->menu()->findChild<QAction *>(QStringLiteral("mnusend_Tfrmtotalfilt"));
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(view.result(), QDialog::Accepted);
    auto *filter = qobject_cast<Tfrmtotalfilt *>(window(QStringLiteral("Tfrmtotalfilt")));
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->memresult->toPlainText(), q(resultText(readLoadedList(saved.body))));
    EXPECT_TRUE(filter->lblresult->text().contains(u("全组选")));
}

// Files come in natural order whatever order the dialog gives; a sent list counts as one
// more list, read from memory.
TEST_F(SendTo, ImportedFilesInNaturalOrderAndSentListsCount) {
    QByteArray all;
    for (int n = 0; n < 1000; ++n) all += QByteArray::fromStdString(numberText(numberFromValue(n))) + ' ';
    toOpen = {write(QStringLiteral("大底10.txt"), all), write(QStringLiteral("大底2.txt"), all),
              write(QStringLiteral("大底1.txt"), all)};
    auto *extract = qobject_cast<Tfrmdingweipai *>(window(QStringLiteral("Tfrmdingweipai")));
    ASSERT_NE(extract, nullptr);
    extract->btndaoru->click();
    ASSERT_EQ(extract->lstdadi->count(), 3);
    EXPECT_EQ(extract->lstdadi->item(0)->text(), QStringLiteral("大底1.txt"));
    EXPECT_EQ(extract->lstdadi->item(1)->text(), QStringLiteral("大底2.txt"));
    EXPECT_EQ(extract->lstdadi->item(2)->text(), QStringLiteral("大底10.txt"));
    EXPECT_EQ(extract->paths(), (QStringList{toOpen[2], toOpen[1], toOpen[0]}));

    const NumberList sent{{1, 2, 3}, {9, 9, 9}, {0, 0, 7}, {1, 2, 3}};
    ASSERT_TRUE(ui::sendList(QStringLiteral("Tfrmdingweipai"), {QStringLiteral("测试"), sent, {}}));
    ASSERT_EQ(extract->lstdadi->count(), 4);
    EXPECT_EQ(extract->paths().size(), 3); // the sent list is no file

    // Numbers in all four lists: exactly the sent ones, each once, ascending.
    extract->edtnum1->setText(QStringLiteral("4"));
    extract->edtnum2->setText(QStringLiteral("4"));
    extract->btnjiaoqi->click();
    ASSERT_TRUE(waitIdle(extract->runner()));
    EXPECT_EQ(extract->edtdadi->toPlainText(), QStringLiteral("007 123 999 "));

    // A new import replaces every list, the sent one too.
    toOpen = {toOpen[1]};
    extract->btndaoru->click();
    EXPECT_EQ(extract->lstdadi->count(), 1);

    // The intersection window names a kind that differs from the lists it intersects.
    ASSERT_TRUE(ui::sendList(QStringLiteral("Tfrmjiaoqi"), {QStringLiteral("测试"), {{1, 2, 3}}, BetKind::Group6}));
    auto *intersect = qobject_cast<Tfrmjiaoqi *>(window(QStringLiteral("Tfrmjiaoqi")));
    ASSERT_NE(intersect, nullptr);
    EXPECT_TRUE(intersect->lbldadi->text().contains(QStringLiteral("组选号码，当前按直选大底交集")));
}

// A window that is counting refuses a list rather than change what it counts.
TEST_F(SendTo, ABusyWindowRefusesAndAnEmptyListIsNotSent) {
    auto *extract = qobject_cast<Tfrmdingweipai *>(window(QStringLiteral("Tfrmdingweipai")));
    ASSERT_NE(extract, nullptr);
    toOpen = baseListFiles();
    extract->btndaoru->click();
    extract->btnjiaoqi->click();
    // The count has started on its worker; it ends only when the window hears of it.
    ASSERT_TRUE(extract->runner()->busy());
    EXPECT_FALSE(ui::sendList(QStringLiteral("Tfrmdingweipai"), {QStringLiteral("测试"), {{1, 2, 3}}, {}}));
    EXPECT_TRUE(log.lastText().startsWith(QStringLiteral("正在提取号码")));
    ASSERT_TRUE(waitIdle(extract->runner()));
    EXPECT_EQ(extract->lstdadi->count(), 2);

    // A result box holding no numbers sends nothing and says so.
    auto *filter = qobject_cast<Tfrmtotalfilt *>(window(QStringLiteral("Tfrmtotalfilt")));
    ASSERT_NE(filter, nullptr);
    filter->memresult->setPlainText(QStringLiteral("   "));
    EXPECT_FALSE(filter->btnsend->isEnabled());
    filter->memresult->setPlainText(QStringLiteral("12x 456"));
    ASSERT_TRUE(filter->btnsend->isEnabled());
    filter->btnsend->menu()->findChild<QAction *>(QStringLiteral("mnusend_Tfrmdingweipai"))->trigger();
    EXPECT_EQ(log.lastText(), QStringLiteral("'x' 不是一个有效的整形值"));
    EXPECT_EQ(extract->lstdadi->count(), 2);
}

namespace {

class SendToInTheProgram : public test::ShellFixture {
protected:
    void SetUp() override {
        dir.createDatabase({{u("中国福彩3D"), test::makeDraws(60)}});
        startShell();
    }
};

} // namespace

// In the program the main window's tool windows take the list: the target is created on
// first use, shown, and found again by its menu item.
TEST_F(SendToInTheProgram, TheTargetIsTheMainWindowsToolWindowBroughtToTheFront) {
    ASSERT_TRUE(open(u("中国福彩3D")));
    test::MessageLog log;
    auto *filter = qobject_cast<Tfrmtotalfilt *>(main->showToolWindow(QStringLiteral("Tfrmtotalfilt")));
    ASSERT_NE(filter, nullptr);
    filter->chkhe[27]->click();
    filter->btnfilt->click(); // 999 alone
    ASSERT_EQ(main->toolWindow(QStringLiteral("Tfrmjiaoqi")), nullptr);
    filter->btnsend->menu()->findChild<QAction *>(QStringLiteral("mnusend_Tfrmjiaoqi"))->trigger();
    auto *intersect = qobject_cast<Tfrmjiaoqi *>(main->toolWindow(QStringLiteral("Tfrmjiaoqi")));
    ASSERT_NE(intersect, nullptr);
    EXPECT_TRUE(intersect->isVisible());
    ASSERT_EQ(intersect->lstdadi->count(), 1);
    EXPECT_TRUE(intersect->lbldadi->text().contains(u("1注")));
    EXPECT_EQ(main->showToolWindow(QStringLiteral("Tfrmjiaoqi")), intersect);

    // A second list goes to the same window; the intersection of the two is empty.
    intersect->hide();
    filter->chkhe[27]->click();
    filter->chkhe[0]->click();
    filter->btnfilt->click(); // 000 alone
    filter->btnsend->menu()->findChild<QAction *>(QStringLiteral("mnusend_Tfrmjiaoqi"))->trigger();
    EXPECT_TRUE(intersect->isVisible());
    ASSERT_EQ(intersect->lstdadi->count(), 2);
    intersect->btnjiaoqi->click();
    ASSERT_TRUE(QTest::qWaitFor([intersect] { return !intersect->runner()->busy(); }, 30000));
    EXPECT_EQ(intersect->lbldadi->text(), u("最终交集：0注  0 元"));
    intersect->edtzhu3yongcuo2->setText(QStringLiteral("1")); // 000 and 999 miss one list each
    intersect->btnjiaoqi->click();
    ASSERT_TRUE(QTest::qWaitFor([intersect] { return !intersect->runner()->busy(); }, 30000));
    EXPECT_EQ(intersect->edtdadi->toPlainText(), QStringLiteral("000 999 "));
    EXPECT_TRUE(log.messages.empty()) << log.lastText().toStdString();
}
