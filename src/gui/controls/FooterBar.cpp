#include "FooterBar.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace tarvo::gui {

FooterBar::FooterBar(QTableView *view, QWidget *parent)
    : QWidget(parent)
    , m_view(view)
{
    setFixedHeight(fontMetrics().height() + 8);
    const auto repaintMe = [this] { update(); };
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, repaintMe);
    connect(view->horizontalHeader(), &QHeaderView::sectionMoved, this, repaintMe);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaintMe);
    hide();
}

void FooterBar::setTexts(const QStringList &texts)
{
    m_texts = texts;
    setVisible(!texts.isEmpty());
    update();
}

void FooterBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().topLeft(), rect().topRight());
    painter.setPen(palette().color(QPalette::WindowText));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const QHeaderView *header = m_view->horizontalHeader();
    // The footer is the view's sibling: line it up through screen positions.
    const int left = mapFromGlobal(m_view->viewport()->mapToGlobal(QPoint(0, 0))).x();
    for (int column = 0; column < m_texts.size(); ++column) {
        if (header->isSectionHidden(column) || m_texts.at(column).isEmpty())
            continue;
        const QRect cell(left + header->sectionViewportPosition(column), 0, header->sectionSize(column), height());
        painter.drawText(cell.adjusted(3, 0, -4, 0), Qt::AlignVCenter | Qt::AlignRight, m_texts.at(column));
    }
}

} // namespace tarvo::gui
