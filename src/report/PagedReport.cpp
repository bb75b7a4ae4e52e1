#include "PagedReport.h"

#include "PdfTextLayer.h"
#include "core/app/Helpers.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace tarvo::report {

void PagedReport::applyPageLayout(QPrinter *printer) const
{
    printer->setPageLayout(pageLayout());
}

bool PagedReport::print(QPrinter *printer) const
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    int first = 1, last = pageCount(printer);
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        first = printer->fromPage();
        last = qMin(last, qMax(first, printer->toPage()));
    }
    render(painter, printer, first, last);
    if (!painter.end())
        return false;
    // Printed to a file from the print dialog: the same text layer as writePdf's,
    // as far as the file can be rewritten; it reads right either way.
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
        PdfTextLayer::readRadicalsAsIdeographs(printer->outputFileName());
    return true;
}

bool PagedReport::writePdf(const QString &path, QString *error) const
{
    QPdfWriter writer(path);
    writer.setPageLayout(pageLayout());
    writer.setResolution(600);
    writer.setTitle(pdfTitle());
    writer.setCreator(AppTitle());
    QPainter painter;
    if (painter.begin(&writer)) {
        render(painter, &writer, 1, pageCount(&writer));
        if (painter.end() && PdfTextLayer::readRadicalsAsIdeographs(path))
            return true;
    }
    if (error)
        *error = u"无法写入PDF文件：%1"_s.arg(path);
    return false;
}

} // namespace tarvo::report
