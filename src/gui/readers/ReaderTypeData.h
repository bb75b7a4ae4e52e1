#pragma once

#include "gui/framework/MDIBaseData.h"

namespace tarvo::gui {

// 读者类别: the reader types with their loan limits (读者类别 in the menu).
class TFrmReaderTypeData : public TMDIBaseData
{
    Q_OBJECT
public:
    explicit TFrmReaderTypeData(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    bool CheckDelete() override;
    void BtAddClick() override;
    void BtEditClick() override;

private:
    // Runs the editor and returns to the type it saved last, else to the current one.
    void RunEditor(int editMode);
};

} // namespace tarvo::gui
