#pragma once

#include "PagedReport.h"

#include "CardData.h"
#include "CardTemplate.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace tarvo::report {

// Cards printed from rows, one card per row in the rows' order, as many to a sheet
// as fit side by side and one under another inside the margins.
class CardReport : public PagedReport
{
public:
    CardReport(CardTemplate layout, CardData data);

    const CardTemplate &layout() const { return m_layout; }
    qsizetype cardCount() const { return m_data.count(); }

    // Cards across and down one sheet of the device with its current page layout.
    QSize cardsPerPage(const QPagedPaintDevice *device) const;
    int pageCount(const QPagedPaintDevice *device) const override;

    // Draws pages first..last (1-based, inclusive) with a painter that is active on the device.
    void render(QPainter &painter, QPagedPaintDevice *device, int first, int last) const override;

protected:
    QPageLayout pageLayout() const override;

private:
    CardTemplate m_layout;
    CardData m_data;
};

} // namespace tarvo::report
