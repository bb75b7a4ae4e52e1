#pragma once

#include "core/catalogue/BookTable.h"
#include "gui/framework/BaseDataEdit.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace tarvo::gui {

// What the two book editors share: the description of a title with its class,
// publisher, word-list drop-downs, prices and memos, numbering within the class
// for a new record, the publisher found by ISBN, and "新增时是否复制上一本书信息".
// The catalogue editor adds the copy's number and circulation; the pre-catalogue
// editor is the description alone.
class TFrmBookEditBase : public TFrmBaseDataEdit
{
    Q_OBJECT
public:
    TFrmBookEditBase(WindowContext &context, BookTable table, QWidget *parent = nullptr);

    qint64 RecordId = 0; // the row to edit, in edit mode
    QString SavedId;     // the row saved last; empty until a save

protected:
    void showEvent(QShowEvent *event) override;
    bool CheckData() override;
    void BeforeSave() override;
    bool SaveData() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The control a new or loaded record starts in.
    virtual QWidget *FirstControl() const = 0;
    // Runs when the record shown has changed: a new, loaded or copied record.
    virtual void ShowRest();
    // Enter in the ISBN box; the base moves on only.
    virtual void IsbnEntered() {}
    // Leaving the ISBN box.
    virtual void IsbnLeft() {}

    // Takes what the boxes hold, changes the record and shows it again.
    template <class Change> void ChangeRecord(Change change)
    {
        TakeInput();
        change(AdoqEdit());
        ShowRecord();
        ShowRest();
    }
    void FindPublisherByIsbn();
    // Tab and Enter walk the fields in the order of the form, from first (the copy's
    // number, where there is one) to the buttons.
    void SetTabChain(QWidget *first);
    BookTable Table() const { return m_table; }

    QGroupBox *Group1;
    QGridLayout *Grid1; // its first row's left half is left for the copy's number
    QGroupBox *Group2;
    QHBoxLayout *Options; // the bottom row: options of the editor
    QLineEdit *EditCodeSet;
    QLineEdit *EditIsbn;
    QLabel *LbIsbnWarning;
    QLineEdit *EditSort;
    QToolButton *BtSort;
    QLineEdit *EditSortNum;
    QLineEdit *EditScode;
    QLineEdit *EditName;
    QLineEdit *EditYName;
    QLineEdit *EditPublisher;
    QToolButton *BtPublisher;
    QLineEdit *EditWriter;
    QLineEdit *EditTranslator;
    QComboBox *CmbPosi;
    QComboBox *CmbLang;
    QComboBox *CmbPrint;
    QComboBox *CmbSize;
    QComboBox *CmbGrade;
    QComboBox *CmbAttach;
    QLineEdit *EditPubDate;
    QDateEdit *EditRegDate;
    QLineEdit *EditPrice;
    QLineEdit *EditAvePrice;
    QLineEdit *EditPage;
    QLineEdit *EditPubNum;
    QComboBox *CmbLimit;
    QLineEdit *EditSupplier;
    QToolButton *BtSupplier;
    QPlainTextEdit *MemoRemarks;
    QPlainTextEdit *MemoRemarks1;
    QCheckBox *ChkCopy;

private:
    void BuildForm();
    void FillDropDowns();
    void ChooseSort();
    void ChoosePublisher();
    void ChooseSupplier();
    void EditMemo(QPlainTextEdit *memo, const QString &caption);
    void SortLeft();
    void AfterSaveAdd();

    BookTable m_table;
};

} // namespace tarvo::gui
