#include "UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

void applyChineseLanguage()
{
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    QLocale::setDefault(chinese);
    // Qt's texts come from qtbase_zh_CN.qm (Debian: qt6-translations-l10n); without it they stay English.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(chinese, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace tarvo::gui
