#include "generators/windows/listtools.h"

#include "core/usererror.h"
#include "store/appdir.h"
#include "store/textfile.h"
#include "ui/betorient.h"
#include "ui/command.h"
#include "ui/dialogs.h"
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace corvel::dadi {

QString drawnLabel(const DrawTable &draws, int index) {
    QString text = QStringLiteral("目前开奖：");
    if (index >= 0 && size_t(index) < draws.size())
        for (int k = 1; k <= 3; ++k) text += QString::number(draws[size_t(index)][size_t(k)]);
    return text;
}

QString numbersLine(const NumberList &numbers) {
    QString line;
    line.reserve(static_cast<qsizetype>(numbers.size()) * 4);
    for (const Number &n : numbers) line += QString::fromStdString(numberText(n)) + QLatin1Char(' ');
    return line;
}

void putOnClipboard(const QString &text) { ui::setClipboardText(text); }

void saveResultBox(QWidget *parent, const QPlainTextEdit *box) {
    const QString path = ui::getSaveFileName(parent, ShellFolderPath(QStringLiteral("Desktop")));
    if (path.isEmpty()) return;
    ui::runCommand(parent, [&] {
        QStringList lines;
        for (const QString &line : box->toPlainText().split(QLatin1Char('\n'))) {
            QString numbers = line;
            while (!numbers.isEmpty() && numbers.back().isSpace()) numbers.chop(1);
            if (!numbers.isEmpty()) lines << numbers + QLatin1Char(' ');
        }
        writeTextLines(path, lines);
        ui::showInformation(parent, QStringLiteral("成功保存！"));
    });
}

bool confirmBatchFolder(QWidget *parent, const QString &folder) {
    const QDir dir(folder);
    if (!dir.exists()) return true;
    const qsizetype old = dir.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden | QDir::System).size();
    if (old == 0) return true;
    return ui::askYesNo(parent, QStringLiteral("文件夹“%1”中已有 %2 个 .txt 文件，生成前将删除它们。\n要删除并继续吗？")
                                    .arg(QDir::toNativeSeparators(folder))
                                    .arg(old));
}

void reportBatch(QWidget *parent, const QString &folder, int written) {
    const QString text =
        QStringLiteral("已生成 %1 个大底文件\n文件夹：%2").arg(written).arg(QDir::toNativeSeparators(folder));
    if (ui::offerAction(parent, text, QStringLiteral("打开文件夹"))) ui::openFolder(folder);
}

// ---- The frame of the windows over many base list files ----------------------------------

namespace {
// A preview larger than this would only stall the result box.
constexpr qint64 MaxPreviewBytes = 4 * 1024 * 1024;
} // namespace

ListFilesFrame::ListFilesFrame(QWidget *window, ListFileControls &controls)
    : QObject(window), window_(window), c_(controls) {
    c_.lstdadi = new QListWidget(window);
    c_.lstdadi->setObjectName(QStringLiteral("lstdadi"));
    c_.lstdadi->setSelectionMode(QAbstractItemView::ExtendedSelection);
    c_.lstdadi->setMinimumWidth(200);
    c_.edtdadi = new QPlainTextEdit(window);
    c_.edtdadi->setObjectName(QStringLiteral("edtdadi"));
    c_.lbldadi = new QLabel(window);
    c_.lbldadi->setObjectName(QStringLiteral("lbldadi"));
    c_.prgfile = new QProgressBar(window);
    c_.prgfile->setObjectName(QStringLiteral("prgfile"));
    c_.prgunused = new QProgressBar(window);
}

void ListFilesFrame::layOut(QVBoxLayout *ownColumn, QPushButton *stopButton) {
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("原始大底："), window_));
    left->addWidget(c_.lstdadi, 1);
    ownColumn->addWidget(c_.prgfile);
    ownColumn->addWidget(c_.prgunused);
    ownColumn->addWidget(stopButton);
    ownColumn->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(c_.lbldadi);
    right->addWidget(c_.edtdadi, 1);
    ui::addBetIssueLabel(right, c_.lbldadi);
    auto *layout = new QHBoxLayout(window_);
    layout->addLayout(left, 2);
    layout->addLayout(ownColumn);
    layout->addLayout(right, 3);
}

