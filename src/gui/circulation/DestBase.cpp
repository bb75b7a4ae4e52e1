#include "DestBase.h"

#include "CirculationGrid.h"
#include "ReaderDetail.h"
#include "gui/app/Guarded.h"
#include "gui/controls/DataGrid.h"

#include "core/db/Database.h"
#include "core/framework/RowViews.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmDestBase::TFrmDestBase(WindowContext &context, ReservationList::Items items, const QString &formName,
                           QWidget *parent)
    : TFrmBaseD(context, parent)
    , EditCode(new QLineEdit(this))
    , DBGridEh1(new DataGrid(this))
    , BtDelete(new QPushButton(u"删除记录"_s, this))
    , BtClose(new QPushButton(u"关闭"_s, this))
    , BtLook(new QPushButton(u"联系信息"_s, this))
    , m_items(items)
{
    const bool books = items == ReservationList::Items::Books;
    // The form name finds the grid's layout.
    setObjectName(formName);
    setWindowTitle(u"预约记录"_s);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(books ? 560 : 650, 360);
    EditCode->setObjectName(u"EditCode"_s);
    const QString hint = books ? u"输入图书编号/名称,回车!"_s : u"输入期刊编号/名称,回车!"_s;
    EditCode->setToolTip(hint);
    EditCode->setPlaceholderText(hint);
    DBGridEh1->setObjectName(u"DBGridEh1"_s);
    BtDelete->setObjectName(u"BtDelete"_s);
    BtClose->setObjectName(u"BtClose"_s);
    BtLook->setObjectName(u"BtLook"_s);
    for (QPushButton *button : {BtDelete, BtClose, BtLook})
        button->setAutoDefault(false);

    auto *search = new QHBoxLayout;
    search->addWidget(new QLabel(books ? u"图书编号\\名称"_s : u"期刊编号\\名称"_s, this));
    search->addWidget(EditCode, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtDelete);
    buttons->addWidget(BtLook);
    buttons->addWidget(BtClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(search);
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(buttons);

    connect(EditCode, &QLineEdit::returnPressed, this, &TFrmDestBase::EditCodeReturn);
    connect(BtDelete, &QPushButton::clicked, this, &TFrmDestBase::BtDeleteClick);
    connect(BtLook, &QPushButton::clicked, this, &TFrmDestBase::BtLookClick);
    connect(DBGridEh1, &DataGrid::rowActivated, this, &TFrmDestBase::BtLookClick);
    connect(BtClose, &QPushButton::clicked, this, &TFrmDestBase::close);

    SetQuery(ReservationList::all(items));
}

TFrmDestBase::~TFrmDestBase()
{
    DBGridEh1->setRows(nullptr, {});
}

void TFrmDestBase::InitForm()
{
    TFrmBaseD::InitForm();
    paint(this, QColor(242, 228, 185));
    DBGridEh1->setHeaderColour(QColor(255, 216, 134));
}

void TFrmDestBase::SetQuery(const ReservationList::Query &query)
{
    Guarded(prompt(), [&] {
        auto rows = std::make_unique<ResultSetRows>(db().query(query.select, query.params));
        const QStringList fields = rows->result().fieldNames();
        DBGridEh1->setRows(rows.get(), fields);
        if (!AdoqDest) {
            DBGridEh1->setColumns(CirculationColumns(db(), objectName(), fields));
            DBGridEh1->setCurrentRow(0);
        }
        AdoqDest = std::move(rows);
    });
}

int TFrmDestBase::currentRow() const
{
    const int row = DBGridEh1->currentRow();
    return AdoqDest && row >= 0 && row < AdoqDest->count() ? row : -1;
}

void TFrmDestBase::EditCodeReturn()
{
    SetQuery(ReservationList::matching(m_items, EditCode->text()));
}

void TFrmDestBase::BtDeleteClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    Guarded(prompt(), [&] {
        ResultSet &rs = AdoqDest->result();
        rs.setPosition(row);
        ReservationList::remove(db(), m_items, rs.integer(u"Id"));
        rs.requery();
        DBGridEh1->rowsChanged();
        DBGridEh1->setCurrentRow(qMin<int>(row, int(rs.count()) - 1));
    });
}

void TFrmDestBase::BtLookClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    ResultSet &rs = AdoqDest->result();
    rs.setPosition(row);
    ShowReaderDetail(context(), rs.text(u"Rcode"), this);
}

} // namespace tarvo::gui
