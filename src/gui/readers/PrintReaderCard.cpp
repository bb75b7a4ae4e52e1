#include "PrintReaderCard.h"

#include "gui/app/Guarded.h"
#include "gui/controls/Colours.h"
#include "gui/framework/CardDesigner.h"
#include "gui/framework/CardOutput.h"

#include "core/app/AppState.h"
#include "core/app/Parameters.h"
#include "core/app/ProgramFolder.h"
#include "core/app/Prompt.h"
#include "report/CardReport.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {
const QString kFront = u"ReaderCard.rmf"_s;
const QString kBack = u"ReaderCardB.rmf"_s;
const QString kCaption = u"借书证"_s;
} // namespace

TFrmPrintReaderCard::TFrmPrintReaderCard(WindowContext &context, const GridRows *rows, const QStringList &fields,
                                         QWidget *parent)
    : TFrmBaseD(context, parent)
    , ReportFile(kFront)
    , SbtPrint(new QPushButton(u"打印"_s, this))
    , SbtPreview(new QPushButton(u"打印预览"_s, this))
    , SbtDesign(new QPushButton(u"报表设计"_s, this))
    , Rb1(new QRadioButton(u"打印借书证正面"_s, this))
    , Rb2(new QRadioButton(u"打印借书证背面"_s, this))
    , Memo1(new QPlainTextEdit(this))
    , BtExit(new QPushButton(u"退出(&E)"_s, this))
    , m_rows(rows)
    , m_fields(fields)
{
    setObjectName(u"FrmPrintReaderCard"_s);
    setWindowTitle(u"打印借书证"_s);
    const std::pair<QPushButton *, QString> buttons[] = {
        {SbtPrint, u"SbtPrint"_s}, {SbtPreview, u"SbtPreview"_s}, {SbtDesign, u"SbtDesign"_s}, {BtExit, u"BtExit"_s}};
    for (const auto &[button, name] : buttons) {
        button->setObjectName(name);
        button->setAutoDefault(false);
        button->setMinimumWidth(84);
    }
    Rb1->setObjectName(u"Rb1"_s);
    Rb2->setObjectName(u"Rb2"_s);
    Rb1->setChecked(true);
    Memo1->setObjectName(u"Memo1"_s);
    // As wide as the longest designed rule line, so that the lines wrap as on the card.
    const QFontMetrics metrics(Memo1->font());
    Memo1->setMinimumWidth(metrics.horizontalAdvance(u"2、此证仅作借阅凭证，不具有其它功能。"_s) + 40);
    Memo1->setMinimumHeight(metrics.lineSpacing() * 7);

    auto *panel = new QWidget(this);
    panel->setObjectName(u"Panel1"_s);
    paint(panel, Colours::ToolBar);
    auto *top = new QHBoxLayout(panel);
    top->setContentsMargins(8, 6, 8, 6);
    top->addWidget(SbtPrint);
    top->addWidget(SbtPreview);
    top->addWidget(SbtDesign);
    top->addStretch(1);

    auto *side = new QGroupBox(u"打印内容"_s, this);
    auto *sides = new QHBoxLayout(side);
    sides->addWidget(Rb1);
    sides->addWidget(Rb2);
    sides->addStretch(1);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 8);
    body->addWidget(side);
    body->addWidget(new QLabel(u"借书证背面使用须知:"_s, this));
    body->addWidget(Memo1, 1);
    auto *foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(BtExit);
    body->addLayout(foot);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addLayout(body, 1);
    paint(this, Colours::QueryPanel);

    connect(Rb1, &QRadioButton::toggled, this, &TFrmPrintReaderCard::Rb1Click);
    connect(Rb2, &QRadioButton::toggled, this, &TFrmPrintReaderCard::Rb1Click);
    connect(SbtPrint, &QPushButton::clicked, this, &TFrmPrintReaderCard::SbtPrintClick);
    connect(SbtPreview, &QPushButton::clicked, this, &TFrmPrintReaderCard::SbtPreviewClick);
    connect(SbtDesign, &QPushButton::clicked, this, &TFrmPrintReaderCard::SbtDesignClick);
    connect(BtExit, &QPushButton::clicked, this, &TFrmPrintReaderCard::BtExitClick);
}

void TFrmPrintReaderCard::InitForm()
{
    TFrmBaseD::InitForm();
    Guarded(prompt(), [this] { Memo1->setPlainText(Parameters::cardRules(db())); });
    ReportFile = kFront;
}

void TFrmPrintReaderCard::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        BtExit->click();
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

void TFrmPrintReaderCard::Rb1Click()
{
    ReportFile = Rb2->isChecked() ? kBack : kFront;
}

QString TFrmPrintReaderCard::TemplatePath() const
{
    return QDir(programFolder()).filePath(u"report/"_s + ReportFile);
}

QHash<QString, QString> TFrmPrintReaderCard::NamedValues() const
{
    // The rules as the box shows them now, so that a preview shows what is being typed.
    return {{u"CorpName"_s, state().sysParams.CorpName}, {u"Rcardmemo"_s, Memo1->toPlainText()}};
}

std::optional<report::CardReport> TFrmPrintReaderCard::Prepare()
{
    QString error;
    std::optional<report::CardTemplate> layout = report::CardTemplate::load(TemplatePath(), &error);
    if (!layout) {
        prompt().error(error);
        return std::nullopt;
    }
    report::CardReport cards(std::move(*layout), report::CardData(m_rows, m_fields, NamedValues()));
    if (cards.cardCount() == 0)
        return std::nullopt;
    return cards;
}

void TFrmPrintReaderCard::SbtPrintClick()
{
    Guarded(prompt(), [this] {
        if (const auto cards = Prepare())
            PrintCards(this, context(), *cards, kCaption);
    });
}

void TFrmPrintReaderCard::SbtPreviewClick()
{
    Guarded(prompt(), [this] {
        if (const auto cards = Prepare())
            PreviewCards(this, context(), *cards, kCaption);
    });
}

void TFrmPrintReaderCard::SbtDesignClick()
{
    const QString path = TemplatePath();
    report::CardTemplate layout;
    // A template not there yet is begun afresh; one that cannot be read is not overwritten.
    if (QFile::exists(path)) {
        QString error;
        const auto loaded = report::CardTemplate::load(path, &error);
        if (!loaded) {
            prompt().error(error);
            return;
        }
        layout = *loaded;
    }
    TFrmCardDesigner designer(context(), layout, path, report::CardData(m_rows, m_fields, NamedValues()), this);
    designer.exec();
}

void TFrmPrintReaderCard::BtExitClick()
{
    if (Guarded(prompt(), [this] { Parameters::saveCardRules(db(), Memo1->toPlainText()); }))
        accept();
}

} // namespace tarvo::gui
