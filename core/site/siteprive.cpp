#include "site/siteprive.h"

#include "chiffrement/chainecles.h"
#include "chiffrement/chiffrement.h"
#include "chiffrement/coffrecles.h"
#include "chiffrement/formatchiffre.h"
#include "format/ecriturefichier.h"
#include "format/format.h"
#include "modele/calendrier.h"
#include "modele/media.h"
#include "modele/message.h"
#include "site/textespage.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QMutex>
#include <QSaveFile>
#include <QScopeGuard>
#include <QtConcurrent>

#include <openssl/crypto.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString SOURCE_VERROU = QStringLiteral(":tinselbox/prive/scripts/verrou.js");
const QString SOURCE_DECHIFFREMENT = QStringLiteral(":tinselbox/prive/scripts/dechiffrement.js");

QString joindre(QString const &repertoire, QString const &nom)
{
    return repertoire + QLatin1Char('/') + nom;
}

QString nomGenre(Media::TypeMedia type)
{
    switch (type) {
    case Media::PHOTO:
        return QStringLiteral("photo");
    case Media::MUSIQUE:
        return QStringLiteral("musique");
    case Media::VIDEO:
        return QStringLiteral("video");
    case Media::MESSAGE:
        return QStringLiteral("message");
    case Media::AUCUN:
        break;
    }
    return QString();
}

// Drops the lines that hold only a comment, blank lines and each line's indentation: the
// script's own lines never continue a string or a comment onto the next one. Without
// `avecChaine`, the part for doors that open only on their day goes too: a phone does not
// download what its calendar never runs.
QByteArray compacte(QByteArray const &script, bool avecChaine)
{
    QByteArray compact;
    bool horsChaine = false;
    for (const QByteArray &ligne : script.split('\n')) {
        const QByteArray texte = ligne.trimmed();
        if (!avecChaine && texte.startsWith("// <CHAINE>"))
            horsChaine = true;
        else if (texte.startsWith("// </CHAINE>"))
            horsChaine = false;
        if (!horsChaine && !texte.isEmpty() && !texte.startsWith("//"))
            compact += texte + '\n';
    }
    return compact;
}

bool compacterScript(QString const &chemin, bool avecChaine)
{
    QFile entree(chemin);
    if (!entree.open(QIODevice::ReadOnly))
        return false;
    const QByteArray compact = compacte(entree.readAll(), avecChaine);
    entree.close();
    QSaveFile sortie(chemin);
    return sortie.open(QIODevice::WriteOnly) && sortie.write(compact) == compact.size() && sortie.commit();
}

Resultat echecLecture(QString const &source, QIODevice const &entree)
{
    return Resultat::echec(Resultat::Cause::Media,
        SitePrive::tr("The file %1 cannot be read: %2.")
            .arg(Resultat::cheminLisible(source), entree.errorString()))
        .avecChemin(source);
}

// The digests of the files encrypted in this session, by what identifies a file's version
// (device, inode, size, change times) and the line that precedes its bytes: generating
// again reads an unchanged media only when its encrypted copy has to be written again.
QByteArray cleEmpreinte(QFile const &fichier, QByteArray const &entete)
{
    struct stat infos;
    if (fichier.handle() < 0 || ::fstat(fichier.handle(), &infos) != 0 || !S_ISREG(infos.st_mode))
        return QByteArray();
    const qint64 champs[] = {qint64(infos.st_dev), qint64(infos.st_ino), qint64(infos.st_size),
        qint64(infos.st_mtim.tv_sec), qint64(infos.st_mtim.tv_nsec), qint64(infos.st_ctim.tv_sec),
        qint64(infos.st_ctim.tv_nsec)};
    return QByteArray(reinterpret_cast<const char *>(champs), sizeof(champs)) + entete;
}

