#include "publication/planpublication.h"

#include "format/format.h"

namespace {

// Media first, so that the scripts never name a picture the server lacks; the page last.
int rang(QString const &chemin)
{
    if (chemin.startsWith(Format::REPERTOIRE_MEDIA + QLatin1Char('/')))
        return 0;
    if (chemin == Format::PAGE)
        return 2;
    return 1;
}

} // namespace

QString PlanPublication::nomTemporaire(QString const &chemin)
{
    return chemin + QLatin1String(".tinselbox-envoi");
}

PlanPublication PlanPublication::etablir(ListeSite const &locale, QMap<QString, qint64> const &distants,
    QByteArray const *texteListe, bool avecTemporaires)
{
    PlanPublication plan;
    plan.locale = locale;
    ListeSite distante;
    if (texteListe != nullptr && !ListeSite::lire(*texteListe, &distante))
        plan.listeDouteuse = true;
    if (texteListe == nullptr) {
        for (auto it = distants.cbegin(); it != distants.cend(); ++it) {
            if (it.key() != ListeSite::NOM_FICHIER)
                plan.etranger = true;
        }
    }

    // A listed digest is trusted only where the server holds a file of the listed size.
    ListeSite provisoire;
    for (auto it = distante.entrees().cbegin(); it != distante.entrees().cend(); ++it) {
        const bool present = distants.contains(it.key());
        if (!present && locale.contient(it.key()))
            continue;
        ListeSite::Entree entree = it.value();
        if (!present || distants.value(it.key()) != entree.taille) {
            if (!entree.empreinte.isEmpty())
                plan.listeDouteuse = true;
            entree.empreinte.clear();
        }
        provisoire.inserer(it.key(), entree);
    }

    for (auto it = locale.entrees().cbegin(); it != locale.entrees().cend(); ++it) {
        const ListeSite::Entree connue = provisoire.entree(it.key());
        if (provisoire.contient(it.key()) && !connue.empreinte.isEmpty() && connue.empreinte == it->empreinte
            && connue.taille == it->taille) {
            ++plan.inchanges;
            continue;
        }
        plan.envois << it.key();
        plan.octets += it->taille;
        provisoire.inserer(it.key(), {it->taille, QByteArray()});
        if (avecTemporaires)
            provisoire.inserer(nomTemporaire(it.key()), {it->taille, QByteArray()});
    }
    std::stable_sort(plan.envois.begin(), plan.envois.end(),
        [](QString const &a, QString const &b) { return rang(a) < rang(b); });

    // What the server still holds of what a list named, and this site no longer has.
    for (auto it = provisoire.entrees().cbegin(); it != provisoire.entrees().cend(); ++it) {
        if (!locale.contient(it.key()) && distants.contains(it.key()) && it.key() != ListeSite::NOM_FICHIER)
            plan.suppressions << it.key();
    }

    const QByteArray finale = locale.texte();
    if (!plan.envois.isEmpty() || !plan.suppressions.isEmpty()) {
        plan.listeProvisoire = provisoire.texte();
        plan.listeFinale = finale;
    } else if (texteListe == nullptr || *texteListe != finale) {
        plan.listeFinale = finale;
    }
    return plan;
}

bool PlanPublication::estEtranger() const
{
    return etranger;
}

bool PlanPublication::estListeDouteuse() const
{
    return listeDouteuse;
}

bool PlanPublication::estVide() const
{
    return envois.isEmpty() && suppressions.isEmpty() && listeFinale.isEmpty();
}

QStringList const &PlanPublication::getEnvois() const
{
    return envois;
}

QStringList const &PlanPublication::getSuppressions() const
{
    return suppressions;
}

int PlanPublication::getInchanges() const
{
    return inchanges;
}

qint64 PlanPublication::getOctetsAEnvoyer() const
{
    return octets;
}

QByteArray const &PlanPublication::getListeProvisoire() const
{
    return listeProvisoire;
}

QByteArray const &PlanPublication::getListeFinale() const
{
    return listeFinale;
}

ListeSite const &PlanPublication::getLocale() const
{
    return locale;
}
