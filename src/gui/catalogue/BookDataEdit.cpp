#include "BookDataEdit.h"

#include "gui/controls/FieldWidgets.h"
#include "gui/framework/FindBookSet.h"

#include "core/app/Helpers.h"
#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/catalogue/BookRecords.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QLineEdit *shownOnly(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

} // namespace

TFrmBookDataEdit::TFrmBookDataEdit(WindowContext &context, QWidget *parent)
    : TFrmBookEditBase(context, BookTable::Catalogue, parent)
{
    setObjectName(u"FrmBookDataEdit"_s);
    setWindowTitle(u"图书信息"_s);

    EditCode = new QLineEdit(Group1);
    EditCode->setObjectName(u"EditCode"_s);
    EditCode->setMaxLength(30);
    Bind(EditCode, u"Code"_s);
    Grid1->addWidget(new QLabel(u"书籍编号:(条形码)"_s, Group1), 0, 0, Qt::AlignRight);
    Grid1->addWidget(EditCode, 0, 1);

    auto *circulation = new QGroupBox(u"借阅"_s, Panel1);
    auto *grid = new QGridLayout(circulation);
    EditIsOut = shownOnly(circulation, u"EditIsOut"_s);
    EditBorrowDate = shownOnly(circulation, u"EditBorrowDate"_s);
    EditTimes = shownOnly(circulation, u"EditTimes"_s);
    EditBorrowman = shownOnly(circulation, u"EditBorrowman"_s);
    const QList<std::pair<QString, QLineEdit *>> shown{{u"借阅状况:"_s, EditIsOut},
                                                        {u"最后借出:"_s, EditBorrowDate},
                                                        {u"借阅次数:"_s, EditTimes},
                                                        {u"借书人:"_s, EditBorrowman}};
    for (int i = 0; i < shown.size(); ++i) {
        grid->addWidget(new QLabel(shown.at(i).first, circulation), 0, i * 2, Qt::AlignRight);
        grid->addWidget(shown.at(i).second, 0, i * 2 + 1);
    }
    static_cast<QBoxLayout *>(Panel1->layout())->insertWidget(2, circulation);

    ChkSet = new QCheckBox(u"套录"_s, Panel1);
    ChkSet->setObjectName(u"ChkSet"_s);
    ChkSet->setChecked(true);
    Rb2 = new QRadioButton(u"预编库"_s, Panel1);
    Rb2->setObjectName(u"Rb2"_s);
    Rb2->setChecked(true);
    Rb1 = new QRadioButton(u"图书库"_s, Panel1);
    Rb1->setObjectName(u"Rb1"_s);
    for (QWidget *w : {static_cast<QWidget *>(ChkSet), static_cast<QWidget *>(Rb2), static_cast<QWidget *>(Rb1)})
        w->setFocusPolicy(Qt::NoFocus);
    Options->insertWidget(0, ChkSet);
    Options->insertWidget(1, Rb2);
    Options->insertWidget(2, Rb1);
    Options->insertSpacing(3, 24);

    EditCode->installEventFilter(this);
    SetTabChain(EditCode);
}

QWidget *TFrmBookDataEdit::FirstControl() const
{
    return EditCode;
}

void TFrmBookDataEdit::ShowRest()
{
    const EditRecord &record = AdoqEdit();
    EditIsOut->setText(record.text(u"IsOut"_s));
    const QVariant lent = record.value(u"BorrowDate"_s);
    EditBorrowDate->setText(lent.typeId() == QMetaType::QDate ? dateText(lent.toDate()) : lent.toString());
    EditTimes->setText(record.text(u"Times"_s));
    EditBorrowman->setText(record.text(u"Borrowman"_s));
    OldCode = record.text(u"Code"_s);
    TFrmBookEditBase::ShowRest();
}

void TFrmBookDataEdit::CodeLeft()
{
    // The copy's own stored number is no clash.
    if (BookRecords::checkCode(db(), prompt(), EditCode->text(), BookRecords::storedCode(AdoqEdit())))
        return;
    EditCode->setText(EditMode == 2 ? OldCode : QString());
}

void TFrmBookDataEdit::IsbnEntered()
{
    if (EditIsbn->text().trimmed().isEmpty())
        return;
    FindPublisherByIsbn();
    if (ChkSet->isChecked())
        CopyCatalogue();
}

void TFrmBookDataEdit::CopyCatalogue()
{
    const BookTable source = Rb1->isChecked() ? BookTable::Catalogue : BookTable::PreCatalogue;
    const ResultSet sources = BookRecords::copySources(db(), source, EditIsbn->text());
    if (sources.isEmpty())
        return;
    qsizetype row = 0;
    if (sources.count() > 1) {
        TFrmFindBookSet chooser(context(), sources, this);
        chooser.exec();
        if (!chooser.Chosen)
            return;
        row = chooser.ChosenRow();
    }
    ChangeRecord([&](EditRecord &record) { BookRecords::copyDescription(record, sources, row); });
    EditIsbn->setFocus();
}

bool TFrmBookDataEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EditCode && event->type() == QEvent::FocusIn) {
        OldCode = EditCode->text().trimmed();
    } else if (watched == EditCode && leftBox(this, event)) {
        try {
            CodeLeft();
        } catch (const DbError &e) {
            prompt().error(e.message());
        }
    }
    return TFrmBookEditBase::eventFilter(watched, event);
}

} // namespace tarvo::gui
