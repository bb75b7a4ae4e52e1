#pragma once

#include "gui/framework/BaseD.h"

#include "core/catalogue/WordList.h"

class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace tarvo::gui {

class WordGridDelegate;
class WordListModel;

// 图书词库: the seven word tables behind the book and magazine editors' drop-down
// lists and the supplier lookup, edited one at a time in a grid.
class TFrmFirstData : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmFirstData(WindowContext &context, QWidget *parent = nullptr);
    ~TFrmFirstData() override;

    QTableView *grid() const { return DBGrid1; }

protected:
    void InitForm() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *PanelLeft;
    QLabel *PanelTitle;
    QWidget *PanelButtons;
    QTableView *DBGrid1;
    QPushButton *BtExit;
    QPushButton *BtAdd;
    QPushButton *BtSave;
    QPushButton *BtDelete;
    QMenu *PopupMenu1;

private:
    void OpenTable(int index);
    void AddRow();
    void SaveRow();
    void DeleteRow();
    void DeleteRowAsking();
    void GridEnter();
    // Puts the grid's current cell on the word list's current row.
    void ShowCurrent(int column);
    int CurrentColumn() const;

    WordList m_words;
    WordListModel *m_model;
    WordGridDelegate *m_delegate;
    QButtonGroup *m_tables;
    int m_table = -1;
};

} // namespace tarvo::gui
