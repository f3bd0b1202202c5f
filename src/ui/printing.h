#pragma once
// Printing a page model (core/pagemodel.h): a print preview first, then the printer.

#include "core/numberlist.h"
#include "core/pagemodel.h"

#include <QString>
#include <functional>

class QPrintPreviewDialog;
class QWidget;

namespace corvel::ui {

// Test seams. With `pdfPath` set no dialog is shown and the pages go to that PDF file;
// `cancel` answers the preview with Cancel. `preview` answers the print preview instead of
// the user: it gets the dialog shown with its pages laid out, may choose its printer (a PDF
// file) or use its commands, and returns true to print from it, false to close it.
struct PrintHooks {
    QString pdfPath;
    bool cancel = false;
    // Sees every printout as laid out for the printer (its real fonts measure the texts).
    std::function<void(const PrintDocument &, const PageGeometry &)> inspect;
    std::function<bool(QPrintPreviewDialog &)> preview;
};
PrintHooks &printHooks();

enum class PrintResult { Printed, Cancelled, Failed };

using PageLayout = std::function<PrintDocument(const PageGeometry &)>;

// Shows the print preview of the pages that `layout` makes for the printer (600 dpi):
// the pages as they will print, zoom, page setup, and printing to a printer or a PDF file
// ("打印", or "导出PDF…" straight to a file). The preview and the printer get their pages
// from the same painting, so they are the same pages; without any printer installed the
// preview still shows them and saves them as PDF. The caller shows "请安装打印机！" for
// Failed.
PrintResult printDocument(QWidget *parent, const PageLayout &layout);

// Prints with the standard failure message "请安装打印机！"; returns true when printed.
bool printWithMessage(QWidget *parent, const PageLayout &layout);

// Prints a bet list (layoutBetList) with today's date and the line naming the issue the
// bet is for (betIssueLine), with the message of printWithMessage.
bool printBetList(QWidget *parent, const std::string &title, const NumberList &numbers);

} // namespace corvel::ui
