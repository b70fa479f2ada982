#pragma once

#include "chiffrement/parametrescle.h"
#include "format/resultat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class Calendrier;
class Media;
class QIODevice;

/// What a generation adds for a private calendar: every day's content encrypted into a
/// script of its own (data/IDENTITE.js, which a page opened from disk can load where it may
/// not fetch), the page's lock (scripts/verrou.js) with the wrapped master key and the
/// decryption it loads once a key is at hand (scripts/dechiffrement.js), and day lines that
/// ask the lock for the content instead of naming a file.
class SitePrive
{
    Q_DECLARE_TR_FUNCTIONS(SitePrive)

public:
    static constexpr QLatin1String SCRIPT_VERROU{"verrou.js"};
    static constexpr QLatin1String SCRIPT_DECHIFFREMENT{"dechiffrement.js"};
    static constexpr QLatin1String MARQUEUR_PARAMETRES{"// <PARAMETRES DU VERROU>"};

    /// The keys of one generation.
    struct Cles {
        ParametresCle parametres;
        QByteArray cleMotDePasse;
        QByteArray cleMaitre;
        /// Doors that open only on their day: the last day's key of the run under way
        /// (empty without the option), the day whose key the site holds (0 before the run)
        /// and that key.
        QByteArray cleDernierJour;
        int longueur = 0;
        int jourChaine = 0;
        QByteArray cleChaine;
    };

    SitePrive() = delete;

    /// The keys of `calendrier` for `motDePasse`: its own parameters, or new ones (said in
    /// `*avis`) when its file holds none; its master key from the keys kept on this computer.
    static Resultat preparer(
        Calendrier const &calendrier, QString const &motDePasse, Cles *cles, QString *avis);
    /// Writes the script of one day's content into `destination`: `entete` (a line of JSON
    /// saying what it is), then the bytes of `source` when given. The script of the same
    /// content in `precedent` (the site being replaced) is copied instead of encrypted again.
    static Resultat ecrireContenu(Cles const &cles, QString const &identite, QByteArray const &entete,
        QString const &source, QString const &destination, QString const &precedent = QString());
    /// One day's content to encrypt, and how that went.
    struct Contenu {
        int jour = 0;
        Cles cles;
        QString identite;
        QByteArray entete;
        QString source;
        QString destination;
        QString precedent;
        Resultat resultat;
    };
    /// Writes every content of `contenus` as `ecrireContenu` does, several at once; each
    /// that has not begun when `arrete` becomes true gets `arret`. The first failure, in
    /// the order of `contenus`, is returned.
    static Resultat ecrireContenus(
        QVector<Contenu> &contenus, std::function<bool()> const &arrete, Resultat const &arret);
    /// Reads `source` for its digest after `entete`, which the next `ecrireContenu` of the
    /// same file, unchanged, takes instead of reading it again.
    static void retenirEmpreinte(QByteArray const &entete, QString const &source);
    /// The same for content held in memory, `contenu` after `entete`.
    static Resultat ecrireContenu(Cles const &cles, QString const &identite, QByteArray const &entete,
        QByteArray const &contenu, QString const &destination, QString const &precedent = QString());
    /// The chain's keys of `calendrier` for a site made at `instant`: from the secret kept on
    /// this computer, or a new chain (said in `*avis`) when none is kept.
    static Resultat preparerChaine(
        Calendrier const &calendrier, QDateTime const &instant, Cles *cles, QString *avis);
    /// The keys day `jour`'s content is encrypted under: the master key, or with doors that
    /// open only on their day, the content key of that day's chain key.
    static Cles clesDuJour(Cles const &cles, int jour);
    /// The chain's key of the day the site holds, wrapped under a private calendar's master
    /// key: nonce, ciphertext and tag, the same bytes for the same pair.
    static QByteArray envelopperCleChaine(QByteArray const &cleMaitre, QByteArray const &cleChaine);
    /// Sets `motDePasse` for a calendar: new key parameters (written into `*cle`, as the
    /// project file keeps them) and a new master key kept on this computer.
    static Resultat definirMotDePasse(QString const &motDePasse, QString *cle);
    /// Whether `motDePasse` is the one `calendrier`'s keys on this computer were made with
    /// (a success too when none were made yet).
    static Resultat verifierMotDePasse(Calendrier const &calendrier, QString const &motDePasse);
    /// The fragment `k=KEY` that opens the site of `calendrier` without typing `motDePasse`
    /// (the key the page derives from it); a failure when it is not the calendar's password.
    static Resultat fragmentCle(Calendrier const &calendrier, QString const &motDePasse, QString *fragment);
    /// The first line of a day's content.
    static QByteArray entete(Media const &media, QString const &extension);
    /// The first line of the family's background picture (a JPEG).
    static QByteArray enteteFond();
    /// Adds the lock to the site built in `site`, its texts in `langue`; `fond` the
    /// identities of the background's portrait and landscape crops, when it has one.
    static Resultat installer(Cles const &cles, QString const &site, QString const &langue,
        QStringList const &fond = QStringList());
    /// The lines of a day under the scene marker, after its `case`.
    static QString lignesScene(QString const &identite);
    /// What the lock adds to a site, apart from the days' content.
    static qint64 tailleVerrou();
    /// Size in a private site of a file of `taille` bytes.
    static qint64 tailleChiffree(qint64 taille);

private:
    /// `empreinte` is the digest of `entete` and `entree`'s bytes when already known.
    static Resultat ecrireDepuis(Cles const &cles, QString const &identite, QByteArray const &entete,
        QIODevice *entree, QString const &source, QByteArray empreinte, QString const &destination,
        QString const &precedent);
};
