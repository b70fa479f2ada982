#include "bureau/parametres.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace {
const char *const CLE_GEOMETRIE = "fenetre/geometrie";
const char *const CLE_RECENTS = "calendriers/recents";
const char *const CLES_DOSSIERS[] = {"dossiers/projets", "dossiers/medias", "dossiers/sortie"};
const char *const CLE_LANGUE = "interface/langue";

// Named explicitly rather than from the application object, so that every entry point
// (and every test) reads the same file.
QSettings configuration()
{
    return QSettings(QStringLiteral("tinselbox"), QStringLiteral("tinselbox"));
}
} // namespace

QByteArray Parametres::getGeometrie()
{
    return configuration().value(QLatin1String(CLE_GEOMETRIE)).toByteArray();
}

void Parametres::setGeometrie(const QByteArray &geometrie)
{
    configuration().setValue(QLatin1String(CLE_GEOMETRIE), geometrie);
}

QStringList Parametres::getCalendriersRecents()
{
    return configuration().value(QLatin1String(CLE_RECENTS)).toStringList().mid(0, NOMBRE_RECENTS);
}

void Parametres::ajouterCalendrierRecent(const QString &chemin)
{
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    QStringList recents = getCalendriersRecents();
    recents.removeAll(absolu);
    recents.prepend(absolu);
    configuration().setValue(QLatin1String(CLE_RECENTS), QStringList(recents.mid(0, NOMBRE_RECENTS)));
}

void Parametres::retirerCalendrierRecent(const QString &chemin)
{
    QStringList recents = getCalendriersRecents();
    recents.removeAll(QFileInfo(chemin).absoluteFilePath());
    configuration().setValue(QLatin1String(CLE_RECENTS), recents);
}

void Parametres::viderCalendriersRecents()
{
    configuration().remove(QLatin1String(CLE_RECENTS));
}

QString Parametres::getDernierDossier(Dossier dossier)
{
    const QString dernier = configuration().value(QLatin1String(CLES_DOSSIERS[dossier])).toString();
    return !dernier.isEmpty() && QFileInfo(dernier).isDir() ? dernier : QDir::homePath();
}

void Parametres::setDernierDossier(Dossier dossier, const QString &chemin)
{
    if (chemin.isEmpty())
        return;
    const QFileInfo info(chemin);
    configuration().setValue(
        QLatin1String(CLES_DOSSIERS[dossier]), info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}

QString Parametres::getLangueInterface()
{
    return configuration().value(QLatin1String(CLE_LANGUE)).toString();
}

void Parametres::setLangueInterface(const QString &langue)
{
    QSettings stockage = configuration();
    if (langue.isEmpty())
        stockage.remove(QLatin1String(CLE_LANGUE));
    else
        stockage.setValue(QLatin1String(CLE_LANGUE), langue);
}
