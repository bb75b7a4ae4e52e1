#include "HelpViewer.h"

#include "core/app/ProgramFolder.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

void ShowHelp(QWidget *parent, const QString &topic)
{
    auto *window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(u"帮助"_s);
    window->resize(640, 560);
    auto *browser = new QTextBrowser(window);
    browser->setObjectName(u"HelpBrowser"_s);
    browser->setOpenExternalLinks(true);
    const QString folder = QDir(programFolder()).filePath(u"help"_s);
    browser->setSearchPaths({folder});
    const QString page = topic.isEmpty() ? u"index.htm"_s : topic;
    if (QFileInfo::exists(QDir(folder).filePath(page)))
        browser->setSource(QUrl(page));
    else
        browser->setHtml(u"<p>没有找到帮助主题 %1。</p>"_s.arg(page.toHtmlEscaped()));
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    window->show();
}

} // namespace tarvo::gui
