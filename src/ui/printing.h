#pragma once
// Printing a page model (core/pagemodel.h) through the print dialog.

#include "core/pagemodel.h"

#include <QString>
#include <functional>

class QWidget;

namespace corvel::ui {

// Test seam: with `pdfPath` set no dialog is shown and the pages go to that PDF file;
// `cancel` answers the dialog with Cancel.
struct PrintHooks {
    QString pdfPath;
    bool cancel = false;
    // Sees every printout as laid out for the printer (its real fonts measure the texts).
    std::function<void(const PrintDocument &, const PageGeometry &)> inspect;
};
PrintHooks &printHooks();

enum class PrintResult { Printed, Cancelled, Failed };

using PageLayout = std::function<PrintDocument(const PageGeometry &)>;

// Shows the print dialog and prints the pages that `layout` makes for the chosen
// printer (600 dpi). The caller shows "请安装打印机！" for Failed.
PrintResult printDocument(QWidget *parent, const PageLayout &layout);

// Prints with the standard failure message "请安装打印机！"; returns true when printed.
bool printWithMessage(QWidget *parent, const PageLayout &layout);

} // namespace corvel::ui
