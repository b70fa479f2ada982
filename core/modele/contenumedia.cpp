#include "modele/contenumedia.h"

#include "modele/fichierordinaire.h"

#include <QMimeDatabase>

namespace {

bool correspond(QString const &type, QStringList const &familles)
{
    for (const QString &famille : familles) {
        if (famille.endsWith(QLatin1Char('/')) ? type.startsWith(famille) : type == famille)
            return true;
    }
    return false;
}

} // namespace

bool ContenuMedia::estDeLaFamille(QString const &chemin, QStringList const &familles)
{
    if (!FichierOrdinaire::estFichierOrdinaire(chemin))
        return false;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(chemin, QMimeDatabase::MatchContent);
    if (correspond(type.name(), familles))
        return true;
    for (const QString &ancetre : type.allAncestors()) {
        if (correspond(ancetre, familles))
            return true;
    }
    return false;
}
