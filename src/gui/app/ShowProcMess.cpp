#include "ShowProcMess.h"

#include "gui/controls/Colours.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmShowProcMess::TFrmShowProcMess(const QString &text, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , LabMess(new QLabel(text, this))
    , ProgressBar1(new QProgressBar(this))
{
    setObjectName(u"FrmShowProcMess"_s);
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Colours::QueryPanel);
    setPalette(palette);
    QFont font = LabMess->font();
    font.setBold(true);
    LabMess->setFont(font);
    LabMess->setAlignment(Qt::AlignCenter);
    ProgressBar1->setRange(0, 100);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(LabMess);
    layout->addWidget(ProgressBar1);
    setFixedSize(360, 100);
    if (parent)
        move(parent->geometry().center() - rect().center());
}

void TFrmShowProcMess::setProgress(int percent)
{
    ProgressBar1->setValue(percent);
}

} // namespace tarvo::gui
