#pragma once

#include <QString>
#include <QStringList>

namespace tarvo::Isbn {

// The digits (and a final X) of an ISBN as typed or scanned: hyphens and blanks go.
QString compact(const QString &typed);

// The 13-digit form of an ISBN-10 or ISBN-13 (check digit recomputed for an ISBN-10);
// empty when the text is neither.
QString toIsbn13(const QString &typed);
// The 10-digit form of an ISBN-13 beginning 978, or of an ISBN-10; empty otherwise.
QString toIsbn10(const QString &typed);

// Whether the check digit of an ISBN-10 or ISBN-13 is right. Text that is not an
// ISBN of either length is not judged here (false).
bool hasValidCheckDigit(const QString &typed);
// Whether the text has the length of an ISBN but a wrong check digit: the editor
// flags it without refusing the save.
bool looksMistyped(const QString &typed);

// The spellings a stored BookIsbn may have for the typed ISBN: as typed, its
// compact 13- and 10-digit forms and each of them hyphenated in every way; no
// duplicates, no empty ones.
QStringList storedSpellings(const QString &typed);

} // namespace tarvo::Isbn
