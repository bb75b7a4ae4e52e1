#include "GridOutput.h"

#include "ReportDesigner.h"
#include "core/app/AppState.h"
#include "core/app/Prompt.h"
#include "core/app/ProgramFolder.h"
#include "core/framework/XlsxExport.h"
#include "report/ListReport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QString templatePath(const QString &reportFile)
{
    return QDir(programFolder()).filePath(u"report/"_s + reportFile);
}

// The window's template, or a plain list of the grid's columns when it has none yet.
report::ListTemplate listTemplate(const ReportRequest &request)
{
    if (!request.reportFile.isEmpty()) {
        if (auto loaded = report::ListTemplate::load(templatePath(request.reportFile)))
            return *loaded;
    }
    report::ListTemplate plain;
    plain.title = request.title;
    return plain;
}

report::ListReport makeReport(WindowContext &context, const ReportRequest &request, const GridData &grid)
{
    report::ListTemplate layout = listTemplate(request);
    // The template's own title wins; the window's caption stands in when it has none.
    const QString title = layout.title.isEmpty() ? request.title : QString();
    return report::ListReport(std::move(layout), grid,
                              {context.state.sysParams.CorpName, title, request.condition,
                               context.state.BusinessDate});
}

// A preview or printout draws every page first: a very long list is confirmed before.
bool confirmLongReport(WindowContext &context, const GridData &grid)
{
    constexpr qsizetype kLongList = 5000;
    const qsizetype rows = grid.rows ? grid.rows->count() : 0;
    if (rows <= kLongList)
        return true;
    return context.prompt.question(u"共有 %1 条记录，打印需要较长时间，是否继续？"_s.arg(rows), u"提示！"_s,
                                   Prompt::Button::Yes | Prompt::Button::No, Prompt::Button::No)
        == Prompt::Button::Yes;
}

} // namespace

void ExportToExcel(QWidget *parent, WindowContext &context, const QString &caption, const GridData &grid)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(parent, u"导出Excel"_s,
                                                      QDir(folder).filePath(caption + u".xlsx"_s),
                                                      u"Excel 工作簿 (*.xlsx)"_s);
    if (path.isEmpty())
        return;
    QProgressDialog progress(u"正在导出..."_s, u"取消"_s, 0, 100, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QString error;
    const bool written = XlsxExport::write(path, grid, &error, [&](qsizetype done, qsizetype total) {
        progress.setValue(total > 0 ? int(done * 100 / total) : 100);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (!written) {
        if (!error.isEmpty())
            context.prompt.info(u"导出失败：\n"_s + error);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void PreviewReport(QWidget *parent, WindowContext &context, const ReportRequest &request, const GridData &grid)
{
    if (!confirmLongReport(context, grid))
        return;
    const report::ListReport report = makeReport(context, request, grid);
    QPrinter printer(QPrinter::HighResolution);
    report.applyPageLayout(&printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(u"报表预览"_s);
    preview.resize(960, 720);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter *p) { report.print(p); });
    preview.exec();
}

void PrintReport(QWidget *parent, WindowContext &context, const ReportRequest &request, const GridData &grid)
{
    if (!confirmLongReport(context, grid))
        return;
    const report::ListReport report = makeReport(context, request, grid);
    QPrinter printer(QPrinter::HighResolution);
    report.applyPageLayout(&printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"报表打印"_s);
    if (dialog.exec() == QDialog::Accepted)
        report.print(&printer);
}

void DesignReport(QWidget *parent, WindowContext &context, const ReportRequest &request, const GridData &grid)
{
    if (request.reportFile.isEmpty())
        return;
    TFrmReportDesigner designer(context, templatePath(request.reportFile), request.title, grid, parent);
    designer.exec();
}

} // namespace tarvo::gui
