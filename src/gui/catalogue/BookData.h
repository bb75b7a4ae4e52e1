#pragma once

#include "BookListBase.h"

namespace tarvo::gui {

// 图书编目: the catalogue of copies. A copy on loan cannot be deleted.
class TFrmBookData : public TFrmBookListBase
{
    Q_OBJECT
public:
    explicit TFrmBookData(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    bool CheckDelete() override;
    void BtAddClick() override;
    void BtEditClick() override;
};

} // namespace tarvo::gui
