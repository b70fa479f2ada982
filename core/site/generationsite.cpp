#include "site/generationsite.h"

#include "chiffrement/chainecles.h"
#include "chiffrement/formatchiffre.h"
#include "conversion/planconversions.h"
#include "conversion/typefichier.h"
#include "format/ecriturefichier.h"
#include "format/interruption.h"
#include "modele/calendrier.h"
#include "modele/fichierordinaire.h"
#include "modele/genremedia.h"
#include "modele/media.h"
#include "modele/message.h"
#include "site/chantiersite.h"
#include "site/entetepage.h"
#include "site/fondpage.h"
#include "site/imageapercu.h"
#include "site/instantapercu.h"
#include "site/manifestesite.h"
#include "site/ordreboules.h"
#include "site/politiquesortie.h"
#include "site/rappelsics.h"
#include "site/siteprive.h"
#include "site/themepage.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTextStream>
#include <QThread>
#include <QtConcurrent>

#include <openssl/crypto.h>

#include "site/chantiersite.h"
#include "site/entetepage.h"
#include "site/imageapercu.h"
#include "site/textespage.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

const QString REPERTOIRE_MODELE = QStringLiteral(":tinselbox/js");
const QString LIGNE_APERCU = QStringLiteral("bypass = true;\n");

QString joindre(const QString &repertoire, const QString &nom)
{
    return repertoire + QLatin1Char('/') + nom;
}

QString raisonSysteme(int erreur)
{
    return Resultat::raisonSysteme(erreur);
}

QString lisible(const QString &chemin)
{
    return Resultat::cheminLisible(chemin);
}

// The file systems the kernel makes up: their files are no user's media, and their sizes
// say nothing of what reading them gives. Empty for a real file system.
QString systemeVirtuel(int fd, const QString &chemin)
{
    struct statfs infos;
    if (::fstatfs(fd, &infos) == 0) {
        switch (infos.f_type) {
        case PROC_SUPER_MAGIC:
            return QStringLiteral("proc");
        case SYSFS_MAGIC:
            return QStringLiteral("sysfs");
        case DEBUGFS_MAGIC:
        case TRACEFS_MAGIC:
        case SECURITYFS_MAGIC:
        case CGROUP_SUPER_MAGIC:
        case CGROUP2_SUPER_MAGIC:
        case PSTOREFS_MAGIC:
        case EFIVARFS_MAGIC:
        case BPF_FS_MAGIC:
            return QStringLiteral("a kernel file system");
        case TMPFS_MAGIC:
            break;
        default:
            return QString();
        }
    }
    // devtmpfs has the magic number of tmpfs: only the mount table (long to read, so
    // read for those alone) tells them apart.
    const QByteArray type = QStorageInfo(chemin).fileSystemType();
    return type == "devtmpfs" ? QString::fromLatin1(type) : QString();
}

// Whether an open source may be published: a regular file of a real file system.
GenerationSite::EchecCopie examinerSource(int fd, const QString &chemin, struct stat *infos, int *erreur)
{
    if (::fstat(fd, infos) != 0) {
        *erreur = errno;
        return GenerationSite::SOURCE_ILLISIBLE;
    }
    if (!S_ISREG(infos->st_mode))
        return GenerationSite::SOURCE_NON_REGULIERE;
    if (!systemeVirtuel(fd, chemin).isEmpty())
        return GenerationSite::SOURCE_SYSTEME;
    return GenerationSite::AUCUN_ECHEC;
}

