#include "ReaderDataEdit.h"

#include "FindReaderSort.h"
#include "gui/controls/FieldWidgets.h"

#include "core/app/ProgramFolder.h"
#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"
#include "core/readers/Readers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDoubleValidator>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QLineEdit *textBox(QWidget *parent, const QString &name, const QString &field)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    if (const ColumnDef *column = Schema::table(u"ReaderInfo")->column(field); column && column->size > 0)
        box->setMaxLength(column->size);
    return box;
}

// Caption and box pairs, two to a row.
void addPairs(QGridLayout *grid, QWidget *parent, const QList<std::pair<QString, QWidget *>> &pairs, int columns)
{
    for (int i = 0; i < pairs.size(); ++i) {
        const int row = i / columns;
        const int column = (i % columns) * 2;
        grid->addWidget(new QLabel(pairs.at(i).first, parent), row, column, Qt::AlignRight);
        grid->addWidget(pairs.at(i).second, row, column + 1);
    }
}

} // namespace

TFrmReaderDataEdit::TFrmReaderDataEdit(WindowContext &context, QWidget *parent)
    : TFrmBaseDataEdit(context, u"ReaderInfo"_s, parent)
{
    setObjectName(u"FrmReaderDataEdit"_s);
    setWindowTitle(u"读者信息"_s);

    auto *group1 = new QGroupBox(Panel1);
    EditCode = textBox(group1, u"EditCode"_s, u"Code"_s);
    EditName = textBox(group1, u"EditName"_s, u"Name"_s);
    EditSort = textBox(group1, u"EditSort"_s, u"SortCode"_s);
    EditSort->setToolTip(u"点击按钮或按+/F5键选择设定数据"_s);
    SpeedButton1 = lookupButton(group1, u"SpeedButton1"_s);
    SpeedButton1->setToolTip(u"点击按钮或按+/F5键选择设定数据"_s);
    QWidget *sortBox = withButton(group1, EditSort, SpeedButton1);
    CmbSax = new QComboBox(group1);
    CmbSax->setObjectName(u"CmbSax"_s);
    CmbSax->addItems({u"男"_s, u"女"_s});
    EditTelDay = textBox(group1, u"EditTelDay"_s, u"TelDay"_s);
    EditTelNight = textBox(group1, u"EditTelNight"_s, u"TelNight"_s);
    EditHandTel = textBox(group1, u"EditHandTel"_s, u"HandTel"_s);
    EditCardId = textBox(group1, u"EditCardId"_s, u"CardId"_s);
    EditBornDate = textBox(group1, u"EditBornDate"_s, u"BornDate"_s);
    CmbDept = new QComboBox(group1);
    CmbDept->setObjectName(u"CmbDept"_s);
    CmbDept->setEditable(true);
    CmbDept->lineEdit()->setMaxLength(Schema::table(u"ReaderInfo")->column(u"Department")->size);
    EditRegDate = new QDateEdit(group1);
    EditRegDate->setObjectName(u"EditRegDate"_s);
    EditRegDate->setDisplayFormat(u"yyyy-MM-dd"_s);
    EditRegDate->setCalendarPopup(true);
    auto *grid1 = new QGridLayout(group1);
    addPairs(grid1, group1,
             {{u"读者编号:"_s, EditCode},
              {u"读者姓名:"_s, EditName},
              {u"读者类别:"_s, sortBox},
              {u"性  别:"_s, CmbSax},
              {u"电话(日):"_s, EditTelDay},
              {u"电话(夜):"_s, EditTelNight},
              {u"手  机:"_s, EditHandTel},
              {u"身份证号:"_s, EditCardId},
              {u"出生年月:"_s, EditBornDate},
              {u"部  门:"_s, CmbDept},
              {u"登记日期:"_s, EditRegDate}},
             2);

    auto *group2 = new QGroupBox(Panel1);
    EditAddr = textBox(group2, u"EditAddr"_s, u"Addr"_s);
    EditEmail = textBox(group2, u"EditEmail"_s, u"E_mail"_s);
    EditRemarks = textBox(group2, u"EditRemarks"_s, u"Remarks"_s);
    EditDepoSum = new QLineEdit(group2);
    EditDepoSum->setObjectName(u"EditDepoSum"_s);
    auto *money = new QDoubleValidator(0, 1e9, 2, EditDepoSum);
    money->setLocale(QLocale::c());
    money->setNotation(QDoubleValidator::StandardNotation);
    EditDepoSum->setValidator(money);
    ChkIsstop = new QCheckBox(u"停用否"_s, group2);
    ChkIsstop->setObjectName(u"ChkIsstop"_s);
    auto *grid2 = new QGridLayout(group2);
    addPairs(grid2, group2, {{u"地址:"_s, EditAddr}, {u"E_mail:"_s, EditEmail}, {u"备注:"_s, EditRemarks}}, 1);
    grid2->addWidget(new QLabel(u"押金:"_s, group2), 3, 0, Qt::AlignRight);
    auto *depositRow = new QHBoxLayout;
    depositRow->addWidget(EditDepoSum);
    depositRow->addWidget(ChkIsstop);
    depositRow->addStretch();
    grid2->addLayout(depositRow, 3, 1);

    auto *group3 = new QGroupBox(Panel1);
    auto *grid3 = new QGridLayout(group3);
    QList<std::pair<QString, QWidget *>> counters;
    const QList<std::pair<QString, QString>> counterFields{
        {u"BookQty"_s, u"未还本数(图书):"_s}, {u"BookQty1"_s, u"未还本数(期刊):"_s},
        {u"Times"_s, u"借书次数(图书):"_s},   {u"Times1"_s, u"借书次数(期刊):"_s},
        {u"Overdue"_s, u"超期次数(图书):"_s}, {u"Overdue1"_s, u"超期次数(期刊):"_s}};
    for (const auto &[field, caption] : counterFields) {
        auto *box = new QLineEdit(group3);
        box->setObjectName(u"Edit"_s + field);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setMaximumWidth(70);
        Counters.append({box, field});
        counters.append({caption, box});
    }
    addPairs(grid3, group3, counters, 2);

    auto *photoFrame = new QWidget(Panel1);
    SBtIn = new QToolButton(photoFrame);
    SBtIn->setObjectName(u"SBtIn"_s);
    SBtIn->setText(u"连接相片"_s);
    SBtIn->setFocusPolicy(Qt::NoFocus);
    SpeedButton2 = new QToolButton(photoFrame);
    SpeedButton2->setObjectName(u"SpeedButton2"_s);
    SpeedButton2->setText(u"取消"_s);
    SpeedButton2->setFocusPolicy(Qt::NoFocus);
    Image1 = new QLabel(photoFrame);
    Image1->setObjectName(u"Image1"_s);
    Image1->setFrameShape(QFrame::Box);
    Image1->setFixedSize(130, 160);
    Image1->setAlignment(Qt::AlignCenter);
    auto *photoButtons = new QHBoxLayout;
    photoButtons->addWidget(SBtIn);
    photoButtons->addWidget(SpeedButton2);
    auto *photoLayout = new QVBoxLayout(photoFrame);
    photoLayout->setContentsMargins(0, 0, 0, 0);
    photoLayout->addLayout(photoButtons);
    photoLayout->addWidget(Image1);
    photoLayout->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(group1);
    left->addWidget(group2);
    left->addWidget(group3);
    auto *layout = new QHBoxLayout(Panel1);
    layout->addLayout(left, 1);
    layout->addWidget(photoFrame);

    // The number box first: a new record begins there.
    Bind(EditCode, u"Code"_s);
    Bind(EditName, u"Name"_s);
    Bind(EditSort, u"SortCode"_s);
    Bind(CmbSax, u"Sax"_s);
    Bind(EditTelDay, u"TelDay"_s);
    Bind(EditTelNight, u"TelNight"_s);
    Bind(EditHandTel, u"HandTel"_s);
    Bind(EditCardId, u"CardId"_s);
    Bind(EditBornDate, u"BornDate"_s);
    Bind(CmbDept, u"Department"_s);
    Bind(EditRegDate, u"RegDate"_s);
    Bind(EditAddr, u"Addr"_s);
    Bind(EditEmail, u"E_mail"_s);
    Bind(EditRemarks, u"Remarks"_s);
    Bind(EditDepoSum, u"DepoSum"_s);
    Bind(ChkIsstop, u"Isstop"_s);

    for (QWidget *box :
         {static_cast<QWidget *>(EditCode), static_cast<QWidget *>(EditSort), static_cast<QWidget *>(EditRemarks)})
        box->installEventFilter(this);
    connect(SpeedButton1, &QToolButton::clicked, this, &TFrmReaderDataEdit::ChooseSort);
    connect(SBtIn, &QToolButton::clicked, this, &TFrmReaderDataEdit::LinkPhoto);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFrmReaderDataEdit::RemovePhoto);
    // After the base has saved and begun the next reader; a refused save leaves
    // the dialog as it was.
    connect(BtSaveAdd, &QPushButton::clicked, this, [this] {
        if (AdoqEdit().mode() == EditRecord::Mode::Add && !AdoqEdit().isModified())
            ShowRest();
    });
}

