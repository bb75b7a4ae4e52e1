#pragma once

#include "core/app/DataUpgrade.h"
#include "core/app/Parameters.h"
#include "gui/framework/BaseD.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace tarvo::gui {

// 系统设置: the library's name and contacts, fines and warnings; and two tools, the
// input codes of names that lack them and the upgrade from an older database file.
class TFrmParameter : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmParameter(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;

private:
    QWidget *BasicPage();
    QWidget *OtherPage();
    QWidget *UpgradePage();
    void ShowRow();
    void TakeInput();
    void BtOkClick();
    void BtMakeCodesClick();
    void BtPickClick();
    void BtUpgradeClick();
    void ShowProgress(qint64 done, qint64 total);

    AcctInfoRow m_row;
    DataUpgrade m_upgrade;
    QTabWidget *PageControl1;
    QLineEdit *EditCorpName;
    QLineEdit *EditTel;
    QLineEdit *EditFax;
    QLineEdit *EditAddr;
    QLineEdit *EditRemarks;
    QCheckBox *CheckIfFine;
    QDoubleSpinBox *EditPerFine;
    QDoubleSpinBox *EditPerFine1;
    QCheckBox *CheckIfExcced;
    QCheckBox *CheckIfrepeat;
    QSpinBox *EditInDay;
    QCheckBox *CheckBooks;
    QCheckBox *CheckMagazines;
    QCheckBox *CheckReaders;
    QLineEdit *EditPath;
    QProgressBar *ProgressBar1;
    QPushButton *BtOk;
    QPushButton *BtCancel;
};

} // namespace tarvo::gui
