#pragma once

#include "ReaderFineBase.h"

namespace tarvo::gui {

// 罚款管理 for magazines (menu 期刊罚款).
class TFrmReaderFine1 : public TFrmReaderFineBase
{
    Q_OBJECT
public:
    explicit TFrmReaderFine1(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
