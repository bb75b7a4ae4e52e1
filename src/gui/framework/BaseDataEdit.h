#pragma once

#include "BaseD.h"
#include "core/framework/EditRecord.h"

#include <memory>

class QLineEdit;
class QPushButton;

namespace tarvo::gui {

// The modal dialog that adds or edits one record of a table. A concrete dialog
// names its table, puts its controls on Panel1 bound to fields, and gives its
// checks and derived fields through the hooks; the base saves in one transaction.
class TFrmBaseDataEdit : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmBaseDataEdit(WindowContext &context, const QString &table, QWidget *parent = nullptr);

    int EditMode = 1; // 1 add, 2 edit
    QString KeyField;
    QString KeyValue;

    EditRecord &AdoqEdit() { return *m_record; }

protected:
    void InitForm() override;
    // False, after the dialog's own message, when the input may not be saved.
    virtual bool CheckData() { return true; }
    // Saves the record: CheckData, then BeforeSave and the write in one transaction.
    virtual bool SaveData();
    // Fills derived fields (and writes side rows) just before the record is written.
    virtual void BeforeSave() {}

    // Binds a control on Panel1 to a field of the record.
    void Bind(QWidget *control, const QString &field);
    // A lookup's result (empty: nothing chosen) into a box and its field; the focus
    // goes back to the box either way.
    void TakeLookupResult(QLineEdit *box, const QString &field, const QString &result);
    // Copies the record into the controls, and the controls into the record.
    void ShowRecord();
    void TakeInput();

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    QWidget *Panel1;
    QPushButton *BtSaveAdd;
    QPushButton *BtSaveExit;
    QPushButton *BtCancelExit;

private:
    void StartRecord();

    std::unique_ptr<EditRecord> m_record;
    QList<std::pair<QWidget *, QString>> m_bindings;
};

} // namespace tarvo::gui
