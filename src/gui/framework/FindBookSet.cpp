#include "FindBookSet.h"

#include "gui/controls/Colours.h"
#include "gui/controls/DataGrid.h"

#include <QLabel>
#include <QTableView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmFindBookSet::TFrmFindBookSet(WindowContext &context, ResultSet books, QWidget *parent)
    : TFrmBaseCond(context, parent)
    , m_books(std::move(books))
    , DBGrid1(new DataGrid(Panel1))
{
    setObjectName(u"FrmFindBookSet"_s);
    setWindowTitle(u"图书套录"_s);
    resize(640, 320);
    Label1->hide();
    BtConfirm->setText(u"确定(&C)"_s);
    BtCancel->setText(u"取消(&E)"_s);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setHeaderColour(Colours::QueryToolBar);
    const auto column = [](const QString &field, const QString &title, int width) {
        return GridColumn{field, title, width, ValueKind::Text, false};
    };
    DBGrid1->setColumns({column(u"BookIsbn"_s, u"ISBN"_s, 110), column(u"Name"_s, u"中文名称"_s, 140),
                         column(u"YName"_s, u"原文名称"_s, 100), column(u"Publisher"_s, u"出版社"_s, 110),
                         column(u"Writer"_s, u"作者"_s, 70), column(u"Sortcode"_s, u"分类号"_s, 60),
                         column(u"PubDate"_s, u"出版时间"_s, 70), column(u"RegDate"_s, u"登记时间"_s, 80),
                         column(u"Language"_s, u"语言"_s, 50), column(u"BookPage"_s, u"页码"_s, 50),
                         column(u"Size"_s, u"尺寸"_s, 50)});
    DBGrid1->setRows(&m_books, m_books.result().fieldNames());
    auto *layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(DBGrid1);

    // The base dialog's confirm builds a condition; this one chooses a row instead.
    disconnect(BtConfirm, &QPushButton::clicked, nullptr, nullptr);
    connect(BtConfirm, &QPushButton::clicked, this, &TFrmFindBookSet::Confirm);
    connect(DBGrid1, &DataGrid::rowActivated, this, &TFrmFindBookSet::Confirm);
    connect(DBGrid1, &DataGrid::enterPressed, this, &TFrmFindBookSet::Confirm);
    connect(DBGrid1, &DataGrid::escapePressed, this, &TFrmFindBookSet::reject);
}

TFrmFindBookSet::~TFrmFindBookSet()
{
    DBGrid1->setRows(nullptr, {});
}

void TFrmFindBookSet::InitForm()
{
    TFrmBaseCond::InitForm();
    // The rows are chosen with the arrow keys and Enter.
    DBGrid1->view()->setFocus();
}

int TFrmFindBookSet::ChosenRow() const
{
    return Chosen ? qMax(0, DBGrid1->currentRow()) : -1;
}

void TFrmFindBookSet::Confirm()
{
    Chosen = m_books.count() > 0;
    accept();
}

} // namespace tarvo::gui