// What a media's failure means, said once for generation and check alike.
Resultat echecMedia(int jour, const QString &url, GenerationSite::EchecCopie echec, int erreur,
    const QString &repertoireSortie = QString())
{
    QString message;
    switch (echec) {
    case GenerationSite::AUCUN_ECHEC:
        return Resultat();
    case GenerationSite::SOURCE_ABSENTE:
        message = url.isEmpty()
            ? GenerationSite::tr("Day %1 has no media file.").arg(jour)
            : GenerationSite::tr("Day %1: the file %2 cannot be found.").arg(jour).arg(lisible(url));
        break;
    case GenerationSite::SOURCE_NON_REGULIERE:
        message = GenerationSite::tr("Day %1: %2 is not a regular file (it is %3).")
                      .arg(jour)
                      .arg(lisible(url), FichierOrdinaire::nature(url));
        break;
    case GenerationSite::SOURCE_ILLISIBLE:
        message = GenerationSite::tr("Day %1: the file %2 cannot be read: %3.")
                      .arg(jour)
                      .arg(lisible(url), raisonSysteme(erreur));
        break;
    case GenerationSite::SOURCE_SYSTEME:
        message =
            GenerationSite::tr("Day %1: %2 is a system file, not a media file.").arg(jour).arg(lisible(url));
        break;
    case GenerationSite::SOURCE_INCOHERENTE:
        message = GenerationSite::tr(
            "Day %1: the file %2 does not hold as many bytes as its size says; it is not a "
            "media file.")
                      .arg(jour)
                      .arg(lisible(url));
        break;
    case GenerationSite::SOURCE_NON_MEDIA:
        message = GenerationSite::tr("Day %1: %2 is not a picture, a sound or a video.")
                      .arg(jour)
                      .arg(lisible(url));
        break;
    case GenerationSite::SOURCE_ENDOMMAGEE:
        message = GenerationSite::tr("Day %1: the picture %2 is damaged: it ends before its last part.")
                      .arg(jour)
                      .arg(lisible(url));
        break;
    case GenerationSite::ECRITURE:
        message = GenerationSite::tr("Day %1: the file %2 cannot be copied into %3: %4.")
                      .arg(jour)
                      .arg(lisible(url), lisible(repertoireSortie), raisonSysteme(erreur));
        break;
    }
    Resultat resultat = Resultat::echec(Resultat::Cause::Media, message).avecJour(jour).avecChemin(url);
    if (erreur != 0)
        resultat.avecRaison(raisonSysteme(erreur));
    return resultat;
}

// Whether a day's content is a file (a message is text held in the project file).
bool avecFichier(const Media *media)
{
    if (media == nullptr)
        return false;
    const GenreMedia *genre = GenreMedia::pour(media->getType());
    return genre == nullptr || genre->avecFichier;
}

// Both walks see every entry, hidden and system ones included, in the order given.
QStringList listerEntrees(const QString &repertoire)
{
    return QDir(repertoire)
        .entryList(
            QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
}

class Descripteur
{
public:
    explicit Descripteur(int fd) : fd(fd) {}
    ~Descripteur()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descripteur(const Descripteur &) = delete;
    Descripteur &operator=(const Descripteur &) = delete;
    int get() const
    {
        return fd;
    }
    // Closing can report the last write's failure (a full disk over the network).
    int fermer()
    {
        const int resultat = ::close(fd);
        fd = -1;
        return resultat;
    }

private:
    int fd;
};

// Creates `destination` (never replacing anything) with the default mode of new files,
// so the site can be served by another user; owner read and write are kept, since the
// marker insertion rewrites the scripts.
int creerDestination(const QString &destination)
{
    const int fd =
        ::open(QFile::encodeName(destination).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        struct stat infos;
        if (::fstat(fd, &infos) == 0 && (infos.st_mode & (S_IRUSR | S_IWUSR)) != (S_IRUSR | S_IWUSR))
            ::fchmod(fd, (infos.st_mode & 07777) | S_IRUSR | S_IWUSR);
    }
    return fd;
}

bool ecrireTout(int fd, const char *octets, qint64 taille, int *erreur)
{
    while (taille > 0) {
        const ssize_t ecrit = ::write(fd, octets, size_t(std::min<qint64>(taille, 1 << 20)));
        if (ecrit < 0) {
            if (errno == EINTR)
                continue;
            *erreur = errno;
            return false;
        }
        octets += ecrit;
        taille -= ecrit;
    }
    return true;
}

// Kernel copy (media files can be hundreds of megabytes), falling back to reads and
// writes where the file systems do not offer it.
bool copierContenu(int source, int destination, qint64 *copies, int *erreur)
{
    bool noyau = true;
    QByteArray tampon;
    for (;;) {
        if (noyau) {
            const ssize_t copie = ::copy_file_range(source, nullptr, destination, nullptr, 1 << 30, 0);
            if (copie > 0) {
                *copies += copie;
                continue;
            }
            if (copie == 0)
                return true;
            if (errno == EINTR)
                continue;
            if (errno != ENOSYS && errno != EXDEV && errno != EINVAL && errno != EOPNOTSUPP) {
                *erreur = errno;
                return false;
            }
            noyau = false;
            tampon.resize(1 << 20);
        }
        const ssize_t lu = ::read(source, tampon.data(), size_t(tampon.size()));
        if (lu == 0)
            return true;
        if (lu < 0) {
            if (errno == EINTR)
                continue;
            *erreur = errno;
            return false;
        }
        if (!ecrireTout(destination, tampon.constData(), lu, erreur))
            return false;
        *copies += lu;
    }
}

} // namespace

