#pragma once

#include "gui/framework/BaseD.h"

namespace tarvo::gui {

// 快捷键提示: the keys of the most used commands.
class TFrmShortCut : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmShortCut(WindowContext &context, QWidget *parent = nullptr);
};

} // namespace tarvo::gui
