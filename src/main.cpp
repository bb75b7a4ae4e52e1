#include "core/app/Helpers.h"
#include "gui/app/MessageBoxPrompt.h"
#include "gui/app/StartupSequence.h"
#include "gui/app/UiFont.h"
#include "gui/app/UiLanguage.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"tarvo"_s);
    QApplication::setWindowIcon(QIcon(u":/images/tarvo.png"_s));
    tarvo::gui::applyChineseUiFont();
    tarvo::gui::applyChineseLanguage();

    tarvo::gui::MessageBoxPrompt prompt;
    tarvo::gui::StartupSequence startup(prompt);
    if (!startup.run())
        return 1;
    return QApplication::exec();
}
