#pragma once

#include "gui/framework/BaseDataEdit.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QToolButton;

namespace tarvo::gui {

// 读者信息: one reader's record with the photo; the loan counters are shown, never
// written, since the circulation desks keep them.
class TFrmReaderDataEdit : public TFrmBaseDataEdit
{
    Q_OBJECT
public:
    explicit TFrmReaderDataEdit(WindowContext &context, QWidget *parent = nullptr);

    QString OldCode;   // the number when the number box was last entered
    QString PhotoFile; // the photo linked in this opening, empty after 取消
    QString SavedCode; // the reader saved last, for the list to return to

protected:
    bool CheckData() override;
    void BeforeSave() override;
    bool SaveData() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *EditCode;
    QLineEdit *EditName;
    QLineEdit *EditSort;
    QToolButton *SpeedButton1;
    QComboBox *CmbSax;
    QLineEdit *EditTelDay;
    QLineEdit *EditTelNight;
    QLineEdit *EditHandTel;
    QLineEdit *EditCardId;
    QLineEdit *EditBornDate;
    QComboBox *CmbDept;
    QDateEdit *EditRegDate;
    QLineEdit *EditAddr;
    QLineEdit *EditEmail;
    QLineEdit *EditRemarks;
    QLineEdit *EditDepoSum;
    QCheckBox *ChkIsstop;
    QList<std::pair<QLineEdit *, QString>> Counters;
    QLabel *Image1;
    QToolButton *SBtIn;
    QToolButton *SpeedButton2;

private:
    // What the bound controls do not show: sex left open, counters and photo.
    void ShowRest();
    void ShowPhoto();
    void EditCodeExit();
    void EditSortExit();
    void ChooseSort();
    void LinkPhoto();
    void RemovePhoto();
};

} // namespace tarvo::gui
