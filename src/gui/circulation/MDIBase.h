#pragma once

#include "core/circulation/BorrowDesk.h"
#include "gui/framework/BaseD.h"

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QToolBar;
class QToolButton;

namespace tarvo::gui {

class DataGrid;
class LoanGridRows;

// The circulation desk window: the reader panel, the item box, the grid of the
// visit and the three modes. It shows the desk's state and hands it the operator's
// input; the descendant names its items, its lookup, the reservation window and
// the due-date dialog.
class TMDIBase : public TFrmBaseD
{
    Q_OBJECT
public:
    TMDIBase(WindowContext &context, BorrowDeskTables tables, QWidget *parent = nullptr);
    ~TMDIBase() override;

    QString HelpTopic;
    QString TableCode;
    QString KeyField;

    const BorrowDesk &desk() const { return m_desk; }
    DataGrid *grid() const { return DBGrid1; }

protected:
    void InitForm() override;
    // F9, F10, F11: the desk starts empty in the mode, with the mode's columns.
    virtual void SetMode(BorrowDesk::Mode mode);
    void SetGridColumns(const QString &code);
    void LoadReader();
    void EditRCodeExit();
    void AddDetail();
    void BtSaveClick();
    void BtClearClick();
    void N1Click();
    void DeleteKey();
    void DBGrid1DblClick(int row);
    void SbtReaderClick();
    void SbtBookClick();
    void SbtDestClick();
    void SbtReaderinfoClick();
    void BtInterfaceClick();
    // Shows the desk: reader panel, counters and rows.
    void ShowDesk();

    // The item lookup; the chosen number or empty.
    virtual QString PickItem() = 0;
    // The reservation window over the rows of the query, modally.
    virtual void ShowReservations(const ReservationList::Query &query) = 0;
    // The due-date dialog preset with the row's date.
    virtual std::optional<QDate> ChooseDueDate(const QDate &current) = 0;

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QToolBar *Panel5;
    QToolButton *BtSave;
    QToolButton *BtClear;
    QToolButton *BtExit;
    QToolButton *SbtDest;
    QToolButton *SbtReaderinfo;
    QToolButton *BtInterface;
    QToolButton *BtHelp;
    QWidget *Panel2;
    QRadioButton *Rb1;
    QRadioButton *Rb2;
    QRadioButton *Rb3;
    QWidget *Panel1;
    QLineEdit *EditRCode;
    QToolButton *SbtReader;
    QLabel *LabelBCode;
    QLineEdit *EditBCode;
    QToolButton *SbtBook;
    QLabel *LabelNote;
    QLineEdit *EditRName;
    QLineEdit *EditRsort;
    QLineEdit *EditDept;
    QLineEdit *EditCeQty;
    QLineEdit *EditBeQty;
    QLineEdit *EditDepo;
    QLabel *Image1;
    DataGrid *DBGrid1;
    QMenu *PopupMenu1;
    QAction *N1;
    QWidget *Panel6;
    QLabel *Label6;
    QLineEdit *EditQty;
    QLabel *Label7;
    QAction *AtBorrow;
    QAction *AtRenew;
    QAction *AtReturn;

private:
    void ShowReader();
    void ShowRows();

    BorrowDesk m_desk;
    std::unique_ptr<LoanGridRows> m_rows;
};

} // namespace tarvo::gui
