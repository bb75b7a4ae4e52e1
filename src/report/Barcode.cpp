#include "Barcode.h"

#include <QPainter>
#include <memory>
#include <zint.h>

namespace tarvo::report {

std::optional<Barcode> Barcode::code128(const QString &text)
{
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(), &ZBarcode_Delete);
    if (!symbol || text.isEmpty())
        return std::nullopt;
    symbol->symbology = BARCODE_CODE128;
    symbol->input_mode = UNICODE_MODE;
    const QByteArray utf8 = text.toUtf8();
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(utf8.constData()), int(utf8.size()))
        >= ZINT_ERROR)
        return std::nullopt;
    Barcode barcode;
    barcode.m_modules.reserve(symbol->width);
    for (int column = 0; column < symbol->width; ++column)
        barcode.m_modules << (((symbol->encoded_data[0][column >> 3] >> (column & 7)) & 1) != 0);
    return barcode;
}

void Barcode::draw(QPainter &painter, const QRectF &area) const
{
    if (m_modules.isEmpty())
        return;
    // Each bar is drawn as one rectangle, so neighbouring modules leave no seams.
    const qreal moduleWidth = area.width() / m_modules.size();
    for (qsizetype start = 0; start < m_modules.size();) {
        qsizetype end = start;
        while (end < m_modules.size() && m_modules.at(end) == m_modules.at(start))
            ++end;
        if (m_modules.at(start))
            painter.fillRect(QRectF(area.left() + start * moduleWidth, area.top(), (end - start) * moduleWidth,
                                    area.height()),
                             Qt::black);
        start = end;
    }
}

} // namespace tarvo::report
