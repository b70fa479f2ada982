#pragma once

#include "format/resultat.h"
#include "publication/ciblepublication.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

#include <atomic>
#include <functional>

#include <curl/curl.h>

class QIODevice;

/// One connection to a publishing target through libcurl, whatever its protocol: list the
/// remote folder, read a file, send one under a temporary name and put it in place,
/// delete one. A transient fault (a lost connection, a timeout, a busy server) is tried
/// again three times with growing waits; every failure names the file and its cause.
class TransfertCurl
{
    Q_DECLARE_TR_FUNCTIONS(TransfertCurl)

public:
    struct Reglages {
        /// The password, or the S3 secret key; empty for an SSH key or the agent.
        QString secret;
        /// One more certificate authority to trust, besides the system's.
        QString fichierCa;
        /// The SHA256:… fingerprint of a host key the user accepts.
        QString empreinteAcceptee;
        /// The user's SSH folder (~/.ssh): known_hosts and the key files.
        QString repertoireSsh;
        /// The program's own list of accepted host keys.
        QString fichierHotesConnus;
        /// The first wait before trying again; it doubles each time.
        int attenteMs = 1000;
        /// Set from another thread to stop the transfer under way.
        std::atomic_bool *arret = nullptr;
        /// Bytes of the current file sent so far.
        std::function<void(qint64)> progression;
    };

    virtual ~TransfertCurl();
    TransfertCurl(TransfertCurl const &) = delete;
    TransfertCurl &operator=(TransfertCurl const &) = delete;

    /// Every file under the remote folder, by relative path, with its size; none when the
    /// folder does not exist yet.
    virtual Resultat lister(QMap<QString, qint64> *fichiers) = 0;
    /// The file `relatif`; `*absent` is set when the server has none.
    virtual Resultat lire(QString const &relatif, QByteArray *contenu, bool *absent) = 0;
    /// Sends `donnees` (`taille` bytes, SHA-256 `empreinte` in hex) as `relatif`, under a
    /// temporary name first where the protocol can rename.
    virtual Resultat envoyer(
        QIODevice *donnees, qint64 taille, QByteArray const &empreinte, QString const &relatif) = 0;
    virtual Resultat supprimer(QString const &relatif) = 0;
    /// Whether `envoyer` goes through a temporary name.
    virtual bool parNomTemporaire() const;

    /// The fingerprint of a host key seen but not trusted, once a connection was refused.
    QString getEmpreinteInconnue() const;

protected:
    /// Adds the files of one listed folder (`entrees`: sizes, -1 for a sub-folder) to
    /// `*fichiers`, each path after `prefixe`, and lists each sub-folder with `listerSous`.
    static Resultat parcourir(QMap<QString, qint64> const &entrees, QString const &prefixe,
        QMap<QString, qint64> *fichiers, std::function<Resultat(QString const &)> const &listerSous);
    TransfertCurl(CiblePublication const &cible, Reglages const &reglages);

    /// The handle reset to the options every request shares, aimed at `relatif`.
    void preparer(QString const &relatif);
    /// Performs the request that `avant` sets up on the prepared handle, again after a
    /// transient fault. A failure's message begins with `enTete` ("Cannot send data/x.jpg")
    /// and its code is libcurl's, or 1000 plus the HTTP status.
    Resultat executer(QString const &enTete, std::function<void()> const &avant);
    /// Code of the last HTTP answer.
    long codeHttp() const;
    /// Collects what the server sends into `*tampon`, at most `maximum` bytes.
    void recevoirDans(QByteArray *tampon, qint64 maximum);
    /// Sends `donnees` from its start.
    void envoyerDepuis(QIODevice *donnees, qint64 taille);
    /// A list of texts for libcurl, freed with the transfer.
    curl_slist *liste(QList<QByteArray> const &elements);

    CiblePublication cible;
    Reglages reglages;
    CURL *poignee = nullptr;

private:
    static int progresser(void *donnees, curl_off_t, curl_off_t, curl_off_t, curl_off_t envoyes);
    static int verifierCle(
        CURL *, const curl_khkey *, const curl_khkey *trouvee, curl_khmatch correspondance, void *donnees);
    static size_t recevoir(char *octets, size_t taille, size_t nombre, void *donnees);
    static size_t lireDonnees(char *octets, size_t taille, size_t nombre, void *donnees);
    static bool estPassager(CURLcode code, long http);
    QString cause(CURLcode code, long http) const;

    char tamponErreur[CURL_ERROR_SIZE] = {};
    QByteArray reponse;
    QByteArray *destination = nullptr;
    qint64 maximumRecu = 0;
    QIODevice *source = nullptr;
    QList<curl_slist *> listes;
    QString empreinteInconnue;
    bool cleChangee = false;
};
