#include "publication/publieur.h"

#include "publication/listesite.h"
#include "publication/planpublication.h"
#include "publication/transfertfichiers.h"
#include "publication/transferts3.h"
#include "publication/transfertwebdav.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QtConcurrent>

#include <memory>

#include <openssl/crypto.h>

namespace {

// The transfer for the target's protocol; null without one.
std::unique_ptr<TransfertCurl> creerTransfert(
    CiblePublication const &cible, TransfertCurl::Reglages const &reglages)
{
    switch (cible.getProtocole()) {
    case CiblePublication::SFTP:
    case CiblePublication::FTPS:
        return std::make_unique<TransfertFichiers>(cible, reglages);
    case CiblePublication::DAVS:
        return std::make_unique<TransfertWebdav>(cible, reglages);
    case CiblePublication::S3:
        return std::make_unique<TransfertS3>(cible, reglages);
    case CiblePublication::AUCUN:
        break;
    }
    return nullptr;
}

} // namespace

Publieur::Publieur(CiblePublication const &cible, TransfertCurl::Reglages const &reglages)
    : cible(cible), reglages(reglages)
{}

QString Publieur::getEmpreinteInconnue() const
{
    return empreinteInconnue;
}

Resultat Publieur::publier(
    QString const &repertoire, bool simulation, bool accepterEtranger, Bilan *bilan, Suivi const &suivi)
{
    *bilan = Bilan();
    empreinteInconnue.clear();
    // The site's digests are computed while the server is reached and listed.
    ListeSite locale;
    QFuture<Resultat> calcul = QtConcurrent::run([&repertoire, &locale] {
        const Resultat resultat = ListeSite::calculer(repertoire, &locale);
        // The pool's thread outlives the publish: OpenSSL's state for it goes now, not never.
        OPENSSL_thread_stop();
        return resultat;
    });

    qint64 fait = 0;
    qint64 total = 0;
    QString enCours;
    qint64 tailleEnCours = 0;
    TransfertCurl::Reglages avecSuivi = reglages;
    avecSuivi.progression = [&](qint64 octets) {
        if (suivi.progression)
            suivi.progression(enCours, octets, tailleEnCours, fait + octets, total);
    };
    const std::unique_ptr<TransfertCurl> transfert = creerTransfert(cible, avecSuivi);
    if (!transfert) {
        calcul.waitForFinished();
        return Resultat::echec(Resultat::Cause::Publication, tr("No publishing address is set."));
    }
    auto echouer = [&](Resultat const &resultat) {
        calcul.waitForFinished();
        empreinteInconnue = transfert->getEmpreinteInconnue();
        return resultat;
    };

    QMap<QString, qint64> distants;
    const Resultat listage = transfert->lister(&distants);
    if (!listage)
        return echouer(listage);
    QByteArray texteListe;
    bool absente = !distants.contains(ListeSite::NOM_FICHIER);
    if (!absente) {
        const Resultat lecture = transfert->lire(ListeSite::NOM_FICHIER, &texteListe, &absente);
        if (!lecture)
            return echouer(lecture);
    }
    const Resultat calculFait = calcul.result();
    if (!calculFait)
        return calculFait;
    const PlanPublication plan = PlanPublication::etablir(
        locale, distants, absente ? nullptr : &texteListe, transfert->parNomTemporaire());
    if (plan.estEtranger() && !accepterEtranger)
        return Resultat::echec(Resultat::Cause::DossierEtranger,
            tr("The remote folder %1 holds files that no publish of a calendar put there; publishing beside "
               "them needs your confirmation (they are never deleted).")
                .arg(Resultat::cheminLisible(
                    cible.getChemin().isEmpty() ? QStringLiteral("/") : cible.getChemin())));

    bilan->inchanges = plan.getInchanges();
    bilan->aEnvoyer = plan.getEnvois();
    bilan->aSupprimer = plan.getSuppressions();
    bilan->octetsAEnvoyer = plan.getOctetsAEnvoyer();
    if (simulation || plan.estVide())
        return Resultat();

    auto envoyerListe = [&](QByteArray texte) {
        QBuffer tampon(&texte);
        tampon.open(QIODevice::ReadOnly);
        return transfert->envoyer(&tampon, texte.size(),
            QCryptographicHash::hash(texte, QCryptographicHash::Sha256).toHex(), ListeSite::NOM_FICHIER);
    };
    if (!plan.getListeProvisoire().isEmpty()) {
        const Resultat provisoire = envoyerListe(plan.getListeProvisoire());
        if (!provisoire)
            return echouer(provisoire);
    }

    total = plan.getOctetsAEnvoyer();
    for (const QString &chemin : plan.getEnvois()) {
        const ListeSite::Entree entree = locale.entree(chemin);
        QFile fichier(repertoire + QLatin1Char('/') + chemin);
        if (!fichier.open(QIODevice::ReadOnly))
            return Resultat::echec(Resultat::Cause::FichierInaccessible,
                tr("Cannot send %1: %2.").arg(chemin, fichier.errorString()))
                .avecChemin(fichier.fileName());
        enCours = chemin;
        tailleEnCours = entree.taille;
        const Resultat envoi = transfert->envoyer(&fichier, entree.taille, entree.empreinte, chemin);
        if (!envoi)
            return echouer(envoi);
        fait += entree.taille;
        ++bilan->envoyes;
        bilan->octetsEnvoyes += entree.taille;
        if (suivi.fichier)
            suivi.fichier(chemin, entree.taille);
    }
    // Once the new page is in place, nothing needs the old files; the list written last
    // still names them until they are gone.
    for (const QString &chemin : plan.getSuppressions()) {
        if (reglages.arret != nullptr && *reglages.arret)
            return Resultat::echec(Resultat::Cause::Interrompu, TransfertCurl::tr("Publishing was stopped."))
                .avecDetail(CURLE_ABORTED_BY_CALLBACK);
        const Resultat suppression = transfert->supprimer(chemin);
        if (!suppression)
            return echouer(suppression);
        ++bilan->supprimes;
        if (suivi.fichier)
            suivi.fichier(chemin, -1);
    }
    if (!plan.getListeFinale().isEmpty())
        return echouer(envoyerListe(plan.getListeFinale()));
    return Resultat();
}
