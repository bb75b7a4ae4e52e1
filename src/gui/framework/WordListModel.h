#pragma once

#include "core/catalogue/WordList.h"
#include "core/framework/GridData.h"

#include <QAbstractTableModel>

namespace tarvo::gui {

// A word table as an editable grid: the columns of its stored layout over the rows
// of the core word list, which it follows and does not own.
class WordListModel : public QAbstractTableModel, private WordList::Listener
{
    Q_OBJECT
public:
    explicit WordListModel(WordList &words, QObject *parent = nullptr);
    ~WordListModel() override;

    void setColumns(const QList<GridColumn> &columns);
    // The field each column shows, left to right.
    QStringList fields() const;
    int maxLength(int column) const;
    // True while rows come or go: the view moves its current cell on its own then,
    // and the word list must not be asked to leave a row it is changing.
    bool changingRows() const { return m_changing; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    void aboutToBeReset() override;
    void reset() override;
    void rowAboutToBeAdded(int row) override;
    void rowAdded() override;
    void rowAboutToBeRemoved(int row) override;
    void rowRemoved() override;
    void rowChanged(int row) override;

    WordList &m_words;
    QList<GridColumn> m_columns;
    bool m_changing = false;
};

} // namespace tarvo::gui