void TFrmReaderDataEdit::showEvent(QShowEvent *event)
{
    if (CmbDept->count() == 0) {
        try {
            const QString typed = CmbDept->currentText();
            CmbDept->addItems(Readers::departments(db()));
            CmbDept->setCurrentText(typed);
        } catch (const DbError &e) {
            prompt().error(e.message());
        }
    }
    TFrmBaseDataEdit::showEvent(event);
    ShowRest();
}

void TFrmReaderDataEdit::ShowRest()
{
    if (AdoqEdit().text(u"Sax"_s).isEmpty())
        CmbSax->setCurrentIndex(-1);
    for (const auto &[box, field] : Counters)
        box->setText(AdoqEdit().value(field).toString());
    PhotoFile.clear();
    ShowPhoto();
    OldCode = AdoqEdit().text(u"Code"_s);
    EditCode->setFocus();
}

void TFrmReaderDataEdit::ShowPhoto()
{
    QPixmap picture;
    if (picture.loadFromData(AdoqEdit().value(u"PhotoBmp"_s).toByteArray()))
        Image1->setPixmap(
            picture.scaled(Image1->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        Image1->clear();
}

bool TFrmReaderDataEdit::CheckData()
{
    try {
        switch (Readers::CheckData(db(), prompt(), AdoqEdit())) {
        case Readers::Refusal::None:
            return true;
        case Readers::Refusal::Missing:
            for (QLineEdit *box : {EditCode, EditName, EditSort}) {
                if (box->text().trimmed().isEmpty()) {
                    box->setFocus();
                    break;
                }
            }
            return false;
        case Readers::Refusal::CodeTaken:
            // Taken meanwhile: a new reader's box is emptied, an existing reader's number restored.
            EditCode->setText(Readers::storedCode(AdoqEdit()));
            EditCode->setFocus();
            return false;
        case Readers::Refusal::NoSuchType:
            EditSort->clear();
            EditSort->setFocus();
            return false;
        }
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    return false;
}

void TFrmReaderDataEdit::BeforeSave()
{
    Readers::BeforeSave(db(), AdoqEdit());
}

bool TFrmReaderDataEdit::SaveData()
{
    if (!TFrmBaseDataEdit::SaveData())
        return false;
    SavedCode = AdoqEdit().text(u"Code"_s);
    OldCode = SavedCode;
    return true;
}

void TFrmReaderDataEdit::EditCodeExit()
{
    // The reader's own stored number is no clash.
    if (Readers::checkCode(db(), prompt(), EditCode->text(), Readers::storedCode(AdoqEdit())))
        return;
    EditCode->setText(EditMode == 2 ? OldCode : QString());
}

void TFrmReaderDataEdit::EditSortExit()
{
    if (!Readers::checkType(db(), prompt(), EditSort->text()))
        EditSort->clear();
}

void TFrmReaderDataEdit::ChooseSort()
{
    TFrmFindReaderSort lookup(context(), this);
    lookup.exec();
    TakeLookupResult(EditSort, u"SortCode"_s, lookup.ResultCode);
}

void TFrmReaderDataEdit::LinkPhoto()
{
    const QString file = QFileDialog::getOpenFileName(this, u"查找相片"_s, QDir(programFolder()).filePath(u"Bmp"_s),
                                                      u"图片 (*.bmp *.jpg *.jpeg *.png *.gif);;所有文件 (*)"_s);
    if (file.isEmpty())
        return;
    if (!Readers::linkPhoto(AdoqEdit(), file)) {
        prompt().info(u"相片文件无法读取！"_s);
        return;
    }
    PhotoFile = file;
    ShowPhoto();
}

void TFrmReaderDataEdit::RemovePhoto()
{
    PhotoFile.clear();
    Readers::removePhoto(AdoqEdit());
    ShowPhoto();
}

bool TFrmReaderDataEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched == EditCode) {
        OldCode = EditCode->text().trimmed();
    } else if ((watched == EditCode || watched == EditSort) && leftBox(this, event)) {
        try {
            watched == EditCode ? EditCodeExit() : EditSortExit();
        } catch (const DbError &e) {
            prompt().error(e.message());
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == EditSort && (key == Qt::Key_F5 || key == Qt::Key_Plus)) {
            ChooseSort();
            return true;
        }
        if (watched == EditRemarks && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            BtSaveAdd->setFocus();
            return true;
        }
    }
    return TFrmBaseDataEdit::eventFilter(watched, event);
}

} // namespace tarvo::gui