GenerationSite::EchecCopie GenerationSite::copierFichier(
    QString const &source, QString const &destination, int *erreur)
{
    int ignoree = 0;
    int &code = erreur != nullptr ? *erreur : ignoree;
    code = 0;
    if (source.isEmpty())
        return SOURCE_ABSENTE;
    if (destination.isEmpty()) {
        code = ENOENT;
        return ECRITURE;
    }

    if (source.startsWith(QLatin1Char(':'))) {
        QFile ressource(source);
        if (!ressource.open(QIODevice::ReadOnly))
            return SOURCE_ABSENTE;
        const QByteArray contenu = ressource.readAll();
        Descripteur sortie(creerDestination(destination));
        if (sortie.get() < 0) {
            code = errno;
            return ECRITURE;
        }
        if (!ecrireTout(sortie.get(), contenu.constData(), contenu.size(), &code) || sortie.fermer() != 0) {
            if (code == 0)
                code = errno;
            ::unlink(QFile::encodeName(destination).constData());
            return ECRITURE;
        }
        return AUCUN_ECHEC;
    }

    // Without blocking: a FIFO opened for reading would wait for a writer forever.
    Descripteur entree(::open(QFile::encodeName(source).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (entree.get() < 0) {
        code = errno;
        return errno == ENOENT || errno == ENOTDIR ? SOURCE_ABSENTE : SOURCE_ILLISIBLE;
    }
    struct stat infos;
    const EchecCopie examen = examinerSource(entree.get(), source, &infos, &code);
    if (examen != AUCUN_ECHEC)
        return examen;

    Descripteur sortie(creerDestination(destination));
    if (sortie.get() < 0) {
        code = errno;
        return ECRITURE;
    }
    qint64 copies = 0;
    if (!copierContenu(entree.get(), sortie.get(), &copies, &code) || sortie.fermer() != 0) {
        if (code == 0)
            code = errno;
        ::unlink(QFile::encodeName(destination).constData());
        return code == EIO ? SOURCE_ILLISIBLE : ECRITURE;
    }
    if (copies != qint64(infos.st_size)) {
        ::unlink(QFile::encodeName(destination).constData());
        return SOURCE_INCOHERENTE;
    }
    return AUCUN_ECHEC;
}

QMap<int, QString> GenerationSite::mediasIntrouvables(Calendrier const &calendrier)
{
    QMap<int, QString> introuvables;
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (!calendrier.getOptions().estJourPublie(it.key()) || !avecFichier(it.value()))
            continue;
        // isFile() follows links and is false for a FIFO, a socket or a device.
        if (!QFileInfo(it.value()->getUrl()).isFile())
            introuvables.insert(it.key(), it.value()->getUrl());
    }
    return introuvables;
}

Resultat GenerationSite::controlerMedia(int jour, QString const &chemin, bool lireContenu)
{
    if (chemin.isEmpty())
        return echecMedia(jour, chemin, SOURCE_ABSENTE, 0);
    // Without blocking: a FIFO opened for reading would wait for a writer forever.
    Descripteur entree(::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (entree.get() < 0) {
        const int erreur = errno;
        return erreur == ENOENT || erreur == ENOTDIR ? echecMedia(jour, chemin, SOURCE_ABSENTE, 0)
                                                     : echecMedia(jour, chemin, SOURCE_ILLISIBLE, erreur);
    }
    int erreur = 0;
    struct stat infos;
    const EchecCopie examen = examinerSource(entree.get(), chemin, &infos, &erreur);
    if (examen != AUCUN_ECHEC)
        return echecMedia(jour, chemin, examen, erreur);
    // Judged by its bytes: a project file can name any file its receiver can read.
    if (!TypeFichier::estMedia(chemin))
        return echecMedia(jour, chemin, SOURCE_NON_MEDIA, 0);
    if (TypeFichier::estTronque(chemin))
        return echecMedia(jour, chemin, SOURCE_ENDOMMAGEE, 0);
    if (!lireContenu)
        return Resultat();
    QByteArray tampon(1 << 20, Qt::Uninitialized);
    qint64 lus = 0;
    for (;;) {
        const ssize_t lu = ::read(entree.get(), tampon.data(), size_t(tampon.size()));
        if (lu == 0)
            break;
        if (lu < 0 && errno == EINTR)
            continue;
        if (lu < 0)
            return echecMedia(jour, chemin, SOURCE_ILLISIBLE, errno);
        lus += lu;
    }
    return lus == qint64(infos.st_size) ? Resultat() : echecMedia(jour, chemin, SOURCE_INCOHERENTE, 0);
}

Resultat GenerationSite::generer(Calendrier const &calendrier, QString const &repertoireSortie, bool apercu,
    QDateTime const &instant, QString const &motDePasse, QString *avis)
{
    // The directory is replaced at the end: never when that would take the user's own
    // files with it (an empty path would stand for the current directory).
    const Resultat refus = PolitiqueSortie::controler(repertoireSortie, QString(), calendrier);
    if (!refus)
        return refus;

    // A missing media is found before anything is built.
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (calendrier.getOptions().estJourPublie(it.key()) && avecFichier(it.value())) {
            const Resultat media = controlerMedia(it.key(), it.value()->getUrl(), false);
            if (!media)
                return media;
        }
    }

    // A private site's keys: a missing password stops here, before anything is built; the
    // password's key is derived (a fixed fraction of a second) while the template is copied,
    // and waited for before the first day.
    const bool prive = calendrier.getOptions().prive && !apercu;
    // Doors that open only on their day: every day encrypted under its own chain key.
    const bool verrouille = calendrier.getOptions().verrou && !apercu;
    const bool chiffre = prive || verrouille;
    if (prive && motDePasse.isEmpty())
        return SitePrive::preparer(calendrier, motDePasse, nullptr, nullptr);
    SitePrive::Cles cles;
    QString avisCles;
    QString avisChaine;
    if (verrouille) {
        const Resultat chaine = SitePrive::preparerChaine(
            calendrier, instant.isValid() ? instant : ChaineCles::maintenant(), &cles, &avisChaine);
        if (!chaine)
            return chaine;
    }
    QFuture<Resultat> preparation;
    if (prive)
        preparation = QtConcurrent::run([&] {
            const Resultat resultat = SitePrive::preparer(calendrier, motDePasse, &cles, &avisCles);
            // The pool's thread outlives the generation: OpenSSL's state for it goes now.
            OPENSSL_thread_stop();
            return resultat;
        });
    // Every way out waits for it: it writes into this frame.
    const auto attente = qScopeGuard([&preparation] { preparation.waitForFinished(); });

    const QString sortie = lisible(repertoireSortie);
    ChantierSite chantier(repertoireSortie);
    // The policy again, on the directory now held: a link swapped in since the first check
    // is judged by where it leads.
    const Resultat ouverture = chantier.ouvrir([&calendrier, &repertoireSortie](const QString &tenu) {
        const Resultat refus = PolitiqueSortie::controler(tenu, QString(), calendrier);
        if (!refus)
            return refus;
        // What the user was asked about (or not) is what gets replaced, nothing else.
        if (!PolitiqueSortie::remplacementPermis(tenu))
            return Resultat::echec(Resultat::Cause::Repertoire,
                GenerationSite::tr("%1 changed since it was checked: it now holds files that tinselbox did "
                                   "not generate, which are left as they are.")
                    .arg(lisible(repertoireSortie)))
                .avecChemin(repertoireSortie);
        return Resultat();
    });
    if (!ouverture)
        return ouverture;
    const QString site = chantier.repertoireConstruction();
    const QString repertoireMedia = joindre(site, NOM_REPERTOIRE_MEDIA);
    const Resultat modele = copierArbre(REPERTOIRE_MODELE, site);
    if (!modele)
        return Resultat::echec(Resultat::Cause::Modele,
            GenerationSite::tr("The calendar's template cannot be copied into %1: %2.")
                .arg(sortie, modele.getRaison()))
            .avecChemin(repertoireSortie)
            .avecRaison(modele.getRaison());

    // The page's title and link preview, and the picture the preview shows.
    Resultat page = EntetePage::reecrire(joindre(site, PAGE), calendrier);
    if (page)
        page = ImageApercu::ecrire(calendrier.getNom(), joindre(repertoireMedia, Format::IMAGE_APERCU_LIEN),
            calendrier.getOptions().jours);
    if (!page)
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            page.getRaison().isEmpty()
                ? GenerationSite::tr("The page cannot be written in %1.").arg(sortie)
                : GenerationSite::tr("The page cannot be written in %1: %2.").arg(sortie, page.getRaison()))
            .avecChemin(repertoireSortie)
            .avecRaison(page.getRaison());

    const QString scripts = joindre(site, REPERTOIRE_SCRIPTS);
    const QString scriptCalendrier = joindre(scripts, SCRIPT_CALENDRIER);
    const auto echecScript = [&](const QString &raison) {
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            raison.isEmpty()
                ? GenerationSite::tr("The page's scripts cannot be written in %1.").arg(sortie)
                : GenerationSite::tr("The page's scripts cannot be written in %1: %2.").arg(sortie, raison))
            .avecChemin(repertoireSortie)
            .avecRaison(raison);
    };
    const Resultat arret = Resultat::echec(Resultat::Cause::Interrompu,
        GenerationSite::tr("The generation was stopped; %1 was left as it was.").arg(sortie));

    // The page's texts in the calendar's language, and only that one.
    if (!TextesPage::ecrireTable(joindre(scripts, Format::SCRIPT_TEXTES), TextesPage::langue(calendrier)))
        return echecScript(QString());
    if (!RappelsIcs::ecrire(joindre(site, RappelsIcs::NOM_FICHIER), calendrier))
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            GenerationSite::tr("The page cannot be written in %1.").arg(sortie))
            .avecChemin(repertoireSortie);
    // The family's picture: a private site's is encrypted below, once its keys are there.
    QList<FondPage::Fichier> fondPrive;
    if (!calendrier.getOptions().fond.isEmpty()) {
        const Resultat fond = prive ? FondPage::preparer(calendrier.getOptions().fond, &fondPrive)
                                    : FondPage::publier(calendrier.getOptions().fond, repertoireMedia);
        if (!fond)
            return fond;
    }

    // Every conversion at once (those already done in the background are cache hits);
    // each day below waits only for its own.
    PlanConversions::instance().demarrer(calendrier);

    if (prive) {
        // While the password's key is derived: the digests every day's key depends on.
        for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
            const Media *media = it.value();
            if (Interruption::demandee() || !calendrier.getOptions().estJourPublie(it.key())
                || !avecFichier(media))
                continue;
            const Publication publication = PlanConversions::instance().publication(
                media->getUrl(), media->getType(), calendrier.getOptions().originaux);
            if (publication.resultat)
                SitePrive::retenirEmpreinte(
                    SitePrive::entete(*media, publication.extension), publication.fichier);
        }
        const Resultat cle = preparation.result();
        if (!cle)
            return cle;
    }
    if (avis != nullptr)
        *avis = avisCles.isEmpty() || avisChaine.isEmpty() ? avisCles + avisChaine
                                                           : avisCles + QLatin1Char(' ') + avisChaine;
    QStringList identitesFond;
    for (const FondPage::Fichier &fichier : fondPrive) {
        const QString identite =
            FormatChiffre::identite(cles.cleMaitre, QByteArray(fichier.nom.data(), fichier.nom.size()));
        const QString nom = identite + QStringLiteral(".js");
        const Resultat chiffre =
            SitePrive::ecrireContenu(cles, identite, SitePrive::enteteFond(), fichier.jpeg,
                joindre(repertoireMedia, nom), joindre(joindre(repertoireSortie, NOM_REPERTOIRE_MEDIA), nom));
        if (!chiffre)
            return chiffre;
        identitesFond << identite;
    }

    // The days' lines, written under each marker in one pass per script once every media
    // is copied: the latest day first, as one insertion per day used to leave them.
    QStringList blocsScene;
    QMap<QString, QStringList> blocsCollections;
    QVector<SitePrive::Contenu> contenusPrives;
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        // A stop request (the user dismissed the progress dialog) is honoured between days.
        if (Interruption::demandee())
            return arret;
        const Media *media = it.value();
        if (!calendrier.getOptions().estJourPublie(it.key()) || media == nullptr)
            continue;
        const QString identifiant = getHash(QString::number(it.key()), calendrier.getNom());

        // A kind without a file (a message) has nothing to copy. The media learns the
        // extension of what it is published as before its lines are written.
        QString fichierPublie;
        if (avecFichier(media)) {
            const Publication publication = PlanConversions::instance().publication(
                media->getUrl(), media->getType(), calendrier.getOptions().originaux);
            if (!publication.resultat)
                return PlanConversions::echecDuJour(it.key(), media->getUrl(), publication.resultat);
            // Only a picture, a sound or a video reaches the site, converted or not.
            if (publication.fichier == media->getUrl() && !TypeFichier::estMedia(publication.fichier))
                return echecMedia(it.key(), media->getUrl(), SOURCE_NON_MEDIA, 0);
            media->setExtensionPubliee(publication.extension);
            fichierPublie = publication.fichier;
            int erreur = 0;
            const EchecCopie echec = chiffre
                ? AUCUN_ECHEC
                : copierFichier(publication.fichier,
                    joindre(
                        repertoireMedia, GenreMedia::nomFichierStocke(identifiant, publication.extension)),
                    &erreur);
            if (echec != AUCUN_ECHEC)
                return echecMedia(it.key(), media->getUrl(), echec, erreur, repertoireSortie);
        }

        // A private day: its content encrypted (below, several at once) into a script named
        // for nothing it holds, and lines that ask the page's lock for it.
        if (chiffre) {
            const SitePrive::Cles clesJour = SitePrive::clesDuJour(cles, it.key());
            const QString identite = FormatChiffre::identite(clesJour.cleMaitre, it.key());
            contenusPrives.append({it.key(), clesJour, identite,
                SitePrive::entete(*media, media->getExtensionPubliee()), fichierPublie,
                joindre(repertoireMedia, identite + QStringLiteral(".js")),
                joindre(joindre(repertoireSortie, NOM_REPERTOIRE_MEDIA), identite + QStringLiteral(".js")),
                Resultat()});
            blocsScene.prepend(QStringLiteral("case %1:\n").arg(it.key()) + SitePrive::lignesScene(identite));
            continue;
        }

        blocsScene.prepend(QStringLiteral("case %1:\n").arg(it.key()) + media->getSceneJS(identifiant));
        // A kind without a collection script (a message) has nothing to load.
        const QString nomCollection = media->getNomFichierCollection();
        if (!nomCollection.isEmpty())
            blocsCollections[nomCollection].prepend(media->getCollectionJS(identifiant));
    }
    if (!contenusPrives.isEmpty()) {
        QThread *fil = QThread::currentThread();
        const Resultat chiffres = SitePrive::ecrireContenus(
            contenusPrives, [fil] { return fil->isInterruptionRequested() || Interruption::demandee(); },
            arret);
        if (!chiffres)
            return chiffres;
    }
    Resultat insertion;
    const auto inserer = [&insertion](const QString &fichier, const QString &marqueur, const QString &texte) {
        insertion = EcritureFichier::insererSousLeMarqueur(fichier, marqueur, texte);
        return insertion.estReussi();
    };
    if (!blocsScene.isEmpty() && !inserer(scriptCalendrier, MARQUEUR_GESTION_SCENE, blocsScene.join('\n')))
        return echecScript(insertion.getRaison());
    for (auto it = blocsCollections.constBegin(); it != blocsCollections.constEnd(); ++it) {
        if (!inserer(joindre(scripts, it.key()), MARQUEUR_GESTION_COLLECTION, it.value().join('\n')))
            return echecScript(insertion.getRaison());
    }

    const QString options = lignesOptions(calendrier, prive);
    if ((!options.isEmpty() && !inserer(scriptCalendrier, MARQUEUR_BYPASS, options))
        || (apercu
            && !inserer(scriptCalendrier, MARQUEUR_BYPASS,
                instant.isValid() ? InstantApercu::ligneScript(instant) : LIGNE_APERCU)))
        return echecScript(insertion.getRaison());

    if (chiffre) {
        const Resultat verrou =
            SitePrive::installer(cles, site, TextesPage::langue(calendrier), identitesFond);
        if (!verrou)
            return verrou;
    }

    const Resultat marque = ManifesteSite::ecrire(site, repertoireSortie);
    if (!marque)
        return marque;

    // Last chance to stop with the old site untouched.
    if (Interruption::demandee())
        return arret;
    const Resultat amovible = chantier.contenuAmovible();
    if (!amovible)
        return amovible;
    if (ChantierSite::crochetAvantRemplacement)
        ChantierSite::crochetAvantRemplacement(repertoireSortie);
    return chantier.remplacer();
}

