#pragma once

#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <optional>

namespace tarvo::report {

// The layout of a list report as kept in a template file (report/BookData.rmf):
// title, columns, fonts and paper. The file is JSON, every key optional:
//
//   {
//     "kind": "list",
//     "title": "图书资料清单",
//     "paper": "A4",                  (a paper name, or {"width": 241, "height": 280} in mm)
//     "orientation": "landscape",     (portrait | landscape)
//     "margins": {"left": 15, "top": 12, "right": 15, "bottom": 12},
//     "fonts": {
//       "title":  {"family": "Noto Sans CJK SC", "size": 16, "bold": true},
//       "header": {"family": "Noto Sans CJK SC", "size": 10, "bold": true},
//       "body":   {"family": "Noto Serif CJK SC", "size": 10}
//     },
//     "columns": [
//       {"field": "BarCode", "title": "条码号", "width": 90},
//       {"field": "Price", "title": "单价", "width": 70, "sum": true}
//     ]
//   }
//
// Without columns the report prints the grid's visible columns as they are shown.
struct ListTemplate
{
    struct Column
    {
        QString field;
        QString title;            // empty: the grid's caption
        int width = 0;            // screen pixels; 0: the grid's width
        std::optional<bool> sum;  // unset: as the grid's footer
    };

    struct Font
    {
        QString family;
        qreal size = 10; // points
        bool bold = false;

        // The font to draw with; a family that is not installed gives way to a
        // Simplified Chinese face, so that no text falls back to Japanese glyphs.
        QFont font() const;
    };

    QString title;
    QList<Column> columns;
    Font titleFont{defaultFamily(), 16, true};
    Font headerFont{defaultFamily(), 10, true};
    Font bodyFont{defaultFamily(), 10, false};
    QPageSize paper{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{15, 12, 15, 12}; // millimetres: left, top, right, bottom

    QPageLayout pageLayout() const;

    // Reads a template; nothing, with the reason in error, when the file cannot be
    // read or is not a list template.
    static std::optional<ListTemplate> load(const QString &path, QString *error = nullptr);
    static std::optional<ListTemplate> fromJson(const QByteArray &json, QString *error = nullptr);
    QByteArray toJson() const;
    bool save(const QString &path, QString *error = nullptr) const;

    // The Simplified Chinese face the reports are set in unless a template names another.
    static QString defaultFamily();
};

} // namespace tarvo::report
