#pragma once

#include "BaseD.h"

#include "core/catalogue/WordList.h"

class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace tarvo::gui {

class WordGridDelegate;
class WordListModel;

// A word-list window: a button for each word table on the left, the chosen table
// edited row by row in a grid on the right (新增 F2, 保存 F3, 删除 F4, Delete asks,
// Enter walks the columns, Esc gives up the row being edited before it closes).
class TWordListWindow : public TFrmBaseD
{
    Q_OBJECT
public:
    enum class ButtonCaptions { AsWritten, Spaced };

    ~TWordListWindow() override;

    QTableView *grid() const { return DBGrid1; }
    // The word table shown.
    QString table() const { return m_words.table(); }

protected:
    // The buttons on the left are named buttonPrefix + "Exit" and buttonPrefix + each
    // table's name; Spaced captions put two spaces after their first character.
    TWordListWindow(WindowContext &context, const QList<WordList::Table> &tables,
                    const QString &buttonPrefix, ButtonCaptions captions, QWidget *parent);

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

    const QList<WordList::Table> m_tables;
    WordList m_words;
    WordListModel *m_model;
    WordGridDelegate *m_delegate;
    QButtonGroup *m_tableButtons;
    int m_table = -1;
};

} // namespace tarvo::gui
