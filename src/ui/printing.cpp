#include "ui/printing.h"

#include "ui/dialogs.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

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

} // namespace

PrintResult printDocument(QWidget *parent, const PageLayout &layout) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    if (!printHooks().pdfPath.isEmpty() || printHooks().cancel) {
        if (printHooks().cancel) return PrintResult::Cancelled;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printHooks().pdfPath);
    } else {
        QPrintDialog dialog(&printer, ownerOf(parent));
        keepInFront(&dialog);
        if (dialog.exec() != QDialog::Accepted) return PrintResult::Cancelled;
    }
    if (!printer.isValid()) return PrintResult::Failed;
    return paint(printer, layout) ? PrintResult::Printed : PrintResult::Failed;
}

bool printWithMessage(QWidget *parent, const PageLayout &layout) {
    const PrintResult r = printDocument(parent, layout);
    if (r == PrintResult::Failed) showError(parent, QStringLiteral("请安装打印机！"));
    return r == PrintResult::Printed;
}

} // namespace corvel::ui
