#include "WordSelectionModel.h"

#include "WordListModel.h"

#include "core/catalogue/WordList.h"

namespace tarvo::gui {

WordSelectionModel::WordSelectionModel(WordList &words, WordListModel *model)
    : QItemSelectionModel(model, model)
    , m_words(words)
    , m_model(model)
{
}

void WordSelectionModel::setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    // Leaving drops an empty new row, always the last, so the index stays right.
    if (index.isValid() && !m_model->changingRows() && index.row() != m_words.current()
        && !m_words.setCurrent(index.row()))
        return;
    QItemSelectionModel::setCurrentIndex(index, command);
}

} // namespace tarvo::gui
