#include "chiffrement/coffrecles.h"

#include "chiffrement/chiffrement.h"
#include "chiffrement/formatchiffre.h"
#include "chiffrement/parametrescle.h"
#include "format/resultat.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int TAILLE_ENVELOPPE =
    Chiffrement::TAILLE_NONCE + Chiffrement::TAILLE_CLE + Chiffrement::TAILLE_ETIQUETTE;

} // namespace

QString CoffreCles::repertoire()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/tinselbox/cles");
}

QByteArray CoffreCles::cleMaitre(ParametresCle const &parametres, QByteArray const &cleMotDePasse,
    QString *erreur, bool *autreMotDePasse, bool creer)
{
    if (autreMotDePasse != nullptr)
        *autreMotDePasse = false;
    const QString nom = QString::fromLatin1(
        QCryptographicHash::hash(parametres.getSel(), QCryptographicHash::Sha256).toHex().left(32));
    const QString dossier = repertoire();
    const QString chemin = dossier + QLatin1Char('/') + nom;
    const QByteArray cheminLocal = QFile::encodeName(chemin);

    const int lecture = ::open(cheminLocal.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (lecture >= 0) {
        struct stat infos;
        QByteArray enveloppe(TAILLE_ENVELOPPE + 1, Qt::Uninitialized);
        const bool prive = ::fstat(lecture, &infos) == 0 && S_ISREG(infos.st_mode)
            && infos.st_uid == ::geteuid() && (infos.st_mode & 077) == 0;
        const ssize_t lu = prive ? ::read(lecture, enveloppe.data(), size_t(enveloppe.size())) : -1;
        ::close(lecture);
        if (!prive) {
            *erreur = QCoreApplication::translate(
                "CoffreCles", "The calendar's key %1 may be read by others than you; it is not used.")
                          .arg(Resultat::cheminLisible(chemin));
            return QByteArray();
        }
        if (lu != TAILLE_ENVELOPPE) {
            *erreur = QCoreApplication::translate("CoffreCles", "The calendar's key %1 is damaged.")
                          .arg(Resultat::cheminLisible(chemin));
            return QByteArray();
        }
        enveloppe.resize(TAILLE_ENVELOPPE);
        QByteArray cle;
        if (!FormatChiffre::desenvelopper(cleMotDePasse, enveloppe, &cle)) {
            if (autreMotDePasse != nullptr)
                *autreMotDePasse = true;
            *erreur = QCoreApplication::translate(
                "CoffreCles", "This is not the calendar's password (the one set in its Options).");
            return QByteArray();
        }
        return cle;
    }
    if (errno == ENOENT && !creer)
        return QByteArray();
    if (errno != ENOENT) {
        *erreur = QCoreApplication::translate("CoffreCles", "The calendar's key %1 cannot be read: %2.")
                      .arg(Resultat::cheminLisible(chemin), Resultat::raisonSysteme(errno));
        return QByteArray();
    }

    const QByteArray cle = Chiffrement::aleatoire(Chiffrement::TAILLE_CLE);
    const QByteArray enveloppe = cle.isEmpty() ? QByteArray() : FormatChiffre::envelopper(cleMotDePasse, cle);
    int ecriture = -1;
    if (enveloppe.size() == TAILLE_ENVELOPPE && QDir().mkpath(dossier)
        && ::chmod(QFile::encodeName(dossier).constData(), 0700) == 0)
        ecriture =
            ::open(cheminLocal.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    const int code = errno;
    if (ecriture < 0 || ::write(ecriture, enveloppe.constData(), size_t(enveloppe.size())) != enveloppe.size()
        || ::fsync(ecriture) != 0) {
        const int raison = ecriture < 0 ? code : errno;
        if (ecriture >= 0) {
            ::close(ecriture);
            ::unlink(cheminLocal.constData());
        }
        *erreur = QCoreApplication::translate("CoffreCles", "The calendar's key cannot be kept in %1: %2.")
                      .arg(Resultat::cheminLisible(dossier), Resultat::raisonSysteme(raison));
        return QByteArray();
    }
    if (::close(ecriture) != 0) {
        ::unlink(cheminLocal.constData());
        *erreur = QCoreApplication::translate("CoffreCles", "The calendar's key cannot be kept in %1: %2.")
                      .arg(Resultat::cheminLisible(dossier), Resultat::raisonSysteme(errno));
        return QByteArray();
    }
    return cle;
}
