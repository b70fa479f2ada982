#include "publication/transfertcurl.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QThread>

namespace {

const int ESSAIS = 4;
const qint64 REPONSE_MAXIMALE = 64 * 1024;

// libcurl's global set-up, once for the program, before any thread uses it.
void initialiserCurl()
{
    static const bool fait = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(fait)
}

// The user's SSH key, as OpenSSH looks for it; empty when there is none.
QString cleSsh(QString const &repertoire)
{
    for (const char *nom : {"id_ed25519", "id_ecdsa", "id_rsa"}) {
        const QString cle = QDir(repertoire).filePath(QLatin1String(nom));
        if (QFileInfo(cle).isFile() && QFileInfo(cle + QLatin1String(".pub")).isFile())
            return cle;
    }
    return QString();
}

} // namespace

TransfertCurl::TransfertCurl(CiblePublication const &cible, Reglages const &reglages)
    : cible(cible), reglages(reglages)
{
    initialiserCurl();
    poignee = curl_easy_init();
}

TransfertCurl::~TransfertCurl()
{
    for (curl_slist *l : listes)
        curl_slist_free_all(l);
    curl_easy_cleanup(poignee);
}

bool TransfertCurl::parNomTemporaire() const
{
    return true;
}

QString TransfertCurl::getEmpreinteInconnue() const
{
    return empreinteInconnue;
}