void GenerationSite::calculerTaille(Calendrier const &calendrier, long long *taille, bool *provisoire)
{
    *taille = 0;
    if (provisoire != nullptr)
        *provisoire = false;
    calculerTailleRecursively(REPERTOIRE_MODELE, taille);
    // The page's head is rewritten for the calendar, and its preview picture added.
    QFile page(joindre(REPERTOIRE_MODELE, PAGE));
    if (page.open(QIODevice::ReadOnly)) {
        const QByteArray modele = page.readAll();
        *taille +=
            EntetePage::reecrireTexte(QString::fromUtf8(modele), calendrier).toUtf8().size() - modele.size();
    }
    *taille += ImageApercu::taille(calendrier.getNom(), calendrier.getOptions().jours);
    *taille += RappelsIcs::texte(calendrier, RappelsIcs::aujourdhui(calendrier)).size();
    // The options' lines, with the line end their insertion adds.
    const QString options = lignesOptions(calendrier, calendrier.getOptions().prive);
    if (!options.isEmpty())
        *taille += options.toUtf8().size() + 1;
    *taille += ManifesteSite::taille();
    const bool chiffre = calendrier.getOptions().prive || calendrier.getOptions().verrou;
    if (chiffre)
        *taille += SitePrive::tailleVerrou();
    // Cropping a large picture takes a while: its limit stands for the two crops.
    if (!calendrier.getOptions().fond.isEmpty())
        *taille += 2
            * (calendrier.getOptions().prive ? SitePrive::tailleChiffree(FondPage::TAILLE_MAX)
                                             : FondPage::TAILLE_MAX);
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        if (!calendrier.getOptions().estJourPublie(it.key()) || !avecFichier(it.value()))
            continue;
        // What will be published: the converted file once known, the source until then.
        qint64 publiee = 0;
        const bool connue = PlanConversions::instance().taillePubliee(
            it.value()->getUrl(), it.value()->getType(), calendrier.getOptions().originaux, &publiee);
        *taille += chiffre ? SitePrive::tailleChiffree(publiee) : publiee;
        if (!connue && provisoire != nullptr)
            *provisoire = true;
    }
}

