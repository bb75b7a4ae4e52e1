#pragma once

#include "ReaderFineBase.h"

namespace tarvo::gui {

// 罚款管理 for books (menu 图书罚款).
class TFrmReaderFine : public TFrmReaderFineBase
{
    Q_OBJECT
public:
    explicit TFrmReaderFine(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
