#pragma once

#include <QItemSelectionModel>

namespace tarvo {
class WordList;
}

namespace tarvo::gui {

class WordListModel;

// The current cell of a word grid. Moving to another row leaves the word list's
// current row first; when the list refuses (a word it cannot post), the cell stays.
class WordSelectionModel : public QItemSelectionModel
{
    Q_OBJECT
public:
    WordSelectionModel(WordList &words, WordListModel *model);

    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;

private:
    WordList &m_words;
    WordListModel *m_model;
};

} // namespace tarvo::gui
