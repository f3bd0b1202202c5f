// The program's open dialog lists a folder as a person counts: 大底2 before 大底10.

#include "ui/dialogs.h"

#include <QAbstractProxyModel>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

// The names the dialog shows in `folder`, top to bottom, once the folder is read.
QStringList shownNames(QFileDialog &dlg, const QString &folder, int expected) {
    auto *proxy = dlg.proxyModel();
    EXPECT_NE(proxy, nullptr);
    if (!proxy) return {};
    auto *files = qobject_cast<QFileSystemModel *>(proxy->sourceModel());
    EXPECT_NE(files, nullptr);
    if (!files) return {};
    const auto root = [&] { return proxy->mapFromSource(files->index(folder)); };
    [&] { QTRY_COMPARE_WITH_TIMEOUT(proxy->rowCount(root()), expected, 5000); }();
    QStringList names;
    for (int row = 0; row < proxy->rowCount(root()); ++row) names << proxy->index(row, 0, root()).data().toString();
    return names;
}

} // namespace

TEST(OpenFileDialog, ListsFilesInNaturalOrderFoldersFirst) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList files{QStringLiteral("自动大底10.txt"), QStringLiteral("自动大底2.txt"),
                            QStringLiteral("自动大底100.txt"), QStringLiteral("自动大底1.txt"),
                            QStringLiteral("自动大底09.txt")};
    for (const QString &name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("批次20")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("批次3")));

    for (const bool several : {true, false}) {
        const std::unique_ptr<QFileDialog> dlg =
            ui::makeOpenFileDialog(nullptr, QStringLiteral("选择大底文件"), dir.path(), ui::textFileFilter(), several);
        EXPECT_EQ(dlg->fileMode(), several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        EXPECT_EQ(shownNames(*dlg, dir.path(), 7).join(QLatin1Char(' ')).toStdString(),
                  "批次3 批次20 自动大底1.txt 自动大底2.txt 自动大底09.txt 自动大底10.txt 自动大底100.txt");
    }
}
