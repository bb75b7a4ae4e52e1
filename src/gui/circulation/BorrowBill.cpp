#include "BorrowBill.h"

#include "BookDest.h"
#include "FindHuanDate.h"
#include "gui/catalogue/FindBook.h"
#include "gui/controls/DataGrid.h"

#include "core/app/Helpers.h"

#include <QLabel>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBorrowBill::TFrmBorrowBill(WindowContext &context, QWidget *parent)
    : TMDIBase(context, BorrowDeskTables::books(), parent)
{
    setObjectName(u"FrmBorrowBill"_s);
    setWindowTitle(u"借还图书"_s);
}

void TFrmBorrowBill::InitForm()
{
    TMDIBase::InitForm();
    Label6->setText(u"本次借书:"_s);
    BtSave->setText(u"确定借书(F2/Enter)"_s);
    BtSave->setToolTip(u"确定借出图书,快捷键F2"_s);
    DBGrid1->setToolTip(u"双击记录,修改还书日!"_s);
}

void TFrmBorrowBill::SetMode(BorrowDesk::Mode mode)
{
    TMDIBase::SetMode(mode);
    switch (mode) {
    case BorrowDesk::Mode::Borrow:
        Label6->setText(u"本次借书:"_s);
        BtSave->setText(u"确定借书(F2/ENTER)"_s);
        DBGrid1->setToolTip(u"双击记录,修改还书日!"_s);
        break;
    case BorrowDesk::Mode::Renew:
        Label6->setText(u"本次续借:"_s);
        BtSave->setText(u"确定续借(F2/ENTER)"_s);
        DBGrid1->setToolTip(u"双击记录,续借此书!"_s);
        break;
    case BorrowDesk::Mode::Return:
        Label6->setText(u"本次还书:"_s);
        BtSave->setText(u"确定还书(F2/ENTER)"_s);
        DBGrid1->setToolTip(u"双击记录,归还此书!"_s);
        break;
    }
}

QString TFrmBorrowBill::PickItem()
{
    TFrmFindBook lookup(context(), this);
    lookup.exec();
    return lookup.ResultCode;
}

void TFrmBorrowBill::ShowReservations(const ReservationList::Query &query)
{
    TFrmBookDest window(context(), this);
    window.SetQuery(query);
    window.exec();
}

std::optional<QDate> TFrmBorrowBill::ChooseDueDate(const QDate &current)
{
    TFrmFindHuanDate dialog(context(), this);
    dialog.DueDateText = dateText(current);
    dialog.exec();
    return dateFromText(dialog.DueDateText);
}

} // namespace tarvo::gui
