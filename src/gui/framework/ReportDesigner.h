#pragma once

#include "BaseD.h"
#include "core/framework/GridData.h"
#include "report/ListTemplate.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QFormLayout;
class QLineEdit;
class QPrintPreviewWidget;
class QPrinter;
class QSpinBox;
class QTableWidget;

namespace tarvo::gui {

// 报表设计: edits a list report template (title, columns, fonts, paper, margins)
// with the grid's own rows shown in a live preview, and saves it under report/.
class TFrmReportDesigner : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmReportDesigner(WindowContext &context, const QString &path, const QString &caption, const GridData &grid,
                       QWidget *parent = nullptr);
    ~TFrmReportDesigner() override;

    // The template as the form now describes it.
    report::ListTemplate currentTemplate() const;
    bool Save();

private:
    struct FontControls
    {
        QFontComboBox *family;
        QDoubleSpinBox *size;
        QCheckBox *bold;
    };

    FontControls addFontRow(QFormLayout *form, const QString &label, const report::ListTemplate::Font &font);
    void ShowTemplate(const report::ListTemplate &t);
    void AddColumnRow(const report::ListTemplate::Column &column);
    void MoveColumn(int step);
    void Changed();

    QString m_path;
    QString m_caption;
    GridData m_grid;
    QLineEdit *m_title;
    QComboBox *m_paper;
    QComboBox *m_orientation;
    QSpinBox *m_margins[4];
    FontControls m_titleFont;
    FontControls m_headerFont;
    FontControls m_bodyFont;
    QTableWidget *m_columns;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_preview;
    bool m_loading = false;
};

} // namespace tarvo::gui
