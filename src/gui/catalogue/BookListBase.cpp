#include "BookListBase.h"

#include "BookCond.h"
#include "SortSet.h"
#include "gui/controls/DataGrid.h"
#include "gui/controls/ToolButtons.h"

#include "core/catalogue/Books.h"
#include "core/db/Database.h"
#include "core/framework/PagedResult.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QLineEdit *totalBox(QWidget *parent, const QString &name, int width)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setMaximumWidth(width);
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

TFrmBookListBase::TFrmBookListBase(WindowContext &context, BookTable table, QWidget *parent)
    : TMDIBaseData(context, parent)
    , Editcode(new QLineEdit(Panel1))
    , EditSort(new QLineEdit(Panel1))
    , BtSortPick(new QToolButton(Panel1))
    , SbtFind(new QPushButton(u"查询"_s, Panel1))
    , EditQty(totalBox(Panel3, u"EditQty"_s, 90))
    , EditSum(totalBox(Panel3, u"EditSum"_s, 120))
    , BtExcel(new QToolButton(ToolBar1))
    , m_table(table)
{
    // A catalogue shows many columns: room for them from the start.
    resize(980, 560);
    DataTable = tableName(table);
    DeleteKeyField = u"Id"_s;
    BtFind->setText(u" 查询(&F)"_s);
    Editcode->setObjectName(u"Editcode"_s);
    const QString hint = table == BookTable::Catalogue ? u"编号/名称/索书号/简拼/五笔码,输入后回车"_s
                                                       : u"名称/索书号/简拼/五笔码,输入后回车"_s;
    Editcode->setToolTip(hint);
    Editcode->setMinimumWidth(260);
    Editcode->setPlaceholderText(hint);
    EditSort->setObjectName(u"EditSort"_s);
    EditSort->setMaximumWidth(120);
    BtSortPick->setObjectName(u"BtSortPick"_s);
    BtSortPick->setText(u"…"_s);
    BtSortPick->setToolTip(u"选择分类号"_s);
    BtSortPick->setFocusPolicy(Qt::NoFocus);
    SbtFind->setObjectName(u"SbtFind"_s);
    SbtFind->setAutoDefault(false);
    BtExcel->setObjectName(u"BtExcel"_s);
    BtExcel->setText(u"Excel导入"_s);
    BtExcel->setToolButtonStyle(Qt::ToolButtonTextOnly);
    BtExcel->setEnabled(false); // the import comes with the data import
    insertBefore(ToolBar1, BtPrint, BtExcel);

    auto *search = new QHBoxLayout(Panel1);
    search->setContentsMargins(8, 4, 8, 4);
    search->addWidget(new QLabel(table == BookTable::Catalogue ? u"编号/名称:"_s : u"名称:"_s, Panel1));
    search->addWidget(Editcode, 1);
    search->addSpacing(12);
    search->addWidget(new QLabel(u"分类号:"_s, Panel1));
    search->addWidget(EditSort);
    search->addWidget(BtSortPick);
    search->addWidget(SbtFind);
    search->addStretch(1);
    Panel3->setFixedHeight(28);
    auto *footer = new QHBoxLayout(Panel3);
    footer->setContentsMargins(8, 2, 8, 2);
    footer->addStretch(1);
    footer->addWidget(new QLabel(u"共计:"_s, Panel3));
    footer->addWidget(EditQty);
    footer->addWidget(new QLabel(u"册    金额:"_s, Panel3));
    footer->addWidget(EditSum);
    footer->addWidget(new QLabel(u"元"_s, Panel3));

    Editcode->installEventFilter(this);
    EditSort->installEventFilter(this);
    connect(Editcode, &QLineEdit::returnPressed, SbtFind, &QPushButton::click);
    connect(EditSort, &QLineEdit::returnPressed, SbtFind, &QPushButton::click);
    connect(SbtFind, &QPushButton::clicked, this, &TFrmBookListBase::SbtFindClick);
    connect(BtSortPick, &QToolButton::clicked, this, &TFrmBookListBase::ChooseSort);
}

void TFrmBookListBase::InitForm()
{
    TMDIBaseData::InitForm();
    if (SetUpStopped())
        return;
    const Books::ListQuery first = Books::initialList(m_table);
    OpenData(first.select, first.params, first.order, u"Id"_s);
    m_listCondition = {};
    ShowTotals();
    HelpTopic = u"tszl.htm"_s;
}

void TFrmBookListBase::Open(const SqlCondition &condition)
{
    const Books::ListQuery query = Books::list(m_table, condition);
    OpenData(query.select, query.params, query.order, u"Id"_s);
    m_listCondition = condition;
    ShowTotals();
}

void TFrmBookListBase::ShowTotals()
{
    const PagedResult *rows = data();
    EditQty->setText(QString::number(rows ? rows->count() : 0));
    // As many decimals as the total needs.
    EditSum->setText(QLocale::c().toString(rows ? rows->sum(u"BookPrice"_s) : 0.0, 'f', 4).remove(
        QRegularExpression(u"\\.?0+$"_s)));
}

void TFrmBookListBase::SbtFindClick()
{
    Open(Books::quickSearch(db().engine(), m_table, Editcode->text(), EditSort->text()));
}

void TFrmBookListBase::BtFindClick()
{
    TFrmBookCond dialog(context(), m_table, this);
    if (dialog.exec() == QDialog::Accepted)
        Open(dialog.Condition);
    ShowTotals();
}

void TFrmBookListBase::BtDeleteClick()
{
    TMDIBaseData::BtDeleteClick();
    ShowTotals();
}

void TFrmBookListBase::ChooseSort()
{
    TFrmSortSet picker(context(), this);
    picker.exec();
    if (!picker.ChosenCode.isEmpty()) {
        EditSort->setText(picker.ChosenCode);
        Editcode->clear();
        SbtFindClick();
    }
    EditSort->setFocus();
}

bool TFrmBookListBase::eventFilter(QObject *watched, QEvent *event)
{
    // Only one of the two boxes is ever used.
    if (event->type() == QEvent::FocusIn) {
        if (watched == Editcode)
            EditSort->clear();
        else if (watched == EditSort)
            Editcode->clear();
    }
    return TMDIBaseData::eventFilter(watched, event);
}

} // namespace tarvo::gui
