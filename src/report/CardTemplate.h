#pragma once

#include "ListTemplate.h"

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

namespace tarvo::report {

// The layout of a card (reader card, book label) as kept in a template file
// (report/ReaderCard.rmf): the card's size, the sheet the cards are printed on, and
// what stands where on the card. The file is JSON, every key optional:
//
//   {
//     "kind": "card",
//     "card": {"width": 85.6, "height": 54},            (mm; an ID-1 card by default)
//     "paper": "A4",                  (a paper name, or {"width": 100, "height": 60} in mm)
//     "margins": {"left": 12, "top": 8, "right": 12, "bottom": 8},
//     "gap": 2,                        (mm between neighbouring cards)
//     "border": true,                  (outline of each card, to cut along)
//     "mirror": false,                 (cards run right to left: the backs of a sheet
//                                       printed on its reverse land behind their fronts)
//     "items": [
//       {"kind": "text", "x": 0, "y": 0, "width": 85.6, "height": 9, "text": "借书证",
//        "font": {"family": "Noto Sans CJK SC", "size": 14, "bold": true},
//        "align": "center", "valign": "middle", "color": "#ffffff", "background": "#1f4e79"},
//       {"kind": "field", "field": "Name", ...},          (one line, set smaller when long)
//       {"kind": "memo", "field": "Rcardmemo", ...},     (wrapped lines)
//       {"kind": "barcode", "field": "Code", ...},       (Code 128, the text under it)
//       {"kind": "image", "field": "PhotoBmp", "frame": true, ...}
//     ]
//   }
//
// A field is a column of the printed rows (Code, Name, SortCode...) or a value the
// caller names (CorpName, Rcardmemo).
struct CardTemplate
{
    using Font = ListTemplate::Font;

    struct Item
    {
        enum class Kind { Text, Field, Memo, Barcode, Image };

        Kind kind = Kind::Text;
        QRectF rect;   // millimetres on the card
        QString text;  // a text item's words
        QString field; // what the other kinds show
        Font font{ListTemplate::defaultFamily(), 10, false};
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
        QColor color{Qt::black};
        QColor background; // invalid: none
        bool frame = false;

        // The field a kind reads when the template names none.
        static QString defaultField(Kind kind);
    };

    QSizeF card{85.6, 54};
    QPageSize paper{QPageSize::A4};
    QMarginsF margins{12, 8, 12, 8}; // millimetres: left, top, right, bottom
    qreal gap = 2;
    bool border = true;
    bool mirror = false;
    QList<Item> items;

    QPageLayout pageLayout() const;

    static QString kindName(Item::Kind kind);

    // Reads a template; nothing, with the reason in error, when the file cannot be
    // read or is not a card template.
    static std::optional<CardTemplate> load(const QString &path, QString *error = nullptr);
    static std::optional<CardTemplate> fromJson(const QByteArray &json, QString *error = nullptr);
    QByteArray toJson() const;
    bool save(const QString &path, QString *error = nullptr) const;
};

} // namespace tarvo::report
