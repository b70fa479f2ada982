#include "site/miseenformetaille.h"

#include <QCoreApplication>
#include <QLocale>

void mettreEnFormeTaille(qint64 taille, QString *valeur, QString *unite)
{
    struct Echelle {
        qint64 facteur;
        const char *unite;
    };
    static const Echelle echelles[] = {
        {1000000000LL, "Go"},
        {1000000LL, "Mo"},
        {1000LL, "ko"},
    };

    for (const Echelle &echelle : echelles) {
        if (taille >= echelle.facteur) {
            const qint64 entier = taille / echelle.facteur;
            const qint64 milliemes = (taille % echelle.facteur) / (echelle.facteur / 1000);
            *valeur = QStringLiteral("%1.%2").arg(entier).arg(milliemes, 3, 10, QLatin1Char('0'));
            *unite = QString::fromLatin1(echelle.unite);
            return;
        }
    }
    *valeur = QString::number(taille);
    *unite = QStringLiteral("bytes");
}

void mettreEnFormeTailleLocale(qint64 taille, QString *valeur, QString *unite)
{
    // The units as each language abbreviates them, looked up from the ones above.
    static const char *const unites[][2] = {
        {"Go", QT_TRANSLATE_NOOP("Taille", "GB")},
        {"Mo", QT_TRANSLATE_NOOP("Taille", "MB")},
        {"ko", QT_TRANSLATE_NOOP("Taille", "kB")},
        {"bytes", QT_TRANSLATE_NOOP("Taille", "bytes")},
    };
    mettreEnFormeTaille(taille, valeur, unite);
    valeur->replace(QLatin1Char('.'), QLocale().decimalPoint());
    for (const auto &paire : unites) {
        if (*unite == QLatin1String(paire[0])) {
            *unite = QCoreApplication::translate("Taille", paire[1]);
            return;
        }
    }
}