QString lignesOptions(Calendrier const &calendrier, bool chiffre)
{
    // Only options away from their default, so that a calendar without any gets today's page.
    const OptionsCalendrier &options = calendrier.getOptions();
    QString lignes;
    for (const OptionsCalendrier::Attribut &attribut : OptionsCalendrier::attributs()) {
        const QString texte = attribut.texte(options);
        if (!attribut.actif || attribut.variablePage.isEmpty() || texte.isEmpty())
            continue;
        // An encrypted site's picture is the lock's to show, once it is opened.
        if (chiffre && &attribut == OptionsCalendrier::attribut(QStringLiteral("fond")))
            continue;
        QString valeur;
        if (&attribut == OptionsCalendrier::attribut(QStringLiteral("melange"))) {
            // The shuffle is dealt here, from the name, so that the page only follows it.
            QStringList nombres;
            for (const int jour : ordreBoules(calendrier.getNom(), options.jours))
                nombres << QString::number(jour);
            valeur = QLatin1Char('[') + nombres.join(QStringLiteral(", ")) + QLatin1Char(']');
        } else if (&attribut == OptionsCalendrier::attribut(QStringLiteral("theme"))) {
            // The theme's colours; the default scene needs none.
            valeur = ThemePage::objetPage(texte);
            if (valeur.isEmpty())
                continue;
        } else if (attribut.genre == OptionsCalendrier::Genre::Booleen
            || &attribut == OptionsCalendrier::attribut(QStringLiteral("fond"))) {
            // The background's crops have fixed names: the page only learns there is one.
            valeur = QStringLiteral("true");
        } else if (attribut.genre == OptionsCalendrier::Genre::Nombre) {
            valeur = texte;
        } else {
            valeur = Message::litteralJavaScript(texte);
        }
        lignes += attribut.variablePage + QLatin1String(" = ") + valeur + QLatin1String(";\n");
    }
    return lignes;
}

