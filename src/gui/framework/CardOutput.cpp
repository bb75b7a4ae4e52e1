#include "CardOutput.h"

#include "core/app/Prompt.h"
#include "report/CardReport.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

// A preview or printout draws every card first: a very long list is confirmed before.
bool confirmManyCards(WindowContext &context, const report::CardReport &report, const QString &caption)
{
    constexpr qsizetype kManyCards = 5000;
    if (report.cardCount() <= kManyCards)
        return true;
    return context.prompt.question(u"共有 %1 张%2，打印需要较长时间，是否继续？"_s.arg(report.cardCount()).arg(caption),
                                   u"提示！"_s, Prompt::Button::Yes | Prompt::Button::No,
                                   Prompt::Button::No) == Prompt::Button::Yes;
}

} // namespace

void PrintCards(QWidget *parent, WindowContext &context, const report::CardReport &report, const QString &caption)
{
    if (!confirmManyCards(context, report, caption))
        return;
    QPrinter printer(QPrinter::HighResolution);
    report.applyPageLayout(&printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"打印"_s + caption);
    if (dialog.exec() == QDialog::Accepted)
        report.print(&printer);
}

void PreviewCards(QWidget *parent, WindowContext &context, const report::CardReport &report, const QString &caption)
{
    if (!confirmManyCards(context, report, caption))
        return;
    QPrinter printer(QPrinter::HighResolution);
    report.applyPageLayout(&printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(caption + u" - 打印预览"_s);
    preview.resize(960, 720);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter *p) { report.print(p); });
    if (auto *tools = preview.findChild<QToolBar *>()) {
        tools->addSeparator();
        QAction *pdf = tools->addAction(preview.style()->standardIcon(QStyle::SP_DialogSaveButton), u"另存为PDF"_s);
        pdf->setObjectName(u"ActSavePdf"_s);
        pdf->setToolTip(u"另存为PDF文件"_s);
        QObject::connect(pdf, &QAction::triggered, &preview,
                         [&] { SaveCardsAsPdf(&preview, context, report, caption); });
    }
    preview.exec();
}

bool SaveCardsAsPdf(QWidget *parent, WindowContext &context, const report::CardReport &report, const QString &caption)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        parent, u"另存为PDF"_s, QDir(folder).filePath(caption + u".pdf"_s), u"PDF 文件 (*.pdf)"_s);
    if (path.isEmpty())
        return false;
    QString error;
    if (report.writePdf(path, &error))
        return true;
    context.prompt.info(u"保存失败：\n"_s + error);
    return false;
}

} // namespace tarvo::gui
