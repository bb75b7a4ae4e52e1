#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;

namespace tarvo::report {

// A one-row barcode as Zint encodes it: a run of dark and light modules.
class Barcode
{
public:
    // Code 128, the symbology of book and reader numbers; nothing when the text cannot be encoded.
    static std::optional<Barcode> code128(const QString &text);

    const QList<bool> &modules() const { return m_modules; }

    // Draws the dark modules so that the whole symbol fills the rectangle's width.
    void draw(QPainter &painter, const QRectF &area) const;

private:
    QList<bool> m_modules;
};

} // namespace tarvo::report