void ListFilesFrame::importFiles() {
    const QStringList files =
        ui::getOpenFileNames(window_, ShellFolderPath(QStringLiteral("Desktop")), ui::textFileFilter(),
                             QStringLiteral("选择大底文件(按CTRL或者SHILT键选择多个大底文件)"));
    if (files.isEmpty()) return;
    if (files.size() > MaxListFiles) {
        ui::showWarning(
            window_,
            QStringLiteral("一次最多只能导入%1个大底文件，您选择了%2个！").arg(MaxListFiles).arg(files.size()));
        return;
    }
    lists_ = baseListFiles(files);
    c_.lstdadi->clear();
    for (const BaseList &list : std::as_const(lists_)) c_.lstdadi->addItem(list.name);
    c_.lstdadi->selectAll();
    c_.lbldadi->setText(QStringLiteral("最终交集："));
}

void ListFilesFrame::addSentList(const ui::SentList &list, const QString &note) {
    if (lists_.size() >= MaxListFiles)
        throw UserError(QStringLiteral("最多只能有%1个大底，请先重新导入大底！").arg(MaxListFiles).toStdString());
    const QString name = QStringLiteral("%1（发送，%2注）").arg(list.from).arg(list.numbers.size());
    lists_.append({QString(), name, numbersLine(list.numbers).toStdString()});
    c_.lstdadi->addItem(name);
    QListWidgetItem *item = c_.lstdadi->item(c_.lstdadi->count() - 1);
    item->setSelected(true);
    c_.lstdadi->scrollToItem(item);
    c_.lbldadi->setText(QStringLiteral("最终交集：（收到%1，第%2个大底%3）")
                            .arg(list.description())
                            .arg(lists_.size())
                            .arg(note.isEmpty() ? QString() : QStringLiteral("；") + note));
}

QStringList ListFilesFrame::paths() const {
    QStringList files;
    for (const BaseList &list : lists_)
        if (!list.sent()) files << list.path;
    return files;
}

void ListFilesFrame::preview(QListWidgetItem *item) {
    const int row = c_.lstdadi->row(item);
    if (row < 0 || row >= lists_.size()) return;
    const BaseList list = lists_[row];
    ui::runCommand(window_, [&] {
        if (list.sent()) {
            c_.edtdadi->setPlainText(QString::fromStdString(list.text));
            c_.lbldadi->setText(QStringLiteral("最终交集：%1注").arg(previewCount(list.text)));
            return;
        }
        const QString &path = list.path;
        if (QFileInfo(path).size() > MaxPreviewBytes)
            throw UserError(QStringLiteral("文件 %1 太大（超过4MB），不能预览！").arg(path).toStdString());
        const QString text = readListPreview(path);
        c_.edtdadi->setPlainText(text);
        const auto count = previewCount(text.toStdString());
        ui::showBetCount(c_.lbldadi, QStringLiteral("最终交集：%1注").arg(count), static_cast<qsizetype>(count));
    });
}

bool ListFilesFrame::checkImported() const {
    if (!lists_.isEmpty()) return true;
    ui::showWarning(window_, QStringLiteral("请先导入大底文件！"));
    return false;
}

void ListFilesFrame::countAndShow(ui::WorkRunner *runner,
                                  const std::function<NumberList(const ListCounter &)> &reduce) {
    struct Outcome {
        NumberList list;
        bool complete = false;
    };
    auto outcome = std::make_shared<Outcome>();
    const QList<BaseList> lists = lists_;
    runner->start(batchJob([=](const std::atomic<bool> &stop, const BatchProgress &progress) {
                      ListCounter counter;
                      if (!countBaseLists(lists, counter, progress.group, &stop)) return;
                      outcome->list = reduce(counter);
                      outcome->complete = true;
                  }),
                  {static_cast<int>(lists.size())}, [this, outcome](const QString &) {
                      if (!outcome->complete) return;
                      showResult(outcome->list);
                      putOnClipboard(c_.edtdadi->toPlainText());
                  });
}

void ListFilesFrame::showResult(const NumberList &numbers) {
    c_.edtdadi->setPlainText(numbersLine(numbers));
    ui::showBetCount(c_.lbldadi, QStringLiteral("最终交集：%1注").arg(numbers.size()), std::ssize(numbers));
}

} // namespace corvel::dadi
