#include "BookEditBase.h"

#include "BookMemo.h"
#include "FindPublish.h"
#include "SortSet.h"
#include "gui/controls/FieldWidgets.h"
#include "gui/framework/FindSupplier.h"

#include "core/app/AppState.h"
#include "core/app/Prompt.h"
#include "core/catalogue/BookRecords.h"
#include "core/catalogue/Isbn.h"
#include "core/catalogue/WordList.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

int columnSize(BookTable table, const QString &field)
{
    const ColumnDef *column = Schema::table(tableName(table))->column(field);
    return column && column->size > 0 ? column->size : 32767;
}

void addPair(QGridLayout *grid, int row, int column, const QString &caption, QWidget *box, int span = 1)
{
    grid->addWidget(new QLabel(caption, grid->parentWidget()), row, column, Qt::AlignRight);
    grid->addWidget(box, row, column + 1, 1, span);
}

// The word tables behind the drop-downs, in the order they are filled.
const QStringList kWordTables{u"Bookposi"_s, u"BookLang"_s, u"BookPrint"_s, u"BookSize"_s, u"Bookgrade"_s,
                              u"Bookattch"_s};

} // namespace

TFrmBookEditBase::TFrmBookEditBase(WindowContext &context, BookTable table, QWidget *parent)
    : TFrmBaseDataEdit(context, tableName(table), parent)
    , m_table(table)
{
    BuildForm();
}

