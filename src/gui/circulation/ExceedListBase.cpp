#include "ExceedListBase.h"

#include "CirculationGrid.h"
#include "ReaderDetail.h"
#include "gui/app/Guarded.h"
#include "gui/controls/DataGrid.h"

#include "core/app/AppState.h"
#include "core/framework/PagedResult.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmExceedListBase::TFrmExceedListBase(WindowContext &context, OverdueList::Items items, QWidget *parent)
    : TFrmBaseD(context, parent)
    , DBGridEh1(new DataGrid(this))
    , BtLook(new QPushButton(u"联系"_s, this))
    , BtClose(new QPushButton(u"关闭"_s, this))
    , m_items(items)
{
    // Wide enough for every column: the frame takes its size from the window.
    setMinimumSize(items == OverdueList::Items::Books ? 470 : 560, 300);
    DBGridEh1->setObjectName(u"DBGridEh1"_s);
    BtLook->setObjectName(u"BtLook"_s);
    BtClose->setObjectName(u"BtClose"_s);
    for (QPushButton *button : {BtLook, BtClose})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtLook);
    buttons->addWidget(BtClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(buttons);

    connect(BtLook, &QPushButton::clicked, this, &TFrmExceedListBase::BtLookClick);
    connect(BtClose, &QPushButton::clicked, this, &TFrmExceedListBase::close);
    connect(DBGridEh1, &DataGrid::escapePressed, this, &TFrmExceedListBase::close);
}

TFrmExceedListBase::~TFrmExceedListBase()
{
    // The grid must let go of the rows before they go.
    DBGridEh1->setRows(nullptr, {});
}

void TFrmExceedListBase::InitForm()
{
    TFrmBaseD::InitForm();
    paint(this, QColor(242, 228, 185));
    DBGridEh1->setHeaderColour(QColor(255, 216, 134));
    Guarded(prompt(), [this] {
        const OverdueList::Query q = OverdueList::overdue(m_items, state().BusinessDate);
        AdoqDest = std::make_unique<PagedResult>(db(), q.select, q.params, q.order, q.rowKey);
        DBGridEh1->setRows(AdoqDest.get(), AdoqDest->fieldNames());
        DBGridEh1->setColumns(CirculationColumns(db(), objectName(), AdoqDest->fieldNames()));
        DBGridEh1->setCurrentRow(0);
    });
}

void TFrmExceedListBase::BtLookClick()
{
    const int row = DBGridEh1->currentRow();
    if (!AdoqDest || row < 0 || row >= AdoqDest->count())
        return;
    ShowReaderDetail(context(), AdoqDest->value(row, u"Rcode"_s).toString(), this);
}

} // namespace tarvo::gui
