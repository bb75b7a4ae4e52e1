#pragma once

#include "gui/framework/MDIBaseData.h"

class QLineEdit;
class QPushButton;
class QToolButton;

namespace tarvo {
class SqlCondition;
}

namespace tarvo::gui {

// 读者管理: the readers, found by number, name or the name's initials, or through
// the search dialog; a reader goes together with its loan history.
class TFrmReaderData : public TMDIBaseData
{
    Q_OBJECT
public:
    explicit TFrmReaderData(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    void BtAddClick() override;
    void BtEditClick() override;
    void BtDeleteClick() override;
    void BtFindClick() override;

    QLineEdit *Editcode;
    QPushButton *SbtFind;
    QPushButton *SBtCard;
    QLineEdit *EditQty;
    QToolButton *BtExcel;

private:
    void SbtFindClick();
    // 打印借书证 for the readers as listed and sorted now.
    void SBtCardClick();
    void Open(const SqlCondition &condition);
    // Runs the editor and returns to the reader it saved last, else to the current one.
    void RunEditor(int editMode);
    void ShowCount();
};

} // namespace tarvo::gui
