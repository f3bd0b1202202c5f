#include "ui/printing.h"

#include "ui/betorient.h"
#include "ui/dialogs.h"
#include "ui/exportfile.h"
#include "ui/toolwindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolBar>

namespace corvel::ui {

PrintHooks &printHooks() {
    static PrintHooks hooks;
    return hooks;
}

namespace {

QFont pageFont(PageFont kind, QPaintDevice *device) {
    QFont f;
    if (kind == PageFont::Title) {
        f = QFont(QStringLiteral("录书"));
        f.setFamilies({QStringLiteral("录书"), QStringLiteral("LiSu"), QStringLiteral("Noto Serif CJK SC"),
                       QStringLiteral("Noto Sans CJK SC")});
        f.setPointSize(18);
        f.setBold(true);
        f.setItalic(true);
    } else {
        f = QFont(QStringLiteral("宋体"));
        f.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                       QStringLiteral("Noto Sans CJK SC")});
        f.setPointSize(10);
    }
    return QFont(f, device);
}

bool paint(QPrinter &printer, const PageLayout &layout) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QFont title = pageFont(PageFont::Title, &printer);
    const QFont body = pageFont(PageFont::Body, &printer);
    const QFontMetrics titleMetrics(title, &printer), bodyMetrics(body, &printer);
    PageGeometry geometry;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    geometry.width = page.width();
    // Painting happens in the printable area's coordinates, so its height is the page
    // height of the layouts: the footer and the last rules then stay on paper.
    geometry.height = page.height();
    geometry.textWidth = [&](PageFont f, const std::string &text) {
        return (f == PageFont::Title ? titleMetrics : bodyMetrics).horizontalAdvance(QString::fromStdString(text));
    };
    const PrintDocument doc = layout(geometry);
    if (printHooks().inspect) printHooks().inspect(doc, geometry);
    painter.setPen(QPen(Qt::black, 2));
    for (size_t p = 0; p < doc.size(); ++p) {
        if (p > 0 && !printer.newPage()) return false;
        for (const PageLine &l : doc[p].lines) painter.drawLine(l.x1, l.y1, l.x2, l.y2);
        for (const PageText &t : doc[p].texts) {
            const bool isTitle = t.font == PageFont::Title;
            painter.setFont(isTitle ? title : body);
            painter.drawText(t.x, t.y + (isTitle ? titleMetrics : bodyMetrics).ascent(),
                             QString::fromStdString(t.text));
        }
    }
    return painter.end();
}

// Saves the pages, laid out for the page setup the preview shows, as a PDF file: painted
// into a temporary file first, then written beside the chosen name and renamed.
void exportPdf(QWidget *parent, QWidget *requester, const QPrinter &shown, const PageLayout &layout) {
    const QString path =
        getSaveFileName(parent, proposedExportPath(requester, {}, QStringLiteral("pdf")),
                        QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"), QStringLiteral("导出PDF"));
    if (path.isEmpty()) return;
    QByteArray bytes;
    {
        const BusyCursor busy;
        const QTemporaryDir work;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setResolution(shown.resolution());
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageLayout(shown.pageLayout());
        pdf.setOutputFileName(work.filePath(QStringLiteral("pages.pdf")));
        QFile file(pdf.outputFileName());
        if (!work.isValid() || !paint(pdf, layout) || !file.open(QIODevice::ReadOnly)) {
            showError(parent, QStringLiteral("无法在临时文件夹 %1 中生成PDF文件。").arg(QDir::tempPath()));
            return;
        }
        bytes = file.readAll();
    }
    saveExport(parent, path, bytes);
}

} // namespace

PrintResult printDocument(QWidget *parent, const PageLayout &layout) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    if (!printHooks().pdfPath.isEmpty() || printHooks().cancel) {
        if (printHooks().cancel) return PrintResult::Cancelled;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printHooks().pdfPath);
        if (!printer.isValid()) return PrintResult::Failed;
        return paint(printer, layout) ? PrintResult::Printed : PrintResult::Failed;
    }

    QPrintPreviewDialog dialog(&printer, ownerOf(parent));
    keepInFront(&dialog);
    dialog.setObjectName(QStringLiteral("frmprintpreview"));
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    // The preview and the printer are painted alike; the last painting before the dialog
    // is accepted is the one that went to the printer.
    bool lastPaintOk = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { lastPaintOk = paint(*target, layout); });
    if (auto *bar = dialog.findChild<QToolBar *>()) {
        bar->addSeparator();
        QAction *pdf = bar->addAction(QStringLiteral("导出PDF…"));
        pdf->setObjectName(QStringLiteral("mnuexportpdf"));
        pdf->setToolTip(QStringLiteral("把这些页面保存为PDF文件"));
        QObject::connect(pdf, &QAction::triggered, &dialog, [&] { exportPdf(&dialog, parent, printer, layout); });
    }

    bool accepted = false;
    if (printHooks().preview) {
        dialog.show(); // lays the pages out
        if (printHooks().preview(dialog)) {
            if (auto *pages = dialog.findChild<QPrintPreviewWidget *>()) pages->print();
            accepted = true;
        }
        dialog.hide();
    } else {
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) return PrintResult::Cancelled;
    return lastPaintOk && printer.isValid() ? PrintResult::Printed : PrintResult::Failed;
}

bool printWithMessage(QWidget *parent, const PageLayout &layout) {
    const PrintResult r = printDocument(parent, layout);
    if (r == PrintResult::Failed) showError(parent, QStringLiteral("请安装打印机！"));
    return r == PrintResult::Printed;
}

bool printBetList(QWidget *parent, const std::string &title, const NumberList &numbers) {
    const std::string date = printDate();
    const std::string betIssue = betIssueLine().toStdString();
    return printWithMessage(parent, [title, numbers, date, betIssue](const PageGeometry &page) {
        return layoutBetList(page, title, numbers, date, betIssue);
    });
}

} // namespace corvel::ui