// The previous site's copy of the same content, when `precedent` is a plain file of
// `taille` bytes that begins with `debut`: linked into the new site (it replaces the old one,
// whose file it was), copied where the file system has no links.
bool reprendre(QString const &precedent, qint64 taille, QByteArray const &debut, QString const &destination)
{
    struct stat infos;
    const QByteArray ancien = QFile::encodeName(precedent);
    if (precedent.isEmpty() || ::lstat(ancien.constData(), &infos) != 0 || !S_ISREG(infos.st_mode)
        || infos.st_size != taille)
        return false;
    QFile fichier(precedent);
    if (!fichier.open(QIODevice::ReadOnly) || fichier.read(debut.size()) != debut)
        return false;
    if (::link(ancien.constData(), QFile::encodeName(destination).constData()) == 0)
        return true;
    return QFile::copy(precedent, destination);
}

QMutex verrouEmpreintes;
QHash<QByteArray, QByteArray> empreintes;

QByteArray empreinteConnue(QFile const &fichier, QByteArray const &entete)
{
    const QByteArray cle = cleEmpreinte(fichier, entete);
    const QMutexLocker garde(&verrouEmpreintes);
    return cle.isEmpty() ? QByteArray() : empreintes.value(cle);
}

void memoriserEmpreinte(QFile const &fichier, QByteArray const &entete, QByteArray const &empreinte)
{
    const QByteArray cle = cleEmpreinte(fichier, entete);
    const QMutexLocker garde(&verrouEmpreintes);
    if (!cle.isEmpty())
        empreintes.insert(cle, empreinte);
}

} // namespace

Resultat SitePrive::preparer(
    Calendrier const &calendrier, QString const &motDePasse, Cles *cles, QString *avis)
{
    if (motDePasse.isEmpty())
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            SitePrive::tr("This calendar is private: its password is needed to generate it."));
    cles->parametres = ParametresCle::lire(calendrier.getOptions().cle);
    if (!cles->parametres.estValide()) {
        cles->parametres = ParametresCle::nouveaux();
        *avis = SitePrive::tr(
            "The project file holds no key parameters for its password: this site gets a new key, and "
            "visitors who were remembered type the password again. Set the password in Options to keep "
            "the same key from one generation to the next.");
    }
    QString erreur;
    cles->cleMotDePasse = cles->parametres.deriver(motDePasse);
    if (!cles->cleMotDePasse.isEmpty())
        cles->cleMaitre = CoffreCles::cleMaitre(cles->parametres, cles->cleMotDePasse, &erreur);
    if (cles->cleMaitre.isEmpty())
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            erreur.isEmpty() ? SitePrive::tr("The calendar's keys cannot be made on this computer.")
                             : erreur);
    return Resultat();
}

Resultat SitePrive::preparerChaine(
    Calendrier const &calendrier, QDateTime const &instant, Cles *cles, QString *avis)
{
    QByteArray secret;
    bool nouveau = false;
    const Resultat lu = ChaineCles::secret(calendrier, true, &secret, &nouveau);
    if (!lu)
        return lu;
    if (nouveau && avis != nullptr)
        *avis =
            tr("This computer kept no key chain for this calendar: a new chain is started, and the site's "
               "days are encrypted again. If this calendar was published from another computer, give its "
               "recovery code (Options, or --recovery-code-file) to go on with its chain.");
    const OptionsCalendrier &options = calendrier.getOptions();
    const ChaineCles::Position position =
        ChaineCles::position(options, ChaineCles::dateDansFuseau(options, instant));
    cles->longueur = options.jours;
    cles->cleDernierJour = ChaineCles::cleDernierJour(secret, position.tour, options.jours);
    cles->jourChaine = position.jour;
    cles->cleChaine = position.jour > 0
        ? ChaineCles::cleJour(cles->cleDernierJour, options.jours, position.jour)
        : QByteArray();
    if (cles->cleDernierJour.isEmpty())
        return Resultat::echec(
            Resultat::Cause::FichierInaccessible, tr("The calendar's keys cannot be made on this computer."));
    return Resultat();
}

