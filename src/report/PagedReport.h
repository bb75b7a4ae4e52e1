#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace tarvo::report {

// A report drawn page by page: printed on a printer (the operator's page range
// kept), shown in a preview, or written to a PDF whose text can be searched.
// A concrete report gives its page layout, its page count and how a page is drawn.
class PagedReport
{
public:
    virtual ~PagedReport() = default;

    // Gives a printer the template's paper, orientation and margins; call once before
    // a print dialog or preview, so that the operator's own changes there are kept.
    void applyPageLayout(QPrinter *printer) const;

    // Draws the report on the printer, only the pages of the range the operator
    // chose in the print dialog; a QPrintPreviewDialog's paintRequested can call it.
    // False when the printer cannot be drawn on.
    bool print(QPrinter *printer) const;

    // Writes the whole report to a PDF file in the template's page layout.
    bool writePdf(const QString &path, QString *error = nullptr) const;

    // Pages the report takes on a device with its current page layout.
    virtual int pageCount(const QPagedPaintDevice *device) const = 0;

    // Draws pages first..last (1-based, inclusive) with a painter that is active on the device.
    virtual void render(QPainter &painter, QPagedPaintDevice *device, int first, int last) const = 0;

protected:
    virtual QPageLayout pageLayout() const = 0;
    // The title a PDF file carries in its properties.
    virtual QString pdfTitle() const { return {}; }
};

} // namespace tarvo::report
