#pragma once

#include "WindowContext.h"

class QWidget;

namespace tarvo::report {
class CardReport;
}

namespace tarvo::gui {

// Cards (reader cards, labels) sent out: to the print dialog, or to a preview whose
// tool bar can also save them as a PDF file. caption names the cards ("借书证").

void PrintCards(QWidget *parent, WindowContext &context, const report::CardReport &report, const QString &caption);
void PreviewCards(QWidget *parent, WindowContext &context, const report::CardReport &report, const QString &caption);
// Asks where to save (the caption as the file name) and writes the PDF; false when
// the operator cancels or the file cannot be written (which is said).
bool SaveCardsAsPdf(QWidget *parent, WindowContext &context, const report::CardReport &report, const QString &caption);

} // namespace tarvo::gui