SitePrive::Cles SitePrive::clesDuJour(Cles const &cles, int jour)
{
    Cles resultat = cles;
    if (!cles.cleDernierJour.isEmpty())
        resultat.cleMaitre =
            ChaineCles::cleContenu(ChaineCles::cleJour(cles.cleDernierJour, cles.longueur, jour));
    return resultat;
}

QByteArray SitePrive::envelopperCleChaine(QByteArray const &cleMaitre, QByteArray const &cleChaine)
{
    const QByteArray etiquette("tinselbox/enveloppe-chaine/1");
    const QByteArray cle = Chiffrement::hkdf(cleMaitre, QByteArray(), etiquette, Chiffrement::TAILLE_CLE);
    const QByteArray nonce = Chiffrement::hmac(cle, cleChaine).left(Chiffrement::TAILLE_NONCE);
    const QByteArray chiffre = Chiffrement::chiffrerGcm(cle, nonce, etiquette, cleChaine);
    return cle.isEmpty() || chiffre.isEmpty() ? QByteArray() : nonce + chiffre;
}

Resultat SitePrive::definirMotDePasse(QString const &motDePasse, QString *cle)
{
    const ParametresCle parametres = ParametresCle::nouveaux();
    QString erreur;
    if (!parametres.estValide()
        || CoffreCles::cleMaitre(parametres, parametres.deriver(motDePasse), &erreur).isEmpty())
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            erreur.isEmpty() ? SitePrive::tr("The calendar's keys cannot be made on this computer.")
                             : erreur);
    *cle = parametres.texte();
    return Resultat();
}

Resultat SitePrive::verifierMotDePasse(Calendrier const &calendrier, QString const &motDePasse)
{
    const ParametresCle parametres = ParametresCle::lire(calendrier.getOptions().cle);
    if (!parametres.estValide())
        return Resultat::echec(Resultat::Cause::Secret,
            tr("The project file holds no key parameters: set the password in Options."));
    QString erreur;
    CoffreCles::cleMaitre(parametres, parametres.deriver(motDePasse), &erreur, nullptr, false);
    return erreur.isEmpty() ? Resultat() : Resultat::echec(Resultat::Cause::Secret, erreur);
}

