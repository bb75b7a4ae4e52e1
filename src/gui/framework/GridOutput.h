#pragma once

#include "WindowContext.h"
#include "core/framework/GridData.h"

class QWidget;

namespace tarvo::gui {

// What a grid shows, sent out: to an .xlsx workbook, or through a list report
// template (report/<file> beside the program) to a preview, a printer or a PDF.

// Asks where to save (the window caption as the file name), writes the workbook and
// opens it with the desktop's program for it.
void ExportToExcel(QWidget *parent, WindowContext &context, const QString &caption, const GridData &grid);

struct ReportRequest
{
    QString reportFile;     // "BookData.rmf"
    QString title;          // the window's caption, when the template has no title
    QString condition;      // how the rows were chosen
};

void PreviewReport(QWidget *parent, WindowContext &context, const ReportRequest &request, const GridData &grid);
void PrintReport(QWidget *parent, WindowContext &context, const ReportRequest &request, const GridData &grid);
void DesignReport(QWidget *parent, WindowContext &context, const ReportRequest &request, const GridData &grid);

} // namespace tarvo::gui
