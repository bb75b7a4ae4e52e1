#pragma once

#include "BaseD.h"
#include "core/framework/Lookup.h"
#include "core/framework/RowViews.h"

#include <memory>

class QLineEdit;
class QPushButton;
class QToolButton;
class QMenu;

namespace tarvo::gui {

class DataGrid;

// The lookup dialog: lists the candidates of a table, narrows them as the
// operator types, and hands the chosen row's code back. A concrete lookup is a
// LookupDefinition of the core.
class TFrmFindCode : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmFindCode(WindowContext &context, LookupDefinition definition, QWidget *parent = nullptr);
    ~TFrmFindCode() override;

    int SearchMode = 0;
    QString ResultCode; // in: a preset; out: the chosen code, empty after 退出
    QString ResultName;

    QLineEdit *searchBox() const { return Edit1; }
    DataGrid *grid() const { return DBGrid1; }

signals:
    // 增加 was pressed: the caller opens its editor; the list is read again afterwards.
    void addRequested();

protected:
    void InitForm() override;
    // However the dialog is left without choosing, nothing is chosen.
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *Panel2;
    QToolButton *TbCaption;
    QMenu *PopupMenu1;
    QLineEdit *Edit1;
    DataGrid *DBGrid1;
    QPushButton *BtConfirm;
    QPushButton *BtCancel;
    QPushButton *BtAdd;

private:
    void Narrow();
    void ChooseMode(int mode);
    void Choose();
    void Show(ResultSet rows);

    Lookup m_lookup;
    std::unique_ptr<ResultSetRows> m_rows;
};

} // namespace tarvo::gui
