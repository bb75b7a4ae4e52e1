#pragma once

#include "core/app/OperatorRights.h"
#include "core/framework/RowViews.h"
#include "gui/framework/BaseD.h"

#include <memory>

class QCheckBox;
class QTabWidget;
class QToolButton;

namespace tarvo::gui {

class DataGrid;

// 权限设置: the operators, and the rights of the one chosen, one check box per module.
class TFrmRightSet : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmRightSet(WindowContext &context, QWidget *parent = nullptr);
    ~TFrmRightSet() override;

protected:
    void InitForm() override;

private:
    QString CurrentCode() const;
    // Reads the operators again and moves to the code (the first row when empty).
    void OpenOperators(const QString &code = QString());
    void LoadRights();
    void SetAll(bool checked);
    void BtAddClick();
    void BtEditClick();
    void BtDeleteClick();
    void BtGrantClick();

    DataGrid *DBGrid1;
    QTabWidget *PageControl1;
    QToolButton *BtAdd;
    QToolButton *BtEdit;
    QToolButton *BtDelete;
    QToolButton *BtGrant;
    QToolButton *BtExit;
    QCheckBox *m_boxes[OperatorRights::kModuleCount] = {};
    OperatorRights::ModuleRights ModuleRights{};
    std::unique_ptr<ResultSetRows> m_operators;
};

} // namespace tarvo::gui
