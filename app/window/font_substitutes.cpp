#include "app/window/font_substitutes.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes()
{
    const QString cjk = QStringLiteral("WenQuanYi Zen Hei");
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitutions(QStringLiteral("宋体"), { cjk, sans });
    QFont::insertSubstitutions(QStringLiteral("Arial"), { sans, cjk });
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), { sans, cjk });
}
