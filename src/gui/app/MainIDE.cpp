#include "MainIDE.h"

#include <QCloseEvent>
#include <QPainter>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

const QSize kSize(716, 509);

// Places on the background picture: three stations of the work, and the quick
// row under them.
constexpr int kRow1 = 134;
constexpr int kRow2 = 238;
constexpr int kButton = 92;
constexpr int kQuickTop = 418;

} // namespace

TFrmMainIDE::TFrmMainIDE(WindowContext &, QWidget *parent)
    : QWidget(parent)
    , m_background(u":/images/navigator.png"_s)
{
    setObjectName(u"FrmMainIDE"_s);
    setWindowTitle(u"导航"_s);
    setFixedSize(kSize);
    setStyleSheet(u"QToolButton { border: none; border-radius: 10px; padding: 4px; color: #1d3b53; }"
                  "QToolButton:hover { background: rgba(23, 94, 114, 26); }"
                  "QToolButton:pressed { background: rgba(23, 94, 114, 52); }"
                  "QToolButton:disabled { color: #a3acb4; }"
                  "QToolButton#QuickBook, QToolButton#QuickMagz { background: rgba(255, 255, 255, 150);"
                  " border: 1px solid #c9d6df; border-radius: 16px; padding: 4px 14px; }"
                  "QToolButton#QuickBook:hover, QToolButton#QuickMagz:hover { background: #ffffff;"
                  " border-color: #2a8a8c; }"_s);

    const auto big = [this](const QString &command, const QString &caption, const QString &icon, int x, int y) {
        addButton(command, caption, icon, QRect(x, y, kButton, kButton), Qt::ToolButtonTextUnderIcon);
    };
    // 编目入库
    big(u"NBookData"_s, u"图书编目"_s, u"book-catalogue"_s, 26, kRow1);
    big(u"NMagzData"_s, u"期刊编目"_s, u"magz-catalogue"_s, 128, kRow1);
    big(u"NSortSet"_s, u"图书分类"_s, u"classification"_s, 77, kRow2);
    // 读者流通
    big(u"NReaderData"_s, u"读者管理"_s, u"readers"_s, 312, kRow1);
    big(u"NBorrowBill"_s, u"借还图书"_s, u"book-circulation"_s, 261, kRow2);
    big(u"NBorrowBill1"_s, u"借还期刊"_s, u"magz-circulation"_s, 363, kRow2);
    // 查询统计
    big(u"NQryBorrow"_s, u"图书借阅"_s, u"book-query"_s, 496, kRow1);
    big(u"NQryBorrowList"_s, u"图书逾期"_s, u"book-overdue"_s, 598, kRow1);
    big(u"NQryBorrow1"_s, u"期刊借阅"_s, u"magz-query"_s, 496, kRow2);
    big(u"NQryBorrowList1"_s, u"期刊逾期"_s, u"magz-overdue"_s, 598, kRow2);
    // 快捷入口
    addButton(u"NBookData"_s, u"图书编目  Ctrl+F2"_s, u"book-catalogue"_s, QRect(36, kQuickTop, 196, 42),
              Qt::ToolButtonTextBesideIcon)
        ->setObjectName(u"QuickBook"_s);
    addButton(u"NMagzData"_s, u"期刊编目  Ctrl+F3"_s, u"magz-catalogue"_s, QRect(246, kQuickTop, 196, 42),
              Qt::ToolButtonTextBesideIcon)
        ->setObjectName(u"QuickMagz"_s);
}

QToolButton *TFrmMainIDE::addButton(const QString &command, const QString &caption, const QString &icon,
                                    const QRect &place, Qt::ToolButtonStyle style)
{
    auto *button = new QToolButton(this);
    button->setObjectName(u"Sbt"_s + command.mid(1));
    button->setText(caption);
    button->setToolTip(caption);
    button->setIcon(QIcon(u":/images/nav-%1.png"_s.arg(icon)));
    button->setIconSize(style == Qt::ToolButtonTextUnderIcon ? QSize(52, 52) : QSize(26, 26));
    button->setToolButtonStyle(style);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(place);
    connect(button, &QToolButton::clicked, this, [this, command] { emit commandClicked(command); });
    m_buttons.insert(command, button);
    return button;
}

void TFrmMainIDE::setEnabledCommands(const std::function<bool(const QString &)> &enabled)
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setEnabled(enabled(it.key()));
}

QList<QToolButton *> TFrmMainIDE::buttonsOf(const QString &command) const
{
    return m_buttons.values(command);
}

void TFrmMainIDE::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}

void TFrmMainIDE::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

} // namespace tarvo::gui
