#include "ReaderDetail.h"

#include "gui/app/Guarded.h"
#include "gui/controls/Colours.h"

#include "core/circulation/ReaderDetail.h"

#include <QDesktopServices>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {
QLineEdit *readOnlyBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}
} // namespace

TFrmReaderDetail::TFrmReaderDetail(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , Panel1(new QWidget(this))
    , EditCode(readOnlyBox(Panel1, u"EditCode"_s))
    , EditName(readOnlyBox(Panel1, u"EditName"_s))
    , Editmail(readOnlyBox(Panel1, u"Editmail"_s))
    , SpeedButton1(new QPushButton(u"发信"_s, Panel1))
    , EditAddr(new QPlainTextEdit(Panel1))
    , EditDept(readOnlyBox(Panel1, u"EditDept"_s))
    , Memo1(new QPlainTextEdit(Panel1))
    , BitBtn1(new QPushButton(u"关闭"_s, this))
{
    setObjectName(u"FrmReaderDetail"_s);
    setWindowTitle(u"读者信息"_s);
    resize(420, 330);
    Panel1->setObjectName(u"Panel1"_s);
    SpeedButton1->setObjectName(u"SpeedButton1"_s);
    SpeedButton1->setAutoDefault(false);
    EditAddr->setObjectName(u"EditAddr"_s);
    EditAddr->setReadOnly(true);
    EditAddr->setMaximumHeight(50);
    Memo1->setObjectName(u"Memo1"_s);
    Memo1->setReadOnly(true);
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 4);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    BitBtn1->setAutoDefault(false);

    auto *mail = new QHBoxLayout;
    mail->addWidget(Editmail, 1);
    mail->addWidget(SpeedButton1);
    auto *form = new QFormLayout(Panel1);
    form->addRow(u"读者编号:"_s, EditCode);
    form->addRow(u"读者名称:"_s, EditName);
    form->addRow(u"E_Mail:"_s, mail);
    form->addRow(u"地址:"_s, EditAddr);
    form->addRow(u"部  门:"_s, EditDept);
    form->addRow(u"电话:"_s, Memo1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addLayout(buttons);

    connect(SpeedButton1, &QPushButton::clicked, this, &TFrmReaderDetail::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmReaderDetail::close);
}

void TFrmReaderDetail::InitForm()
{
    TFrmBaseD::InitForm();
    paint(this, Colours::QueryPanel);
    paint(Panel1, Colours::QueryPanel);
}

void TFrmReaderDetail::LoadReader(const QString &code)
{
    Guarded(prompt(), [&] {
        const ReaderDetail reader = ReaderDetail::read(db(), code);
        EditCode->setText(reader.Code);
        EditName->setText(reader.Name);
        Editmail->setText(reader.E_mail);
        EditAddr->setPlainText(reader.Addr);
        EditDept->setText(reader.Department);
        Memo1->setPlainText(reader.phoneLines().join(u'\n'));
    });
}

void TFrmReaderDetail::SpeedButton1Click()
{
    ReaderDetail reader;
    reader.E_mail = Editmail->text();
    QDesktopServices::openUrl(reader.mailUrl());
}

void ShowReaderDetail(WindowContext &context, const QString &readerCode, QWidget *parent)
{
    TFrmReaderDetail dialog(context, parent);
    dialog.LoadReader(readerCode);
    dialog.exec();
}

} // namespace tarvo::gui
