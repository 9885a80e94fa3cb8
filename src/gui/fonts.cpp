#include "gui/fonts.h"

#include <QFont>
#include <QStringList>

void UseProgramFonts() {
    static const bool registered = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("Arial")});
        return true;
    }();
    (void)registered;
}
