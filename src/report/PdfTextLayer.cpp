#include "PdfTextLayer.h"

#include "ListTemplate.h"

#include <QFile>
#include <QHash>
#include <QRawFont>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace tarvo::report {

namespace {

// Every character below the unified ideographs that the report face draws with an
// ideograph's glyph, and that ideograph; a tab read for the space it shares a glyph with.
QHash<ushort, ushort> lookalikes()
{
    QHash<ushort, ushort> result{{0x0009, 0x0020}};
    const QRawFont font = QRawFont::fromFont(ListTemplate::Font{ListTemplate::defaultFamily(), 10, false}.font());
    if (!font.isValid())
        return result;
    QString ideographs;
    for (char16_t c = 0x4e00; c <= 0x9fff; ++c)
        ideographs += QChar(c);
    const QList<quint32> ideographGlyphs = font.glyphIndexesForString(ideographs);
    QHash<quint32, ushort> byGlyph;
    for (qsizetype i = 0; i < ideographGlyphs.size(); ++i)
        if (ideographGlyphs.at(i) != 0 && !byGlyph.contains(ideographGlyphs.at(i)))
            byGlyph.insert(ideographGlyphs.at(i), ideographs.at(i).unicode());

    // Radicals, Kangxi radicals, description characters, CJK symbols and strokes.
    QString radicals;
    for (char16_t c = 0x2e80; c <= 0x31ef; ++c)
        radicals += QChar(c);
    const QList<quint32> radicalGlyphs = font.glyphIndexesForString(radicals);
    for (qsizetype i = 0; i < radicalGlyphs.size(); ++i)
        if (const auto found = byGlyph.constFind(radicalGlyphs.at(i)); radicalGlyphs.at(i) != 0 && found != byGlyph.cend())
            result.insert(radicals.at(i).unicode(), *found);
    return result;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Patches the four-digit code points <XXXX> between from and to.
bool patchCodePoints(QByteArray &pdf, qsizetype from, qsizetype to, const QHash<ushort, ushort> &map)
{
    bool changed = false;
    for (qsizetype i = from; i + 5 < to; ++i) {
        if (pdf.at(i) != '<' || pdf.at(i + 5) != '>')
            continue;
        int code = 0;
        for (int d = 1; d <= 4 && code >= 0; ++d)
            code = hexDigit(pdf.at(i + d)) < 0 ? -1 : code * 16 + hexDigit(pdf.at(i + d));
        const auto found = code < 0 ? map.cend() : map.constFind(ushort(code));
        if (found == map.cend())
            continue;
        const QByteArray replacement = QByteArray::number(*found, 16).toUpper().rightJustified(4, '0');
        pdf.replace(i + 1, 4, replacement);
        changed = true;
        i += 5;
    }
    return changed;
}

} // namespace

bool PdfTextLayer::readRadicalsAsIdeographs(const QString &pdfPath)
{
    QFile in(pdfPath);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray pdf = in.readAll();
    in.close();

    static const QHash<ushort, ushort> map = lookalikes();
    bool changed = false;
    // Qt writes its maps as ranges "<first> <last> [<char> <char> ...]": only what
    // stands in the brackets are characters; the rest are glyph numbers.
    for (qsizetype at = pdf.indexOf("beginbfrange"); at >= 0; at = pdf.indexOf("beginbfrange", at)) {
        const qsizetype end = pdf.indexOf("endbfrange", at);
        if (end < 0)
            break;
        for (qsizetype open = pdf.indexOf('[', at); open >= 0 && open < end; open = pdf.indexOf('[', open + 1)) {
            const qsizetype close = pdf.indexOf(']', open);
            if (close < 0 || close > end)
                break;
            changed |= patchCodePoints(pdf, open, close, map);
        }
        at = end;
    }
    if (!changed)
        return true;
    QSaveFile out(pdfPath);
    return out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size() && out.commit();
}

} // namespace tarvo::report
