// Every "打印" opens a print preview: it shows the pages the printer gets, prints from it,
// and saves them as PDF also where no printer is installed.

#include "core/numberlist.h"
#include "testsupport.h"
#include "ui/dialogs.h"
#include "ui/printing.h"

#include <QAction>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace corvel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// The bet-list printout of `count` numbers (75 a page).
ui::PageLayout betList(int count) {
    NumberList numbers;
    for (int n = 0; n < count; ++n) numbers.push_back({n / 100, n / 10 % 10, n % 10});
    return [numbers](const PageGeometry &page) { return layoutBetList(page, "过滤号码", numbers, "2024-05-01"); };
}

int previewPages(QPrintPreviewDialog &dialog) {
    auto *pages = dialog.findChild<QPrintPreviewWidget *>();
    return pages ? pages->pageCount() : -1;
}

// The size of a PDF file's first page (its media box), empty when there is none.
QSizeF firstPageSize(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(file.readAll()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QAction *pdfAction(QPrintPreviewDialog &dialog) { return dialog.findChild<QAction *>(QStringLiteral("mnuexportpdf")); }

} // namespace

// The preview lays out exactly the pages the printer path prints.
TEST(PrintPreview, ShowsThePagesThePrinterGets) {
    for (int count : {1, 75, 76, 200}) {
        test::TempAppDir dir;
        const QString pdf = dir.path() + QStringLiteral("list.pdf");
        ui::printHooks().pdfPath = pdf;
        ASSERT_EQ(ui::printDocument(nullptr, betList(count)), ui::PrintResult::Printed);
        const int printed = test::pdfPageCount(pdf);
        EXPECT_EQ(printed, (count + 74) / 75) << count;

        ui::printHooks() = {};
        int previewed = -1;
        ui::printHooks().preview = [&](QPrintPreviewDialog &dialog) {
            previewed = previewPages(dialog);
            return false; // closed without printing
        };
        EXPECT_EQ(ui::printDocument(nullptr, betList(count)), ui::PrintResult::Cancelled);
        EXPECT_EQ(previewed, printed) << count;
    }
}

// "打印" in the preview prints the pages it shows; the printer and the preview were given
// the same document.
TEST(PrintPreview, PrintsFromThePreview) {
    test::TempAppDir dir;
    test::MessageLog log;
    const QString pdf = dir.path() + QStringLiteral("printed.pdf");
    std::vector<size_t> laidOut;
    ui::printHooks().inspect = [&](const PrintDocument &doc, const PageGeometry &) { laidOut.push_back(doc.size()); };
    int previewed = -1;
    ui::printHooks().preview = [&](QPrintPreviewDialog &dialog) {
        previewed = previewPages(dialog);
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(pdf);
        return true;
    };
    EXPECT_TRUE(ui::printWithMessage(nullptr, betList(160)));
    EXPECT_EQ(previewed, 3);
    EXPECT_EQ(test::pdfPageCount(pdf), 3);
    ASSERT_GE(laidOut.size(), 2u);
    EXPECT_EQ(laidOut.front(), laidOut.back());
    EXPECT_TRUE(log.messages.empty());

    // A printer that cannot take the pages: the standard message, nothing printed.
    ui::printHooks().preview = [&](QPrintPreviewDialog &dialog) {
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(dir.path() + QStringLiteral("no-such-folder/x.pdf"));
        return true;
    };
    const test::ExpectedWarning refused(QStringLiteral("QPainter::begin(): Returned false"));
    EXPECT_FALSE(ui::printWithMessage(nullptr, betList(10)));
    EXPECT_EQ(log.lastText(), u("请安装打印机！"));
}

// "导出PDF…" saves the pages as the preview shows them (its page setup included) without
// any printer, leaves the preview open, and refuses a folder it cannot write.
TEST(PrintPreview, SavesThePagesAsPdfWithoutAPrinter) {
    test::TempAppDir dir;
    test::MessageLog log;
    QString chosen = dir.path() + u("附属/号码.pdf");
    QString proposed;
    ui::dialogHooks().saveFile = [&](const QString &, const QString &initial) {
        proposed = initial;
        return chosen;
    };
    int portrait = -1, landscape = -1, saved = -1;
    ui::printHooks().preview = [&](QPrintPreviewDialog &dialog) {
        QAction *pdf = pdfAction(dialog);
        if (!pdf) return false;
        portrait = previewPages(dialog);
        pdf->trigger();
        saved = test::pdfPageCount(chosen);
        // Page setup in the preview: the PDF follows it.
        dialog.printer()->setPageOrientation(QPageLayout::Landscape);
        dialog.findChild<QPrintPreviewWidget *>()->updatePreview();
        landscape = previewPages(dialog);
        chosen = dir.path() + u("附属/横向.pdf");
        pdf->trigger();
        return false;
    };
    EXPECT_EQ(ui::printDocument(nullptr, betList(200)), ui::PrintResult::Cancelled);
    EXPECT_EQ(proposed, dir.path() + u("附属/导出.pdf"));
    EXPECT_EQ(portrait, 3);
    EXPECT_EQ(saved, 3);
    EXPECT_EQ(test::pdfPageCount(chosen), landscape);
    const QSizeF page = firstPageSize(chosen);
    EXPECT_GT(page.width(), page.height());
    EXPECT_EQ(log.lastText(), u("成功保存！"));

    chosen = dir.path() + u("没有/号码.pdf");
    ui::printHooks().preview = [&](QPrintPreviewDialog &dialog) {
        pdfAction(dialog)->trigger();
        return false;
    };
    ui::printDocument(nullptr, betList(20));
    EXPECT_EQ(log.messages.back().kind, ui::MessageKind::Error);
    EXPECT_FALSE(QFile::exists(chosen));
}
