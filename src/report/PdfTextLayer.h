#pragma once

#include <QString>

namespace tarvo::report {

// Qt writes the character map of each font embedded in a PDF by looking glyphs up
// from the lowest code point, so an ideograph that shares its glyph with a radical
// (日 with ⽇, 页 with ⻚ in the Noto CJK faces) reaches the text layer as the
// radical: the page looks right, but searching it or copying from it fails.
class PdfTextLayer
{
public:
    // Rewrites those entries of the file's character maps to the ideographs, in
    // place (every entry keeps its length, so nothing else in the file moves).
    // False when the file cannot be read or written.
    static bool readRadicalsAsIdeographs(const QString &pdfPath);
};

} // namespace tarvo::report
