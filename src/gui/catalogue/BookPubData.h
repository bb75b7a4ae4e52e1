#pragma once

#include "gui/framework/MDIBaseData.h"

class QLineEdit;
class QPushButton;

namespace tarvo::gui {

// 出版社: the publishers with their ISBN prefixes, by prefix, with a quick search by
// name, prefix or the name's initials (出版社设置).
class TFrmBookPubData : public TMDIBaseData
{
    Q_OBJECT
public:
    explicit TFrmBookPubData(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    bool CheckDelete() override;
    void BtAddClick() override;
    void BtEditClick() override;
    void BtFindClick() override;

    QLineEdit *EditFind;
    QPushButton *BtQuery;

private:
    void Search();
    // Runs the editor and returns to the publisher it saved last, else to the current one.
    void RunEditor(int editMode);
};

} // namespace tarvo::gui
