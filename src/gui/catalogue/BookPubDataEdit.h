#pragma once

#include "gui/framework/BaseDataEdit.h"

class QLineEdit;

namespace tarvo::gui {

// The publisher editor: the name, which never changes once saved, and the ISBN
// prefix, which belongs to one publisher only. SavedCode is the name saved last.
class TFrmBookPubDataEdit : public TFrmBaseDataEdit
{
    Q_OBJECT
public:
    explicit TFrmBookPubDataEdit(WindowContext &context, QWidget *parent = nullptr);

    QString SavedCode;

protected:
    bool CheckData() override;
    bool SaveData() override;
    void BeforeSave() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *EditCode;
    QLineEdit *EditIsbn;

private:
    // In edit mode the name is shown but not editable.
    void SetNameEditable();
    // Leaving either field of a new publisher checks the prefix at once.
    void CheckIsbnOnLeaving();
};

} // namespace tarvo::gui
