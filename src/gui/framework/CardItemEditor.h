#pragma once

#include "report/CardTemplate.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace tarvo::gui {

// The properties of the card item chosen in the designer: its words or field, type,
// alignment, colours, frame, and its place and size in millimetres.
class CardItemEditor : public QWidget
{
    Q_OBJECT
public:
    // fields: what a field item can show (the rows' fields and the named values).
    explicit CardItemEditor(const QStringList &fields, QWidget *parent = nullptr);

    // Shows an item (nothing chosen: the controls are disabled).
    void setItem(const std::optional<report::CardTemplate::Item> &item);
    // The item as the controls describe it.
    report::CardTemplate::Item item() const;

signals:
    void edited();

private:
    void Changed();
    void ChooseColour(QToolButton *button);
    static void ShowColour(QToolButton *button, const QColor &colour);

    report::CardTemplate::Item m_item;
    bool m_loading = false;
    QLabel *m_kind;
    QLineEdit *m_text;
    QComboBox *m_field;
    QFontComboBox *m_family;
    QDoubleSpinBox *m_size;
    QCheckBox *m_bold;
    QComboBox *m_align;
    QComboBox *m_valign;
    QToolButton *m_color;
    QCheckBox *m_filled;
    QToolButton *m_background;
    QCheckBox *m_frame;
    QDoubleSpinBox *m_geometry[4];
};

} // namespace tarvo::gui
