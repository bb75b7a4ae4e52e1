#include "BaseD.h"

#include <QIcon>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBaseD::TFrmBaseD(WindowContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    setWindowIcon(QIcon(u":/images/tarvo.png"_s));
}

void TFrmBaseD::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_initialised) {
        m_initialised = true;
        InitForm();
    }
}

void TFrmBaseD::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrmBaseD::paint(QWidget *widget, const QColor &colour)
{
    // Tool bars draw their own background through the style; only a style sheet colours them.
    if (widget->inherits("QToolBar")) {
        widget->setStyleSheet(u"QToolBar { background: %1; border: none; }"_s.arg(colour.name()));
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace tarvo::gui
