#pragma once

#include "BaseD.h"

#include <memory>

class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace tarvo {
class PagedResult;
}

namespace tarvo::gui {

class DataGrid;

// The list window over one table: browse, add, edit, delete, find, print, export,
// the stored column layout and sorting by a title click. A concrete list window
// gives its statement, its edit dialog and its rules through the hooks below.
class TMDIBaseData : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TMDIBaseData(WindowContext &context, QWidget *parent = nullptr);
    ~TMDIBaseData() override;

    QString TableCode;
    QString KeyField;
    QString ReportFile;
    QString HelpTopic;
    QString CurrentKey;
    QString SortField;
    // The table whose rows the list deletes, and the field that finds them.
    QString DataTable;
    QString DeleteKeyField = QStringLiteral("Code");

    DataGrid *grid() const { return DBGrid1; }
    PagedResult *data() const { return ADOqData.get(); }

protected:
    // Loads the column layout. Without a layout the set-up stops here, silently:
    // descendants check SetUpStopped() after calling it.
    void InitForm() override;
    bool SetUpStopped() const { return m_setUpStopped; }
    // False, after the descendant's own message, when the current row may not go.
    virtual bool CheckDelete() { return true; }
    // Deletes the rows that go with the current one, inside the delete's transaction.
    virtual void BeforeDelete() {}

    // Opens the listed rows: a statement without ORDER BY, its own order, and the
    // row key that makes sorting cheap.
    void OpenData(const QString &select, const QVariantList &params, const QString &order,
                  const QString &rowKey = QString());
    // Reads the rows again and returns to the row whose field holds the value.
    void Requery(const QString &field = QString(), const QVariant &value = QVariant());
    // The value of a field in the current row.
    QVariant CurrentValue(const QString &field) const;
    // Shows the list's edit dialog for a new record (1) or the current row (2), then
    // returns to the record the dialog saved last (its SavedCode), or to the row it was on.
    template <class Dialog> void RunEditDialog(int editMode, const QString &keyField)
    {
        CurrentKey = CurrentValue(keyField).toString();
        Dialog dialog(context(), this);
        dialog.EditMode = editMode;
        if (editMode == 2) {
            dialog.KeyField = keyField;
            dialog.KeyValue = CurrentKey;
        }
        dialog.exec();
        if (!dialog.SavedCode.isEmpty())
            CurrentKey = dialog.SavedCode;
        Requery(keyField, CurrentKey);
    }

    virtual void BtAddClick();
    virtual void BtEditClick();
    virtual void BtDeleteClick();
    virtual void BtFindClick() {}

    QLabel *Panel2;
    QWidget *Panel1;
    DataGrid *DBGrid1;
    QWidget *Panel3;
    QToolBar *ToolBar1;
    QToolButton *BtHelp;
    QToolButton *BtAdd;
    QToolButton *BtEdit;
    QToolButton *BtDelete;
    QToolButton *BtFind;
    QToolButton *BtPrint;
    QToolButton *BtInterface;
    QToolButton *BtExit;
    QMenu *PopupMenu1;
    QMenu *PopupMenu2;

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void LoadColumns();
    void TitleClick(int column);
    void SaveLayout();
    void ShowLayoutDialog();
    void ShowHelpTopic();

    std::unique_ptr<PagedResult> ADOqData;
    bool m_setUpStopped = false;
};

} // namespace tarvo::gui
