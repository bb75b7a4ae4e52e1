#include "UiFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

void applyChineseUiFont()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : {u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s}) {
        if (installed.contains(family)) {
            QFont font(family);
            font.setPointSize(10);
            QApplication::setFont(font);
            return;
        }
    }
}

} // namespace tarvo::gui
