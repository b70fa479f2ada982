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

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QSaveFile>

namespace {

const QString SOURCE_VERROU = QStringLiteral(":tinselbox/prive/scripts/verrou.js");

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
// script's own lines never continue a string or a comment onto the next one.
bool compacterScript(QString const &chemin)
{
    QFile entree(chemin);
    if (!entree.open(QIODevice::ReadOnly))
        return false;
    QByteArray compact;
    for (const QByteArray &ligne : entree.readAll().split('\n')) {
        const QByteArray texte = ligne.trimmed();
        if (!texte.isEmpty() && !texte.startsWith("//"))
            compact += texte + '\n';
    }
    entree.close();
    QSaveFile sortie(chemin);
    return sortie.open(QIODevice::WriteOnly) && sortie.write(compact) == compact.size() && sortie.commit();
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
    const auto echecLecture = [&source](QFile const &fichier) {
        return Resultat::echec(Resultat::Cause::Media,
            SitePrive::tr("The file %1 cannot be read: %2.")
                .arg(Resultat::cheminLisible(source), fichier.errorString()))
            .avecChemin(source);
    };
    QFile entree(source);
    qint64 taille = entete.size();
    if (!source.isEmpty()) {
        if (!entree.open(QIODevice::ReadOnly))
            return echecLecture(entree);
        taille += entree.size();
    }

    // A first reading for the content's digest, which the file's key depends on.
    const QByteArray empreinte = Chiffrement::empreinte(entete, source.isEmpty() ? nullptr : &entree);
    if (empreinte.isEmpty())
        return echecLecture(entree);
    const QByteArray sel = FormatChiffre::selFichier(cles.cleMaitre, identite, empreinte);
    const QByteArray cle = FormatChiffre::cleFichier(cles.cleMaitre, sel, identite);
    if (!source.isEmpty() && !entree.seek(0))
        return echecLecture(entree);

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
    QFile ancien(precedent);
    if (!precedent.isEmpty() && QFileInfo(precedent).isFile() && ancien.size() == tailleScript
        && ancien.open(QIODevice::ReadOnly) && ancien.read(premiereLigne.size()) == premiereLigne
        && QFile::copy(precedent, destination))
        return Resultat();

    QSaveFile sortie(destination);
    if (!sortie.open(QIODevice::WriteOnly))
        return Resultat::echec(Resultat::Cause::Media,
            SitePrive::tr("The file %1 cannot be written: %2.")
                .arg(Resultat::cheminLisible(destination), sortie.errorString()))
            .avecChemin(destination);
    sortie.write(premiereLigne);
    QByteArray reste = entete;
    for (int i = 0; i < nombre; ++i) {
        QByteArray clair = reste;
        reste.clear();
        if (!source.isEmpty() && clair.size() < FormatChiffre::TAILLE_MORCEAU) {
            const QByteArray lu = entree.read(FormatChiffre::TAILLE_MORCEAU - clair.size());
            if (entree.error() != QFileDevice::NoError)
                return echecLecture(entree);
            clair += lu;
        }
        const bool dernier = i == nombre - 1;
        // The file changed between the two readings: its digest no longer holds.
        if ((dernier && !entree.atEnd() && !source.isEmpty())
            || (!dernier && clair.size() != FormatChiffre::TAILLE_MORCEAU))
            return Resultat::echec(Resultat::Cause::Media,
                SitePrive::tr("The file %1 changed while it was encrypted.")
                    .arg(Resultat::cheminLisible(source)))
                .avecChemin(source);
        const QByteArray morceau = FormatChiffre::chiffrerMorceau(cle, identite, i, dernier, clair);
        if (morceau.isEmpty())
            return Resultat::echec(Resultat::Cause::Media, SitePrive::tr("The content cannot be encrypted."));
        sortie.write("\"" + Chiffrement::base64(morceau) + (dernier ? "\"\n" : "\",\n"));
    }
    sortie.write("]);\n");
    if (!sortie.commit())
        return Resultat::echec(Resultat::Cause::Media,
            SitePrive::tr("The file %1 cannot be written: %2.")
                .arg(Resultat::cheminLisible(destination), sortie.errorString()))
            .avecChemin(destination);
    return Resultat();
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

Resultat SitePrive::installer(Cles const &cles, QString const &site, QString const &langue)
{
    const QString scripts = joindre(site, Format::REPERTOIRE_SCRIPTS);
    const QString verrou = joindre(scripts, SCRIPT_VERROU);
    Resultat echec = Resultat::echec(Resultat::Cause::FichierInaccessible,
        SitePrive::tr("The page's lock cannot be written in %1.").arg(Resultat::cheminLisible(site)))
                         .avecChemin(site);
    QFile source(SOURCE_VERROU);
    if (!source.open(QIODevice::ReadOnly) || !EcritureFichier::ecrire(verrou, source.readAll())
        || !TextesPage::ecrireTable(verrou, langue))
        return echec;
    const QString parametres =
        QStringLiteral("parametres = { sel: \"%1\", iterations: %2, enveloppe: \"%3\", duree: %4 };")
            .arg(QString::fromLatin1(cles.parametres.getSel().toBase64()))
            .arg(cles.parametres.getIterations())
            .arg(cles.cleMotDePasse.isEmpty()
                    ? QString()
                    : QString::fromLatin1(
                        FormatChiffre::envelopper(cles.cleMotDePasse, cles.cleMaitre).toBase64()))
            .arg(Format::DUREE_AFFICHAGE_MS);
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
    if (!compacterScript(verrou))
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
    // The script, its parameters line and the page's line that loads it.
    return QFileInfo(SOURCE_VERROU).size() + 200;
}

qint64 SitePrive::tailleChiffree(qint64 taille)
{
    const qint64 morceaux = FormatChiffre::nombreMorceaux(taille);
    const qint64 chiffre = taille + morceaux * 16;
    // Base64, quotes and commas of each chunk, and the script's call around them.
    return (chiffre + 2 * morceaux) / 3 * 4 + morceaux * 4 + 110;
}
