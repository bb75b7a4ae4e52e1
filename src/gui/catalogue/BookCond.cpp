#include "BookCond.h"

#include "FindPublish.h"
#include "SortSet.h"
#include "gui/controls/FieldWidgets.h"

#include "core/app/AppState.h"
#include "core/app/Prompt.h"
#include "core/catalogue/Books.h"
#include "core/catalogue/WordList.h"
#include "core/db/DbError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QLineEdit *entry(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMinimumWidth(150);
    return box;
}

} // namespace

TFrmBookCond::TFrmBookCond(WindowContext &context, BookTable table, QWidget *parent)
    : TFrmBaseCond(context, parent)
    , m_table(table)
{
    setObjectName(u"FrmBookCond"_s);
    Label1->setText(u"注意:中文名称支持按简拼/五笔码查询!"_s);
    BtConfirm->setText(u"确定(&C)"_s);
    BtCancel->setText(u"取消(&E)"_s);

    // Made in tab order.
    EditCode = entry(Panel1, u"EditCode"_s);
    EditName = entry(Panel1, u"EditName"_s);
    EditYName = entry(Panel1, u"EditYName"_s);
    EditScode = entry(Panel1, u"EditScode"_s);
    EditPublisher = entry(Panel1, u"EditPublisher"_s);
    BtPublisher = lookupButton(Panel1, u"BtPublisher"_s);
    EditISBN = entry(Panel1, u"EditISBN"_s);
    EditSort = entry(Panel1, u"EditSort"_s);
    BtSort = lookupButton(Panel1, u"BtSort"_s);
    EditWriter = entry(Panel1, u"EditWriter"_s);
    EditTranslator = entry(Panel1, u"EditTranslator"_s);
    CmbPosi = new QComboBox(Panel1);
    CmbPosi->setObjectName(u"CmbPosi"_s);
    CmbPosi->setEditable(true);
    EditRemarks = entry(Panel1, u"EditRemarks"_s);
    EditRemarks1 = entry(Panel1, u"EditRemarks1"_s);
    CmbState = new QComboBox(Panel1);
    CmbState->setObjectName(u"CmbState"_s);
    CmbState->setEditable(true);
    CmbState->addItems({QString(), u"在馆"_s, u"外借"_s, u"报废"_s});
    ChkNew = new QCheckBox(u"是否新书"_s, Panel1);
    ChkNew->setObjectName(u"ChkNew"_s);
    ChkCode = new QCheckBox(u"编码从："_s, Panel1);
    ChkCode->setObjectName(u"ChkCode"_s);
    EditFrom = entry(Panel1, u"EditFrom"_s);
    EditTo = entry(Panel1, u"EditTo"_s);

    auto *grid = new QGridLayout(Panel1);
    grid->setContentsMargins(16, 10, 16, 10);
    const QList<std::pair<QString, QWidget *>> pairs{
        {u"图书编号："_s, EditCode},
        {u"中文名称："_s, EditName},
        {u"原文名称："_s, EditYName},
        {u"索书号："_s, EditScode},
        {u"出版社："_s, withButton(Panel1, EditPublisher, BtPublisher)},
        {u"ISBN号："_s, EditISBN},
        {u"分类号："_s, withButton(Panel1, EditSort, BtSort)},
        {u"作者："_s, EditWriter},
        {u"译者："_s, EditTranslator},
        {u"架位："_s, CmbPosi},
        {u"内容简介："_s, EditRemarks},
        {u"摘要："_s, EditRemarks1},
        {u"状态:"_s, CmbState},
    };
    for (int i = 0; i < pairs.size(); ++i) {
        const int row = i / 2;
        const int column = (i % 2) * 2;
        grid->addWidget(new QLabel(pairs.at(i).first, Panel1), row, column, Qt::AlignRight);
        grid->addWidget(pairs.at(i).second, row, column + 1);
    }
    auto *range = new QHBoxLayout;
    range->addWidget(ChkNew);
    range->addSpacing(24);
    range->addWidget(ChkCode);
    range->addWidget(EditFrom);
    range->addWidget(new QLabel(u"到"_s, Panel1));
    range->addWidget(EditTo);
    grid->addLayout(range, 7, 0, 1, 4);

    // Descriptions have no number and no state.
    if (m_table == BookTable::PreCatalogue) {
        for (QWidget *w : {static_cast<QWidget *>(EditCode), static_cast<QWidget *>(CmbState),
                           static_cast<QWidget *>(ChkCode), static_cast<QWidget *>(EditFrom),
                           static_cast<QWidget *>(EditTo)})
            w->setEnabled(false);
    }

    EditPublisher->installEventFilter(this);
    EditSort->installEventFilter(this);
    connect(BtPublisher, &QToolButton::clicked, this, &TFrmBookCond::ChoosePublisher);
    connect(BtSort, &QToolButton::clicked, this, &TFrmBookCond::ChooseSort);
}

void TFrmBookCond::InitForm()
{
    TFrmBaseCond::InitForm();
    try {
        CmbPosi->addItems(QStringList{QString()} + WordList::words(db(), u"Bookposi"_s));
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    (m_table == BookTable::Catalogue ? EditCode : EditName)->setFocus();
}

void TFrmBookCond::BuildCondition()
{
    Books::SearchInput in;
    in.name = EditName->text();
    in.yName = EditYName->text();
    in.scode = EditScode->text();
    in.publisher = EditPublisher->text();
    in.isbn = EditISBN->text();
    in.sortCode = EditSort->text();
    in.writer = EditWriter->text();
    in.translator = EditTranslator->text();
    in.bookPosi = CmbPosi->currentText();
    in.remarks = EditRemarks->text();
    in.remarks1 = EditRemarks1->text();
    in.newBooksOnly = ChkNew->isChecked();
    if (m_table == BookTable::Catalogue) {
        in.code = EditCode->text();
        in.state = CmbState->currentText();
        in.codeRange = ChkCode->isChecked();
        in.codeFrom = EditFrom->text();
        in.codeTo = EditTo->text();
    }
    Condition = Books::searchCondition(in, state().BusinessDate, state().sysParams.InDay);
}

void TFrmBookCond::ChoosePublisher()
{
    TFrmFindPublish lookup(context(), this);
    lookup.exec();
    if (!lookup.ResultCode.isEmpty())
        EditPublisher->setText(lookup.ResultCode);
    EditPublisher->setFocus();
}

void TFrmBookCond::ChooseSort()
{
    TFrmSortSet picker(context(), this);
    picker.exec();
    if (!picker.ChosenCode.isEmpty())
        EditSort->setText(picker.ChosenCode);
    EditSort->setFocus();
}

bool TFrmBookCond::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F5) {
        if (watched == EditPublisher) {
            ChoosePublisher();
            return true;
        }
        if (watched == EditSort) {
            ChooseSort();
            return true;
        }
    }
    return TFrmBaseCond::eventFilter(watched, event);
}

} // namespace tarvo::gui
