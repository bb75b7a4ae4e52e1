#pragma once

#include "BookListBase.h"

class QCheckBox;

namespace tarvo::gui {

// 图书预编: descriptions of titles not yet on the shelf: entered by hand or read
// from a MARC file, transferred to the catalogue under a barcode number (转库),
// and deleted in bulk as the last search found them.
class TFrmBookPreData : public TFrmBookListBase
{
    Q_OBJECT
public:
    explicit TFrmBookPreData(WindowContext &context, QWidget *parent = nullptr);

protected:
    void InitForm() override;
    void BtAddClick() override;
    void BtEditClick() override;

    QToolButton *BtMarc;
    QToolButton *BtTransfer;
    QCheckBox *ChkKeep;
    QToolButton *BtBulkDelete;

private:
    void MarcImport();
    void Transfer();
    void BulkDelete();
};

} // namespace tarvo::gui
