#pragma once

#include "BookEditBase.h"

namespace tarvo::gui {

// 图书预编: the description of a title not yet on the shelf. Any class is taken;
// leaving the ISBN box finds the publisher by the ISBN's prefix.
class TFrmBookPreDataEdit : public TFrmBookEditBase
{
    Q_OBJECT
public:
    explicit TFrmBookPreDataEdit(WindowContext &context, QWidget *parent = nullptr);

protected:
    QWidget *FirstControl() const override;
    void IsbnLeft() override;
};

} // namespace tarvo::gui