Resultat GenerationSite::copierArbre(QString const &source, QString const &destination)
{
    const auto echec = [&](int erreur) {
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            tr("%1 cannot be copied to %2: %3.")
                .arg(lisible(source), lisible(destination), raisonSysteme(erreur)))
            .avecChemin(destination)
            .avecRaison(raisonSysteme(erreur));
    };
    const QFileInfo infoSource(source);
    if (infoSource.isDir()) {
        // An existing directory is merged into; the files themselves are never replaced.
        if (::mkdir(QFile::encodeName(destination).constData(), 0777) != 0 && errno != EEXIST)
            return echec(errno);
        for (const QString &nom : listerEntrees(source)) {
            const Resultat copie = copierArbre(joindre(source, nom), joindre(destination, nom));
            if (!copie)
                return copie;
        }
        return Resultat();
    }
    int erreur = 0;
    const EchecCopie resultat = copierFichier(source, destination, &erreur);
    if (resultat == AUCUN_ECHEC)
        return Resultat();
    return echec(erreur != 0 ? erreur : resultat == SOURCE_NON_REGULIERE ? EINVAL : ENOENT);
}

int resetRepertoire(QString repertoire)
{
    if (repertoire.isEmpty())
        return 4;
    // Never through a mount point below it, and a failed removal is a failure.
    if (ChantierSite::contientPointDeMontage(repertoire))
        return 4;
    for (const QString &nom : listerEntrees(repertoire)) {
        if (!ChantierSite::supprimerSansFranchir(joindre(repertoire, nom)))
            return 4;
    }
    return QDir().mkpath(repertoire) ? 0 : 4;
}

int ajouterDansLeFichierSousLeMarqueur(QString fichier, QString marqueur, QString texte)
{
    return EcritureFichier::insererSousLeMarqueur(fichier, marqueur, texte) ? 0 : 2;
}

QString getHash(QString texte1, QString texte2)
{
    return QString::fromLatin1(
        QCryptographicHash::hash((texte1 + texte2).toUtf8(), QCryptographicHash::Md5).toHex());
}

bool copyRecursively(QString const &source, QString const &destination)
{
    return GenerationSite::copierArbre(source, destination).estReussi();
}

bool calculerTailleRecursively(QString const &chemin, long long *total)
{
    const QFileInfo info(chemin);
    if (info.isDir()) {
        for (const QString &nom : listerEntrees(chemin)) {
            if (!calculerTailleRecursively(joindre(chemin, nom), total))
                return false;
        }
        return true;
    }
    // A FIFO, a socket or a device has no size to count (and is never copied).
    *total += info.isFile() ? info.size() : 0;
    return true;
}