void TransfertCurl::preparer(QString const &relatif)
{
    // A reset keeps the open connection: the files of a publish share one.
    curl_easy_reset(poignee);
    for (curl_slist *l : listes)
        curl_slist_free_all(l);
    listes.clear();
    destination = &reponse;
    maximumRecu = REPONSE_MAXIMALE;
    source = nullptr;

    curl_easy_setopt(poignee, CURLOPT_URL, cible.urlCurl(relatif).constData());
    curl_easy_setopt(poignee, CURLOPT_ERRORBUFFER, tamponErreur);
    curl_easy_setopt(poignee, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(poignee, CURLOPT_CONNECTTIMEOUT, 20L);
    // A server that sends or takes nothing for a minute is gone.
    curl_easy_setopt(poignee, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(poignee, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(poignee, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(poignee, CURLOPT_XFERINFOFUNCTION, &TransfertCurl::progresser);
    curl_easy_setopt(poignee, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(poignee, CURLOPT_WRITEFUNCTION, &TransfertCurl::recevoir);
    curl_easy_setopt(poignee, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(poignee, CURLOPT_READFUNCTION, &TransfertCurl::lireDonnees);
    curl_easy_setopt(poignee, CURLOPT_READDATA, this);
    static const char *const PROTOCOLES[] = {"", "sftp", "ftp", "https", "https"};
    curl_easy_setopt(poignee, CURLOPT_PROTOCOLS_STR, PROTOCOLES[cible.getProtocole()]);
    if (!cible.getUtilisateur().isEmpty())
        curl_easy_setopt(poignee, CURLOPT_USERNAME, cible.getUtilisateur().toUtf8().constData());
    if (!reglages.secret.isEmpty())
        curl_easy_setopt(poignee, CURLOPT_PASSWORD, reglages.secret.toUtf8().constData());
    // Certificates are always verified; one more authority may be trusted.
    curl_easy_setopt(poignee, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(poignee, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!reglages.fichierCa.isEmpty())
        curl_easy_setopt(poignee, CURLOPT_CAINFO, QFile::encodeName(reglages.fichierCa).constData());

    if (cible.getProtocole() == CiblePublication::SFTP) {
        curl_easy_setopt(poignee, CURLOPT_SSH_AUTH_TYPES,
            long(
                CURLSSH_AUTH_PUBLICKEY | CURLSSH_AUTH_AGENT | CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        curl_easy_setopt(poignee, CURLOPT_SSH_KNOWNHOSTS,
            QFile::encodeName(QDir(reglages.repertoireSsh).filePath(QStringLiteral("known_hosts")))
                .constData());
        curl_easy_setopt(poignee, CURLOPT_SSH_KEYFUNCTION, &TransfertCurl::verifierCle);
        curl_easy_setopt(poignee, CURLOPT_SSH_KEYDATA, this);
        const QString cle = cleSsh(reglages.repertoireSsh);
        if (!cle.isEmpty()) {
            curl_easy_setopt(poignee, CURLOPT_SSH_PRIVATE_KEYFILE, QFile::encodeName(cle).constData());
            curl_easy_setopt(poignee, CURLOPT_SSH_PUBLIC_KEYFILE,
                QFile::encodeName(cle + QLatin1String(".pub")).constData());
        }
    } else if (cible.getProtocole() == CiblePublication::FTPS) {
        curl_easy_setopt(poignee, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    } else {
        // What every WebDAV and S3 server speaks.
        curl_easy_setopt(poignee, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    }
    if (cible.getProtocole() == CiblePublication::DAVS) {
        curl_easy_setopt(poignee, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
    } else if (cible.getProtocole() == CiblePublication::S3) {
        const QByteArray signature = "aws:amz:" + cible.getRegion().toUtf8() + ":s3";
        curl_easy_setopt(poignee, CURLOPT_AWS_SIGV4, signature.constData());
    }
}

void TransfertCurl::recevoirDans(QByteArray *tampon, qint64 maximum)
{
    tampon->clear();
    destination = tampon;
    maximumRecu = maximum;
}

void TransfertCurl::envoyerDepuis(QIODevice *donnees, qint64 taille)
{
    donnees->seek(0);
    source = donnees;
    // Larger writes let libssh2 keep more SFTP requests in flight.
    curl_easy_setopt(poignee, CURLOPT_UPLOAD_BUFFERSIZE, 2L * 1024 * 1024);
    curl_easy_setopt(poignee, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(poignee, CURLOPT_INFILESIZE_LARGE, curl_off_t(taille));
}

curl_slist *TransfertCurl::liste(QList<QByteArray> const &elements)
{
    curl_slist *resultat = nullptr;
    for (const QByteArray &element : elements)
        resultat = curl_slist_append(resultat, element.constData());
    listes << resultat;
    return resultat;
}

long TransfertCurl::codeHttp() const
{
    long code = 0;
    curl_easy_getinfo(poignee, CURLINFO_RESPONSE_CODE, &code);
    return code;
}

bool TransfertCurl::estPassager(CURLcode code, long http)
{
    switch (code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_SSH:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_SSL_CONNECT_ERROR:
        return true;
    case CURLE_OK:
        return http == 408 || http == 429 || http == 500 || http == 502 || http == 503 || http == 504;
    default:
        return false;
    }
}

Resultat TransfertCurl::executer(QString const &enTete, std::function<void()> const &avant)
{
    CURLcode code = CURLE_OK;
    long http = 0;
    for (int essai = 0; essai < ESSAIS; ++essai) {
        if (essai > 0) {
            // Growing waits, cut short by a stop.
            const int attente = reglages.attenteMs << (essai - 1);
            for (int ecoule = 0; ecoule < attente; ecoule += 50) {
                if (reglages.arret != nullptr && *reglages.arret)
                    break;
                QThread::msleep(50);
            }
        }
        tamponErreur[0] = '\0';
        reponse.clear();
        avant();
        code = curl_easy_perform(poignee);
        http = codeHttp();
        const bool sansHttp =
            cible.getProtocole() != CiblePublication::DAVS && cible.getProtocole() != CiblePublication::S3;
        if (code == CURLE_OK && (sansHttp || http < 400))
            return Resultat();
        if (reglages.arret != nullptr && *reglages.arret)
            return Resultat::echec(Resultat::Cause::Interrompu, tr("Publishing was stopped."))
                .avecDetail(CURLE_ABORTED_BY_CALLBACK);
        if (!estPassager(code, http))
            break;
    }
    const int numero = code != CURLE_OK ? int(code) : 1000 + int(http);
    const QString raison = cause(code, http);
    return Resultat::echec(
        Resultat::Cause::Publication, enTete + QLatin1String(": ") + raison + QLatin1Char('.'))
        .avecRaison(raison)
        .avecDetail(numero);
}

Resultat TransfertCurl::parcourir(QMap<QString, qint64> const &entrees, QString const &prefixe,
    QMap<QString, qint64> *fichiers, std::function<Resultat(QString const &)> const &listerSous)
{
    for (auto it = entrees.cbegin(); it != entrees.cend(); ++it) {
        const QString chemin = prefixe + it.key();
        if (it.value() >= 0) {
            fichiers->insert(chemin, it.value());
            continue;
        }
        const Resultat sous = listerSous(chemin);
        if (!sous)
            return sous;
    }
    return Resultat();
}

QString TransfertCurl::cause(CURLcode code, long http) const
{
    const QString serveur = cible.getHote();
    const QString details = QString::fromUtf8(tamponErreur).trimmed();
    if (cleChangee)
        return tr(
            "the host key of %1 has changed since it was accepted; this may be an attack (someone between "
            "you and the server), so nothing was sent")
            .arg(serveur);
    if (!empreinteInconnue.isEmpty())
        return tr("the host key of %1 is not known (%2); accept it only if it is your server's")
            .arg(serveur, empreinteInconnue);
    if (code == CURLE_OK) {
        // The server's own words, when it gives them (S3 says which key it does not know).
        QString texte;
        const int debut = reponse.indexOf("<Message>");
        const int fin = reponse.indexOf("</Message>");
        if (debut >= 0 && fin > debut)
            texte = QString::fromUtf8(reponse.mid(debut + 9, fin - debut - 9)).left(200);
        // The server's own words go inside the sentence, where each language places them.
        const auto avecTexte = [&texte](const QString &seul, const QString &avec) {
            return texte.isEmpty() ? seul : avec.arg(texte);
        };
        if (http == 401
            || (http == 403 && cible.getProtocole() == CiblePublication::S3
                && reponse.contains("<Code>InvalidAccessKeyId</Code>")))
            return avecTexte(tr("the server refused the login: wrong user name, key or password"),
                tr("the server refused the login: wrong user name, key or password (%1)"));
        if (http == 403)
            return avecTexte(
                tr("permission denied by the server"), tr("permission denied by the server (%1)"));
        if (http == 507 || http == 413)
            return avecTexte(tr("the server has no room left"), tr("the server has no room left (%1)"));
        if (texte.isEmpty())
            return tr("the server answered with HTTP status %1").arg(http);
        return tr("the server answered with HTTP status %1 (%2)").arg(QString::number(http), texte);
    }
    switch (code) {
    case CURLE_LOGIN_DENIED:
        return tr("the server refused the login: wrong user name, key or password");
    case CURLE_REMOTE_ACCESS_DENIED:
        return tr("permission denied by the server");
    case CURLE_REMOTE_DISK_FULL:
        return tr("the server has no room left");
    case CURLE_OPERATION_TIMEDOUT:
        return tr("the server stopped answering (timeout)");
    case CURLE_COULDNT_RESOLVE_HOST:
        return tr("the server %1 cannot be found").arg(serveur);
    case CURLE_COULDNT_CONNECT:
        return tr("the server %1 cannot be reached").arg(serveur);
    case CURLE_SSL_CONNECT_ERROR:
        return tr("the secure connection to the server failed (%1)").arg(details);
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return tr("the server's certificate cannot be trusted (%1); a server with an authority of its own "
                  "needs that authority given with --ca-file, or kept as certificate-authorities.pem in "
                  "tinselbox's data folder")
            .arg(details);
    default:
        break;
    }
    return details.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : details;
}

int TransfertCurl::progresser(void *donnees, curl_off_t, curl_off_t, curl_off_t, curl_off_t envoyes)
{
    auto *transfert = static_cast<TransfertCurl *>(donnees);
    if (transfert->reglages.arret != nullptr && *transfert->reglages.arret)
        return 1;
    if (transfert->source != nullptr && transfert->reglages.progression)
        transfert->reglages.progression(envoyes);
    return 0;
}

size_t TransfertCurl::recevoir(char *octets, size_t taille, size_t nombre, void *donnees)
{
    auto *transfert = static_cast<TransfertCurl *>(donnees);
    const size_t recus = taille * nombre;
    // The start of an answer is kept apart too, for the server's words on a failure.
    if (transfert->destination != &transfert->reponse && transfert->reponse.size() < REPONSE_MAXIMALE)
        transfert->reponse.append(
            octets, int(qMin<size_t>(recus, size_t(REPONSE_MAXIMALE - transfert->reponse.size()))));
    if (transfert->destination == nullptr)
        return recus;
    // What is beyond the limit is not kept; a list or an answer that long is not ours.
    if (transfert->destination->size() + qint64(recus) > transfert->maximumRecu)
        return transfert->destination == &transfert->reponse ? recus : 0;
    transfert->destination->append(octets, int(recus));
    return recus;
}

size_t TransfertCurl::lireDonnees(char *octets, size_t taille, size_t nombre, void *donnees)
{
    auto *transfert = static_cast<TransfertCurl *>(donnees);
    if (transfert->source == nullptr)
        return 0;
    const qint64 lus = transfert->source->read(octets, qint64(taille * nombre));
    return lus < 0 ? CURL_READFUNC_ABORT : size_t(lus);
}

int TransfertCurl::verifierCle(
    CURL *, const curl_khkey *, const curl_khkey *trouvee, curl_khmatch correspondance, void *donnees)
{
    auto *transfert = static_cast<TransfertCurl *>(donnees);
    const QByteArray brute = trouvee->len > 0 ? QByteArray(trouvee->key, int(trouvee->len))
                                              : QByteArray::fromBase64(QByteArray(trouvee->key));
    const QString empreinte = QLatin1String("SHA256:")
        + QString::fromLatin1(QCryptographicHash::hash(brute, QCryptographicHash::Sha256)
                                  .toBase64(QByteArray::OmitTrailingEquals));
    if (correspondance == CURLKHMATCH_OK)
        return CURLKHSTAT_FINE;
    if (correspondance == CURLKHMATCH_MISMATCH) {
        transfert->cleChangee = true;
        return CURLKHSTAT_REJECT;
    }
    // Not in known_hosts: the program's own list, one "[host]:port fingerprint" a line.
    const CiblePublication &cible = transfert->cible;
    const QString hote =
        QStringLiteral("[%1]:%2").arg(cible.getHote()).arg(cible.getPort() != -1 ? cible.getPort() : 22);
    QFile liste(transfert->reglages.fichierHotesConnus);
    if (liste.open(QIODevice::ReadOnly)) {
        for (const QByteArray &ligne : liste.readAll().split('\n')) {
            const QList<QByteArray> champs = ligne.trimmed().split(' ');
            if (champs.size() != 2 || QString::fromUtf8(champs.at(0)) != hote)
                continue;
            if (QString::fromLatin1(champs.at(1)) == empreinte)
                return CURLKHSTAT_FINE;
            transfert->cleChangee = true;
            return CURLKHSTAT_REJECT;
        }
        liste.close();
    }
    if (!transfert->reglages.empreinteAcceptee.isEmpty()
        && transfert->reglages.empreinteAcceptee == empreinte) {
        // Remembered, so that a later change of key is seen.
        QDir().mkpath(QFileInfo(liste.fileName()).path());
        if (liste.open(QIODevice::WriteOnly | QIODevice::Append))
            liste.write((hote + QLatin1Char(' ') + empreinte + QLatin1Char('\n')).toUtf8());
        return CURLKHSTAT_FINE;
    }
    transfert->empreinteInconnue = empreinte;
    return CURLKHSTAT_REJECT;
}
