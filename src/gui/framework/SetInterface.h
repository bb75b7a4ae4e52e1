#pragma once

#include "BaseD.h"
#include "core/framework/ColumnLayout.h"

#include <QSet>

class QTableWidget;

namespace tarvo::gui {

// 界面设置: the stored columns of one layout, hidden ones too, edited in place.
// A row's changes are written when the cursor leaves it; 确定 writes the last one.
class TFrmSetInterface : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmSetInterface(WindowContext &context, const QString &tableCode, QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }

protected:
    void InitForm() override;

private:
    void Confirm();
    void WriteRow(int row);

    QString m_tableCode;
    QTableWidget *m_grid;
    QList<LayoutColumn> m_rows;
    QSet<int> m_editedRows; // changed and not yet written
    bool m_loading = false;
};

// Shows the layout dialog for a table code; true when it was closed with 确定.
bool ShowSetInterface(WindowContext &context, const QString &tableCode, QWidget *parent);

} // namespace tarvo::gui
