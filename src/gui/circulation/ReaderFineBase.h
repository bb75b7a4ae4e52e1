#pragma once

#include "core/circulation/FineDesk.h"
#include "gui/framework/BaseD.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tarvo {
class ResultSetRows;
}

namespace tarvo::gui {

class DataGrid;

// 罚款管理: pick a reader, double-click one of the reader's unpaid fines, waive
// days if need be and collect. The book and the magazine windows differ only in
// their loan table and a few captions.
class TFrmReaderFineBase : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmReaderFineBase(WindowContext &context, FineDesk::Items items, const QString &formName,
                       QWidget *parent = nullptr);
    ~TFrmReaderFineBase() override;

    DataGrid *grid() const { return DBGridEh1; }

protected:
    void InitForm() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QWidget *Panel3;
    QLineEdit *EditCode;
    QToolButton *SbtReader;
    QLineEdit *EditName;
    QLineEdit *EditSax;
    QLineEdit *EditSortcode;
    QLineEdit *EditTel;
    QLineEdit *EditDept;
    DataGrid *DBGridEh1;
    QLineEdit *EditBCode;
    QLineEdit *EditBName;
    QLineEdit *Edityear = nullptr; // magazines only
    QLineEdit *EditNo = nullptr;   // magazines only
    QLineEdit *EditExceedDay;
    QLineEdit *Editprice;
    QLineEdit *EditExceedFund;
    QLineEdit *EditMinDay;
    QLineEdit *EditMinFund;
    QLineEdit *EditRealFund;
    QLineEdit *EditTotal;
    QPushButton *BtSave;
    QPushButton *BtCancel;

private:
    void EditCodeReturn();
    void SbtReaderClick();
    void LoadReader(const QString &code);
    void DBGridEh1DblClick(int row);
    // Applies a changed deduction; false when it was refused.
    bool EditMinDayExit();
    void BtSaveClick();
    void ShowFines();
    void ShowSelection();

    FineDesk m_desk;
    std::unique_ptr<ResultSetRows> m_rows;
    bool m_applying = false;
};

} // namespace tarvo::gui