void TFrmBookEditBase::BuildForm()
{
    const auto text = [this](QWidget *parent, const QString &name, const QString &field) {
        auto *box = new QLineEdit(parent);
        box->setObjectName(name);
        box->setMaxLength(columnSize(m_table, field));
        Bind(box, field);
        return box;
    };
    const auto list = [this](QWidget *parent, const QString &name, const QString &field) {
        auto *box = new QComboBox(parent);
        box->setObjectName(name);
        box->setEditable(true);
        box->lineEdit()->setMaxLength(columnSize(m_table, field));
        Bind(box, field);
        return box;
    };
    const auto money = [this](QWidget *parent, const QString &name, const QString &field) {
        auto *box = new QLineEdit(parent);
        box->setObjectName(name);
        auto *validator = new QDoubleValidator(0, 1e9, 4, box);
        validator->setLocale(QLocale::c());
        validator->setNotation(QDoubleValidator::StandardNotation);
        box->setValidator(validator);
        box->setAlignment(Qt::AlignRight);
        Bind(box, field);
        return box;
    };
    const auto memo = [this](QWidget *parent, const QString &name, const QString &field) {
        auto *box = new QPlainTextEdit(parent);
        box->setObjectName(name);
        box->setTabChangesFocus(true);
        box->setFixedHeight(64);
        Bind(box, field);
        return box;
    };

    Group1 = new QGroupBox(Panel1);
    EditCodeSet = text(Group1, u"EditCodeSet"_s, u"CodeSet"_s);
    EditIsbn = text(Group1, u"EditIsbn"_s, u"BookIsbn"_s);
    LbIsbnWarning = new QLabel(Group1);
    LbIsbnWarning->setObjectName(u"LbIsbnWarning"_s);
    LbIsbnWarning->setStyleSheet(u"color: #c00000"_s);
    EditSort = text(Group1, u"EditSort"_s, u"SortCode"_s);
    BtSort = lookupButton(Group1, u"BtSort"_s);
    EditSortNum = text(Group1, u"EditSortNum"_s, u"SortNum"_s);
    EditScode = text(Group1, u"EditScode"_s, u"Scode"_s);
    EditName = text(Group1, u"EditName"_s, u"Name"_s);
    EditYName = text(Group1, u"EditYName"_s, u"YName"_s);
    EditPublisher = text(Group1, u"EditPublisher"_s, u"Publisher"_s);
    BtPublisher = lookupButton(Group1, u"BtPublisher"_s);
    EditWriter = text(Group1, u"EditWriter"_s, u"Writer"_s);
    EditTranslator = text(Group1, u"EditTranslator"_s, u"Translator"_s);

    Group2 = new QGroupBox(Panel1);
    CmbPosi = list(Group2, u"CmbPosi"_s, u"BookPosi"_s);
    CmbLang = list(Group2, u"CmbLang"_s, u"language"_s);
    CmbPrint = list(Group2, u"CmbPrint"_s, u"Print"_s);
    CmbSize = list(Group2, u"CmbSize"_s, u"Size"_s);
    CmbGrade = list(Group2, u"CmbGrade"_s, u"Grade"_s);
    CmbAttach = list(Group2, u"CmbAttach"_s, u"Attach"_s);
    EditPubDate = text(Group2, u"EditPubDate"_s, u"PubDate"_s);
    EditRegDate = new QDateEdit(Group2);
    EditRegDate->setObjectName(u"EditRegDate"_s);
    EditRegDate->setDisplayFormat(u"yyyy-MM-dd"_s);
    EditRegDate->setCalendarPopup(true);
    Bind(EditRegDate, u"RegDate"_s);
    EditPrice = money(Group2, u"EditPrice"_s, u"BookPrice"_s);
    EditAvePrice = money(Group2, u"EditAvePrice"_s, u"AvePrice"_s);
    EditPage = text(Group2, u"EditPage"_s, u"BookPage"_s);
    EditPubNum = text(Group2, u"EditPubNum"_s, u"PubNum"_s);
    CmbLimit = list(Group2, u"CmbLimit"_s, u"IsLimit"_s);
    CmbLimit->addItems({QString(), u"限制"_s});
    EditSupplier = text(Group2, u"EditSupplier"_s, u"Supplier"_s);
    BtSupplier = lookupButton(Group2, u"BtSupplier"_s);
    MemoRemarks = memo(Group2, u"MemoRemarks"_s, u"Remarks"_s);
    MemoRemarks1 = memo(Group2, u"MemoRemarks1"_s, u"Remarks1"_s);
    ChkCopy = new QCheckBox(u"新增时是否复制上一本书信息"_s, Panel1);
    ChkCopy->setObjectName(u"ChkCopy"_s);
    ChkCopy->setFocusPolicy(Qt::NoFocus);

    Grid1 = new QGridLayout(Group1);
    addPair(Grid1, 0, 2, u"卷册号："_s, EditCodeSet);
    auto *isbnRow = new QWidget(Group1);
    auto *isbnLayout = new QHBoxLayout(isbnRow);
    isbnLayout->setContentsMargins(0, 0, 0, 0);
    isbnLayout->addWidget(EditIsbn, 1);
    isbnLayout->addWidget(LbIsbnWarning);
    addPair(Grid1, 1, 0, u"ISBN号:"_s, isbnRow);
    addPair(Grid1, 1, 2, u"分类号:"_s, withButton(Group1, EditSort, BtSort));
    addPair(Grid1, 2, 0, u"书次号:"_s, EditSortNum);
    addPair(Grid1, 2, 2, u"索书号:"_s, EditScode);
    addPair(Grid1, 3, 0, u"中文名称:"_s, EditName, 3);
    addPair(Grid1, 4, 0, u"原文名称:"_s, EditYName, 3);
    addPair(Grid1, 5, 0, u"出版社:"_s, withButton(Group1, EditPublisher, BtPublisher));
    addPair(Grid1, 5, 2, u"作  者:"_s, EditWriter);
    addPair(Grid1, 6, 0, u"译  者:"_s, EditTranslator);
    Grid1->setColumnStretch(1, 1);
    Grid1->setColumnStretch(3, 1);

    auto *grid2 = new QGridLayout(Group2);
    const QList<std::pair<QString, QWidget *>> pairs{
        {u"架位:"_s, CmbPosi},         {u"语言:"_s, CmbLang},        {u"印刷:"_s, CmbPrint},
        {u"尺寸:"_s, CmbSize},         {u"等级:"_s, CmbGrade},       {u"附件:"_s, CmbAttach},
        {u"出版日期:"_s, EditPubDate}, {u"登记日期:"_s, EditRegDate}, {u"书籍价格:"_s, EditPrice},
        {u"成本价:"_s, EditAvePrice},  {u"书籍页码:"_s, EditPage},    {u"版次:"_s, EditPubNum},
        {u"限制外借:"_s, CmbLimit},    {u"供应商:"_s, withButton(Group2, EditSupplier, BtSupplier)}};
    for (int i = 0; i < pairs.size(); ++i)
        addPair(grid2, i / 3, (i % 3) * 2, pairs.at(i).first, pairs.at(i).second, i == 13 ? 3 : 1);
    auto *memos = new QHBoxLayout;
    for (const auto &[caption, box] : {std::pair{u"内容简介:"_s, MemoRemarks}, {u"摘  要:"_s, MemoRemarks1}}) {
        auto *column = new QVBoxLayout;
        column->addWidget(new QLabel(caption + u"（双击放大）"_s, Group2));
        column->addWidget(box);
        memos->addLayout(column);
    }
    grid2->addLayout(memos, 5, 0, 1, 6);

    Options = new QHBoxLayout;
    Options->addWidget(ChkCopy);
    Options->addStretch();
    auto *layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(Group1);
    layout->addWidget(Group2);
    layout->addLayout(Options);

    for (QWidget *w : {static_cast<QWidget *>(EditIsbn), static_cast<QWidget *>(EditSort),
                       static_cast<QWidget *>(EditPublisher), static_cast<QWidget *>(EditSupplier),
                       static_cast<QWidget *>(MemoRemarks), static_cast<QWidget *>(MemoRemarks1),
                       MemoRemarks->viewport(), MemoRemarks1->viewport()})
        w->installEventFilter(this);
    connect(BtSort, &QToolButton::clicked, this, &TFrmBookEditBase::ChooseSort);
    connect(BtPublisher, &QToolButton::clicked, this, &TFrmBookEditBase::ChoosePublisher);
    connect(BtSupplier, &QToolButton::clicked, this, &TFrmBookEditBase::ChooseSupplier);
    connect(EditIsbn, &QLineEdit::textChanged, this, [this](const QString &isbn) {
        LbIsbnWarning->setText(Isbn::looksMistyped(isbn) ? u"校验位有误"_s : QString());
    });
    // After the base has saved and begun the next record; a refused save leaves
    // the dialog as it was.
    connect(BtSaveAdd, &QPushButton::clicked, this, &TFrmBookEditBase::AfterSaveAdd);
    SetTabChain(nullptr);
}

