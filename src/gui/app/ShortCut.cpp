#include "ShortCut.h"

#include "gui/controls/Colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmShortCut::TFrmShortCut(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
{
    setObjectName(u"FrmShortCut"_s);
    setWindowTitle(u"快捷键提示"_s);
    paint(this, Colours::QueryPanel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    for (const QString &line : {u" 图书编目 Ctrl+F2   期刊编目 Ctrl+F3  读者管理 Ctrl+F4 "_s,
                                u"借还图书 Ctrl+F5   借还期刊 Ctrl+F6  借阅查询 Ctrl+F7"_s}) {
        auto *label = new QLabel(line, this);
        QFont font = label->font();
        font.setPointSize(font.pointSize() + 1);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto *ok = new QPushButton(u"确定"_s, this);
    ok->setObjectName(u"BtOk"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    connect(ok, &QPushButton::clicked, this, &TFrmShortCut::accept);
}

} // namespace tarvo::gui
