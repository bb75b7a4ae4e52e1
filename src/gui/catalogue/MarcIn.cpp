#include "MarcIn.h"

#include "core/app/Prompt.h"
#include "core/catalogue/MarcImport.h"
#include "gui/controls/Colours.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmMarcIn::TFrmMarcIn(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , EditFile(new QLineEdit(this))
    , BtBrowse(new QToolButton(this))
    , CmbEncoding(new QComboBox(this))
    , LabMess(new QLabel(u"正在导入数据,请稍后..."_s, this))
    , ProgressBar1(new QProgressBar(this))
    , BtOk(new QPushButton(u"确定(&C)"_s, this))
    , BtCancel(new QPushButton(u"取消(&E)"_s, this))
{
    setObjectName(u"FrmMarcIn"_s);
    setWindowTitle(u"从Marc数据导入"_s);
    paint(this, Colours::QueryPanel);
    EditFile->setObjectName(u"EditFile"_s);
    EditFile->setMinimumWidth(360);
    BtBrowse->setObjectName(u"BtBrowse"_s);
    BtBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    BtBrowse->setToolTip(u"选择Marc文件"_s);
    CmbEncoding->setObjectName(u"CmbEncoding"_s);
    CmbEncoding->addItem(u"自动"_s, int(MarcEncoding::Auto));
    CmbEncoding->addItem(u"GBK"_s, int(MarcEncoding::Gbk));
    CmbEncoding->addItem(u"UTF-8"_s, int(MarcEncoding::Utf8));
    LabMess->setObjectName(u"LabMess"_s);
    LabMess->setStyleSheet(u"color: #1f3fbf; font-weight: bold;"_s);
    LabMess->setVisible(false);
    ProgressBar1->setObjectName(u"ProgressBar1"_s);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setVisible(false);
    BtOk->setObjectName(u"BtOk"_s);
    BtOk->setDefault(true);
    BtCancel->setObjectName(u"BtCancel"_s);
    BtCancel->setAutoDefault(false);

    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(10);
    fields->addWidget(new QLabel(u"选择Marc文件:"_s, this), 0, 0);
    fields->addWidget(EditFile, 0, 1);
    fields->addWidget(BtBrowse, 0, 2);
    fields->addWidget(new QLabel(u"文件编码:"_s, this), 1, 0);
    auto *encodingRow = new QHBoxLayout;
    encodingRow->addWidget(CmbEncoding);
    encodingRow->addStretch();
    fields->addLayout(encodingRow, 1, 1, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(fields);
    layout->addWidget(LabMess);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);

    connect(BtBrowse, &QToolButton::clicked, this, &TFrmMarcIn::BtBrowseClick);
    connect(BtOk, &QPushButton::clicked, this, &TFrmMarcIn::BtOkClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmMarcIn::reject);
}

MarcEncoding TFrmMarcIn::chosenEncoding() const
{
    return MarcEncoding(CmbEncoding->currentData().toInt());
}

void TFrmMarcIn::BtBrowseClick()
{
    const QString file = QFileDialog::getOpenFileName(this, u"选择Marc文件"_s, QFileInfo(EditFile->text()).path(),
                                                      u"MARC 文件 (*.iso *.mrc *.marc *.dat *.txt);;所有文件 (*)"_s);
    if (!file.isEmpty())
        EditFile->setText(file);
}

void TFrmMarcIn::setRunning(bool running)
{
    m_running = running;
    const QList<QWidget *> inputs{EditFile, BtBrowse, CmbEncoding, BtOk};
    for (QWidget *input : inputs)
        input->setEnabled(!running);
    LabMess->setVisible(running);
    ProgressBar1->setVisible(running);
    ProgressBar1->setValue(0);
    if (running)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else {
        QApplication::restoreOverrideCursor();
        adjustSize();
    }
}

void TFrmMarcIn::BtOkClick()
{
    const QString path = EditFile->text().trimmed();
    if (path.isEmpty()) {
        prompt().info(u"请选择Marc文件！"_s);
        EditFile->setFocus();
        return;
    }
    m_cancelled = false;
    setRunning(true);
    const MarcImport::Result result =
        MarcImport(db(), chosenEncoding()).importFile(path, [this](const MarcImport::Progress &progress) {
            if (progress.bytesTotal > 0)
                ProgressBar1->setValue(int(progress.bytesRead * 100 / progress.bytesTotal));
            QApplication::processEvents();
            return !m_cancelled;
        });
    setRunning(false);
    if (!result.error.isEmpty()) {
        // Batches written before the failure stay and are counted; with none the
        // operator may choose another file.
        prompt().error(result.imported > 0 ? result.error + u'\n' + MarcImport::summary(result) : result.error);
        if (result.imported == 0)
            return;
    } else
        prompt().info(MarcImport::summary(result));
    if (m_cancelled)
        TFrmBaseD::reject();
    else
        accept();
}

void TFrmMarcIn::reject()
{
    if (m_running) {
        m_cancelled = true;
        return;
    }
    TFrmBaseD::reject();
}

} // namespace tarvo::gui
