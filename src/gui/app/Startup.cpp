#include "Startup.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmStartup::TFrmStartup(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(u":/images/splash.png"_s)
{
    setObjectName(u"FrmStartup"_s);
    setFixedSize(588, 397);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrmStartup::showFor(int milliseconds)
{
    show();
    raise();
    repaint();
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    // Paint requests are served, but nothing the operator does reaches the program yet.
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    hide();
}

void TFrmStartup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(rect(), m_picture);
}

} // namespace tarvo::gui
