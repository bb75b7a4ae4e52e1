#pragma once

#include <QStringList>
#include <QWidget>

class QTableView;

namespace tarvo::gui {

// A row of texts under a table view's columns, following their widths, order and
// horizontal scrolling.
class FooterBar : public QWidget
{
    Q_OBJECT
public:
    explicit FooterBar(QTableView *view, QWidget *parent = nullptr);

    void setTexts(const QStringList &texts);
    const QStringList &texts() const { return m_texts; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTableView *m_view;
    QStringList m_texts;
};

} // namespace tarvo::gui
