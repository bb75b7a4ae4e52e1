#pragma once

#include "CardData.h"
#include "CardTemplate.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace tarvo::report {

// Cards printed from rows, one card per row in the rows' order, as many to a sheet
// as fit side by side and one under another inside the margins.
class CardReport
{
public:
    CardReport(CardTemplate layout, CardData data);

    const CardTemplate &layout() const { return m_layout; }
    qsizetype cardCount() const { return m_data.count(); }

    // Gives a printer the template's paper and margins; call once before a print
    // dialog or preview, so that the operator's own changes there are kept.
    void applyPageLayout(QPrinter *printer) const;

    // Cards across and down one sheet of the device with its current page layout.
    QSize cardsPerPage(const QPagedPaintDevice *device) const;
    int pageCount(const QPagedPaintDevice *device) const;

    // Draws the cards on the printer, only the pages of the range the operator chose
    // in the print dialog; a QPrintPreviewDialog's paintRequested can call it.
    // False when the printer cannot be drawn on.
    bool print(QPrinter *printer) const;
    // Writes every card to a PDF file in the template's page layout.
    bool writePdf(const QString &path, QString *error = nullptr) const;
    // Draws pages first..last (1-based, inclusive) with a painter that is active on the device.
    void render(QPainter &painter, QPagedPaintDevice *device, int first, int last) const;

private:
    CardTemplate m_layout;
    CardData m_data;
};

} // namespace tarvo::report
