#include "WordGridDelegate.h"

#include "WordListModel.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tarvo::gui {

QWidget *WordGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        if (const auto *words = qobject_cast<const WordListModel *>(index.model());
            words && words->maxLength(index.column()) > 0)
            line->setMaxLength(words->maxLength(index.column()));
    }
    m_editor = editor;
    return editor;
}

void WordGridDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (m_editor == editor)
        m_editor.clear();
    QStyledItemDelegate::destroyEditor(editor, index);
}

void WordGridDelegate::finishEditing()
{
    if (!m_editor)
        return;
    QWidget *editor = m_editor;
    m_editor.clear();
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool WordGridDelegate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched == m_editor) {
            finishEditing();
            emit enterPressed();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace tarvo::gui
