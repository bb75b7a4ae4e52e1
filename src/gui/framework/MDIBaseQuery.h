#pragma once

#include "BaseD.h"
#include "core/framework/SqlCondition.h"

#include <memory>

class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace tarvo {
class PagedResult;
}

namespace tarvo::gui {

class DataGrid;

// The query window: a read-only grid over one result with the line that states
// its condition, the record count, footer sums, printing with a page header,
// export, sorting by a title click and the stored column layout.
class TMDIBaseQuery : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TMDIBaseQuery(WindowContext &context, QWidget *parent = nullptr);
    ~TMDIBaseQuery() override;

    QString TableCode;
    SqlCondition Condition;
    QString ConditionCaption;
    QString HelpTopic;
    // The fields whose sums the footer shows.
    QStringList SumFields;

    DataGrid *grid() const { return DBGridEh1; }
    PagedResult *result() const { return ADOQueryBill.get(); }

    // Opens the result: select + " where " + the condition, in the given order.
    void OpenQuery(const QString &select, const SqlCondition &condition, const QString &order);
    void SetConditionCaption(const QString &caption);

protected:
    void InitForm() override;
    virtual void BtFindClick() { Condition = SqlCondition(); }

    QWidget *Panel1;
    QLabel *LbCaption;
    QToolBar *ToolBar1;
    QToolButton *BtFind;
    QToolButton *BtPrint;
    QToolButton *BtInterface;
    QToolButton *BtExit;
    QToolButton *BtHelp;
    DataGrid *DBGridEh1;
    QWidget *Panel2;
    QLabel *LbQty;
    QMenu *PopupMenu1;
    QMenu *PopupMenu2;

    void keyPressEvent(QKeyEvent *event) override;

private:
    void LoadColumns();
    void ShowCount();
    void ShowSums();
    void SaveLayout();

    std::unique_ptr<PagedResult> ADOQueryBill;
    QStringList m_fields;
};

} // namespace tarvo::gui
