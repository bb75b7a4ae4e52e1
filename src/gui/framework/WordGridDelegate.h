#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace tarvo::gui {

// Cell editing in a word grid: an editor no longer than the field, Enter that hands
// the typed word over at once and lets the window walk on, and a way for the
// window's keys to finish an edit before they act.
class WordGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    // Hands the open editor's text to the model and closes it.
    void finishEditing();

signals:
    void enterPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    mutable QPointer<QWidget> m_editor;
};

} // namespace tarvo::gui