void TFrmBookEditBase::SetTabChain(QWidget *first)
{
    QList<QWidget *> chain{EditCodeSet, EditIsbn,    EditSort,   EditSortNum,  EditScode,    EditName,
                           EditYName,   EditPublisher, EditWriter, EditTranslator, CmbPosi,   CmbLang,
                           CmbPrint,    CmbSize,     CmbGrade,   CmbAttach,    EditPubDate,  EditRegDate,
                           EditPrice,   EditAvePrice, EditPage,  EditPubNum,   CmbLimit,     EditSupplier,
                           MemoRemarks, MemoRemarks1, BtSaveAdd, BtSaveExit,   BtCancelExit};
    if (first)
        chain.prepend(first);
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void TFrmBookEditBase::showEvent(QShowEvent *event)
{
    paint(this, QColor(204, 236, 255));
    paint(Panel1, QColor(204, 236, 255));
    KeyField = u"Id"_s;
    KeyValue = QString::number(RecordId);
    if (CmbPosi->count() == 0)
        FillDropDowns();
    TFrmBaseDataEdit::showEvent(event);
    ShowRest();
}

void TFrmBookEditBase::FillDropDowns()
{
    const QList<QComboBox *> boxes{CmbPosi, CmbLang, CmbPrint, CmbSize, CmbGrade, CmbAttach};
    try {
        for (int i = 0; i < boxes.size(); ++i) {
            const QString typed = boxes.at(i)->currentText();
            boxes.at(i)->addItems(QStringList{QString()} + WordList::words(db(), kWordTables.at(i)));
            boxes.at(i)->setCurrentText(typed);
        }
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

void TFrmBookEditBase::ShowRest()
{
    FirstControl()->setFocus();
}

bool TFrmBookEditBase::CheckData()
{
    try {
        switch (BookRecords::CheckData(db(), prompt(), m_table, AdoqEdit())) {
        case BookRecords::Refusal::None:
            return true;
        case BookRecords::Refusal::Missing:
            for (QLineEdit *box : {EditName, EditSort}) {
                if (box->text().trimmed().isEmpty()) {
                    box->setFocus();
                    break;
                }
            }
            return false;
        case BookRecords::Refusal::CodeTaken:
            FirstControl()->setFocus();
            return false;
        case BookRecords::Refusal::NoSuchClass:
            EditSort->clear();
            EditSort->setFocus();
            return false;
        }
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    return false;
}

void TFrmBookEditBase::BeforeSave()
{
    BookRecords::BeforeSave(db(), m_table, AdoqEdit());
}

bool TFrmBookEditBase::SaveData()
{
    if (!TFrmBaseDataEdit::SaveData())
        return false;
    SavedId = AdoqEdit().value(u"Id"_s).toString();
    return true;
}

void TFrmBookEditBase::AfterSaveAdd()
{
    if (AdoqEdit().mode() != EditRecord::Mode::Add || AdoqEdit().isModified())
        return;
    if (ChkCopy->isChecked()) {
        try {
            ChangeRecord([this](EditRecord &record) {
                BookRecords::copySaved(db(), m_table, SavedId.toLongLong(), record);
            });
        } catch (const DbError &e) {
            prompt().error(e.message());
        }
    }
    ShowRest();
}

void TFrmBookEditBase::FindPublisherByIsbn()
{
    const QString isbn = EditIsbn->text().trimmed();
    if (isbn.isEmpty())
        return;
    const QString publisher = BookRecords::publisherByIsbn(db(), isbn);
    if (!publisher.isEmpty())
        EditPublisher->setText(publisher);
}

void TFrmBookEditBase::SortLeft()
{
    const bool catalogue = m_table == BookTable::Catalogue;
    if (catalogue && !BookRecords::checkClass(db(), prompt(), EditSort->text())) {
        EditSort->clear();
        AdoqEdit().setValue(u"SortCode"_s, QVariant());
        return;
    }
    if (EditMode != 1 || EditSort->text().trimmed().isEmpty())
        return;
    ChangeRecord([this](EditRecord &record) { BookRecords::numberCopy(db(), m_table, record); });
    EditSort->setFocus();
}

void TFrmBookEditBase::ChooseSort()
{
    TFrmSortSet picker(context(), this);
    picker.exec();
    TakeLookupResult(EditSort, u"SortCode"_s, picker.ChosenCode);
}

void TFrmBookEditBase::ChoosePublisher()
{
    TFrmFindPublish lookup(context(), this);
    lookup.exec();
    TakeLookupResult(EditPublisher, u"Publisher"_s, lookup.ResultCode);
}

void TFrmBookEditBase::ChooseSupplier()
{
    TFrmFindSupplier lookup(context(), this);
    lookup.exec();
    TakeLookupResult(EditSupplier, u"Supplier"_s, lookup.ResultCode);
}

void TFrmBookEditBase::EditMemo(QPlainTextEdit *memo, const QString &caption)
{
    TFrmBookMemo editor(caption, memo->toPlainText(), this);
    if (editor.exec() == QDialog::Accepted)
        memo->setPlainText(editor.Text());
}

bool TFrmBookEditBase::eventFilter(QObject *watched, QEvent *event)
{
    try {
        switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            if (watched == MemoRemarks->viewport() || watched == MemoRemarks1->viewport()) {
                const bool first = watched == MemoRemarks->viewport();
                EditMemo(first ? MemoRemarks : MemoRemarks1, first ? u"图书简介"_s : u"图书摘要"_s);
                return true;
            }
            break;
        case QEvent::FocusOut:
            if (!leftBox(this, event))
                break;
            if (watched == EditSort)
                SortLeft();
            else if (watched == EditIsbn)
                IsbnLeft();
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            if (key == Qt::Key_F5 && watched == EditSort) {
                ChooseSort();
                return true;
            }
            if (key == Qt::Key_F5 && watched == EditPublisher) {
                ChoosePublisher();
                return true;
            }
            if (key == Qt::Key_F5 && watched == EditSupplier) {
                ChooseSupplier();
                return true;
            }
            if (enter && (watched == MemoRemarks || watched == MemoRemarks1)) {
                BtSaveAdd->setFocus();
                return true;
            }
            if (enter && watched == EditIsbn) {
                IsbnEntered();
                focusNextChild();
                return true;
            }
            break;
        }
        default:
            break;
        }
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    return TFrmBaseDataEdit::eventFilter(watched, event);
}

} // namespace tarvo::gui