Resultat SitePrive::fragmentCle(Calendrier const &calendrier, QString const &motDePasse, QString *fragment)
{
    const Resultat verification = verifierMotDePasse(calendrier, motDePasse);
    if (!verification)
        return verification;
    const QByteArray cle = ParametresCle::lire(calendrier.getOptions().cle).deriver(motDePasse);
    *fragment = QStringLiteral("k=")
        + QString::fromLatin1(cle.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    return Resultat();
}

QByteArray SitePrive::entete(Media const &media, QString const &extension)
{
    QJsonObject objet;
    objet.insert(QStringLiteral("genre"), nomGenre(media.getType()));
    if (media.getType() == Media::MESSAGE)
        objet.insert(QStringLiteral("texte"), static_cast<Message const &>(media).getTexte());
    else
        objet.insert(QStringLiteral("type"),
            QMimeDatabase()
                .mimeTypeForFile(QStringLiteral("x.") + extension, QMimeDatabase::MatchExtension)
                .name());
    return QJsonDocument(objet).toJson(QJsonDocument::Compact) + '\n';
}

Resultat SitePrive::ecrireContenu(Cles const &cles, QString const &identite, QByteArray const &entete,
    QString const &source, QString const &destination, QString const &precedent)
{
    if (source.isEmpty())
        return ecrireDepuis(cles, identite, entete, nullptr, source, QByteArray(), destination, precedent);
    QFile entree(source);
    if (!entree.open(QIODevice::ReadOnly))
        return echecLecture(source, entree);
    return ecrireDepuis(
        cles, identite, entete, &entree, source, empreinteConnue(entree, entete), destination, precedent);
}

Resultat SitePrive::ecrireContenus(
    QVector<Contenu> &contenus, std::function<bool()> const &arrete, Resultat const &arret)
{
    QtConcurrent::blockingMap(contenus, [&](Contenu &contenu) {
        contenu.resultat = arrete() ? arret
                                    : ecrireContenu(contenu.cles, contenu.identite, contenu.entete,
                                        contenu.source, contenu.destination, contenu.precedent);
        // The pool's threads outlive the generation: OpenSSL's state for this one goes now.
        OPENSSL_thread_stop();
    });
    for (const Contenu &contenu : contenus) {
        if (!contenu.resultat)
            return contenu.resultat.getCause() == arret.getCause()
                ? contenu.resultat
                : Resultat(contenu.resultat).avecJour(contenu.jour);
    }
    return Resultat();
}

void SitePrive::retenirEmpreinte(QByteArray const &entete, QString const &source)
{
    QFile entree(source);
    if (!entree.open(QIODevice::ReadOnly) || !empreinteConnue(entree, entete).isEmpty())
        return;
    const QByteArray empreinte = Chiffrement::empreinte(entete, &entree);
    if (!empreinte.isEmpty())
        memoriserEmpreinte(entree, entete, empreinte);
}

Resultat SitePrive::ecrireContenu(Cles const &cles, QString const &identite, QByteArray const &entete,
    QByteArray const &contenu, QString const &destination, QString const &precedent)
{
    QBuffer tampon;
    tampon.setData(contenu);
    tampon.open(QIODevice::ReadOnly);
    return ecrireDepuis(cles, identite, entete, &tampon, QString(), QByteArray(), destination, precedent);
}

Resultat SitePrive::ecrireDepuis(Cles const &cles, QString const &identite, QByteArray const &entete,
    QIODevice *entree, QString const &source, QByteArray empreinte, QString const &destination,
    QString const &precedent)
{
    const qint64 taille = entete.size() + (entree != nullptr ? entree->size() : 0);
    // A first reading for the content's digest, which the file's key depends on, unless the
    // same file was read for it already in this session.
    if (empreinte.isEmpty()) {
        empreinte = Chiffrement::empreinte(entete, entree);
        if (empreinte.isEmpty())
            return entree != nullptr
                ? echecLecture(source, *entree)
                : Resultat::echec(Resultat::Cause::Media, SitePrive::tr("The content cannot be encrypted."));
        if (entree != nullptr && !entree->seek(0))
            return echecLecture(source, *entree);
        if (auto *fichier = qobject_cast<QFile *>(entree))
            memoriserEmpreinte(*fichier, entete, empreinte);
    }
    const QByteArray sel = FormatChiffre::selFichier(cles.cleMaitre, identite, empreinte);
    const QByteArray cle = FormatChiffre::cleFichier(cles.cleMaitre, sel, identite);

    // Unchanged content encrypts to the same bytes: the previous site's copy is taken as it is
    // when it begins the same way and has the size these bytes would have.
    const QByteArray premiereLigne = QStringLiteral("calendrier.verrou.recevoir(\"%1\", \"%2\", [\n")
                                         .arg(identite, QString::fromLatin1(sel.toBase64()))
                                         .toLatin1();
    const int nombre = FormatChiffre::nombreMorceaux(taille);
    qint64 tailleScript = premiereLigne.size() + 4;
    for (int i = 0; i < nombre; ++i) {
        const qint64 clair = i < nombre - 1 ? FormatChiffre::TAILLE_MORCEAU
                                            : taille - qint64(i) * FormatChiffre::TAILLE_MORCEAU;
        tailleScript += (clair + Chiffrement::TAILLE_ETIQUETTE + 2) / 3 * 4 + (i < nombre - 1 ? 3 : 2) + 1;
    }
    if (reprendre(precedent, tailleScript, premiereLigne, destination))
        return Resultat();

    // Into the site being built, which replaces the old one whole once complete: no file of it
    // needs to reach the disk on its own.
    QFile sortie(destination);
    const auto echecEcriture = [&sortie, &destination] {
        return Resultat::echec(Resultat::Cause::Media,
            SitePrive::tr("The file %1 cannot be written: %2.")
                .arg(Resultat::cheminLisible(destination), sortie.errorString()))
            .avecChemin(destination);
    };
    if (!sortie.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return echecEcriture();
    // Nothing half written stays behind a failure.
    auto abandon = qScopeGuard([&sortie] {
        sortie.close();
        sortie.remove();
    });
    const auto ecrire = [&sortie](QByteArray const &octets) { return sortie.write(octets) == octets.size(); };
    if (!ecrire(premiereLigne))
        return echecEcriture();
    QByteArray reste = entete;
    for (int i = 0; i < nombre; ++i) {
        QByteArray clair = reste.left(FormatChiffre::TAILLE_MORCEAU);
        reste.remove(0, clair.size());
        if (entree != nullptr && clair.size() < FormatChiffre::TAILLE_MORCEAU) {
            const QByteArray lu = entree->read(FormatChiffre::TAILLE_MORCEAU - clair.size());
            if (qobject_cast<QFile *>(entree) != nullptr
                && static_cast<QFile *>(entree)->error() != QFileDevice::NoError)
                return echecLecture(source, *entree);
            clair += lu;
        }
        const bool dernier = i == nombre - 1;
        // The file changed between the two readings: its digest no longer holds.
        if ((dernier && entree != nullptr && !entree->atEnd())
            || (!dernier && clair.size() != FormatChiffre::TAILLE_MORCEAU))
            return Resultat::echec(Resultat::Cause::Media,
                SitePrive::tr("The file %1 changed while it was encrypted.")
                    .arg(Resultat::cheminLisible(source)))
                .avecChemin(source);
        const QByteArray morceau = FormatChiffre::chiffrerMorceau(cle, identite, i, dernier, clair);
        if (morceau.isEmpty())
            return Resultat::echec(Resultat::Cause::Media, SitePrive::tr("The content cannot be encrypted."));
        if (!ecrire(QByteArrayLiteral("\"")) || !ecrire(Chiffrement::base64(morceau))
            || !ecrire(dernier ? QByteArrayLiteral("\"\n") : QByteArrayLiteral("\",\n")))
            return echecEcriture();
    }
    if (!ecrire("]);\n") || !sortie.flush())
        return echecEcriture();
    sortie.close();
    if (sortie.error() != QFileDevice::NoError)
        return echecEcriture();
    abandon.dismiss();
    return Resultat();
}

QByteArray SitePrive::enteteFond()
{
    return QByteArrayLiteral("{\"genre\":\"fond\",\"type\":\"image/jpeg\"}\n");
}

namespace {

// The chain's line of the lock: the day whose key the site holds, and that key (wrapped under
// the master key when the calendar is private); none before the run.
QString ligneChaine(SitePrive::Cles const &cles)
{
    if (cles.cleChaine.isEmpty())
        return QStringLiteral("chaine = { jour: 0 };");
    if (cles.cleMotDePasse.isEmpty())
        return QStringLiteral("chaine = { jour: %1, cle: \"%2\" };")
            .arg(cles.jourChaine)
            .arg(QString::fromLatin1(cles.cleChaine.toBase64()));
    return QStringLiteral("chaine = { jour: %1, enveloppe: \"%2\" };")
        .arg(cles.jourChaine)
        .arg(QString::fromLatin1(SitePrive::envelopperCleChaine(cles.cleMaitre, cles.cleChaine).toBase64()));
}

} // namespace

Resultat SitePrive::installer(
    Cles const &cles, QString const &site, QString const &langue, QStringList const &fond)
{
    const QString scripts = joindre(site, Format::REPERTOIRE_SCRIPTS);
    const QString verrou = joindre(scripts, SCRIPT_VERROU);
    const QString dechiffrement = joindre(scripts, SCRIPT_DECHIFFREMENT);
    Resultat echec = Resultat::echec(Resultat::Cause::FichierInaccessible,
        SitePrive::tr("The page's lock cannot be written in %1.").arg(Resultat::cheminLisible(site)))
                         .avecChemin(site);
    QFile source(SOURCE_VERROU);
    QFile sourceDechiffrement(SOURCE_DECHIFFREMENT);
    // The decryption needs nothing of this calendar's: written compacted at once.
    if (!source.open(QIODevice::ReadOnly) || !EcritureFichier::ecrire(verrou, source.readAll())
        || !TextesPage::ecrireTable(verrou, langue) || !sourceDechiffrement.open(QIODevice::ReadOnly)
        || !EcritureFichier::ecrire(
            dechiffrement, compacte(sourceDechiffrement.readAll(), !cles.cleDernierJour.isEmpty())))
        return echec;
    const QString parametres =
        QStringLiteral("parametres = { sel: \"%1\", iterations: %2, enveloppe: \"%3\", duree: %4%5 };")
            .arg(QString::fromLatin1(cles.parametres.getSel().toBase64()))
            .arg(cles.parametres.getIterations())
            .arg(cles.cleMotDePasse.isEmpty()
                    ? QString()
                    : QString::fromLatin1(
                        FormatChiffre::envelopper(cles.cleMotDePasse, cles.cleMaitre).toBase64()))
            .arg(Format::DUREE_AFFICHAGE_MS)
            .arg(fond.size() == 2 ? QStringLiteral(", fond: [\"%1\", \"%2\"]").arg(fond.at(0), fond.at(1))
                                  : QString());
    if (!cles.cleDernierJour.isEmpty()) {
        const Resultat chaine =
            EcritureFichier::insererSousLeMarqueur(verrou, MARQUEUR_PARAMETRES, ligneChaine(cles));
        if (!chaine)
            return echec.avecRaison(chaine.getRaison());
    }
    const Resultat insertion =
        EcritureFichier::insererSousLeMarqueur(verrou, MARQUEUR_PARAMETRES, parametres);
    if (!insertion)
        return echec.avecRaison(insertion.getRaison());

    // What a phone downloads on open: the script without its comments and indentation.
    if (!compacterScript(verrou, !cles.cleDernierJour.isEmpty()))
        return echec;

    // The lock comes after the page's own scripts, on the object they share.
    const QString page = joindre(site, Format::PAGE);
    QFile entree(page);
    if (!entree.open(QIODevice::ReadOnly))
        return echec;
    QString html = QString::fromUtf8(entree.readAll());
    entree.close();
    const int fin = html.indexOf(QStringLiteral("</head>"));
    if (fin < 0)
        return echec;
    html.insert(fin,
        QStringLiteral("    <script src=\"%1/%2\"></script>\n    ")
            .arg(Format::REPERTOIRE_SCRIPTS, SCRIPT_VERROU));
    QSaveFile sortie(page);
    if (!sortie.open(QIODevice::WriteOnly) || sortie.write(html.toUtf8()) < 0 || !sortie.commit())
        return echec;
    return Resultat();
}

QString SitePrive::lignesScene(QString const &identite)
{
    return QStringLiteral(
        "calendrier.verrou.ouvrir(\"%1\", [declencherTimer, detecterArret, afficherMenu]);\n"
        "break;\n")
        .arg(identite);
}

qint64 SitePrive::tailleVerrou()
{
    // The scripts, the parameters line and the page's line that loads the lock.
    return QFileInfo(SOURCE_VERROU).size() + QFileInfo(SOURCE_DECHIFFREMENT).size() + 200;
}

qint64 SitePrive::tailleChiffree(qint64 taille)
{
    const qint64 morceaux = FormatChiffre::nombreMorceaux(taille);
    const qint64 chiffre = taille + morceaux * 16;
    // Base64, quotes and commas of each chunk, and the script's call around them.
    return (chiffre + 2 * morceaux) / 3 * 4 + morceaux * 4 + 110;
}
