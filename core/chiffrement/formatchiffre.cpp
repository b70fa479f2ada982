#include "chiffrement/formatchiffre.h"

#include "chiffrement/chiffrement.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace {

// Labels that keep each derivation apart from the others.
const QByteArray ETIQUETTE_IDENTITE("tinselbox/identite/1");
const QByteArray ETIQUETTE_SEL("tinselbox/sel/1");
const QByteArray ETIQUETTE_FICHIER("tinselbox/fichier/1");
const QByteArray ETIQUETTE_ENVELOPPE("tinselbox/enveloppe/1");

QByteArray entierGrosBout(quint32 valeur)
{
    QByteArray resultat(4, '\0');
    qToBigEndian(valeur, resultat.data());
    return resultat;
}

} // namespace

QString FormatChiffre::identite(QByteArray const &cleMaitre, int jour)
{
    return identite(cleMaitre, QByteArray::number(jour));
}

QString FormatChiffre::identite(QByteArray const &cleMaitre, QByteArray const &nom)
{
    return QString::fromLatin1(
        Chiffrement::hmac(cleMaitre, ETIQUETTE_IDENTITE + '\0' + nom).left(16).toHex());
}

QByteArray FormatChiffre::selFichier(
    QByteArray const &cleMaitre, QString const &identite, QByteArray const &empreinte)
{
    return Chiffrement::hmac(cleMaitre, ETIQUETTE_SEL + '\0' + identite.toLatin1() + '\0' + empreinte);
}

QByteArray FormatChiffre::cleFichier(
    QByteArray const &cleMaitre, QByteArray const &sel, QString const &identite)
{
    return Chiffrement::hkdf(
        cleMaitre, sel, ETIQUETTE_FICHIER + '\0' + identite.toLatin1(), Chiffrement::TAILLE_CLE);
}

QByteArray FormatChiffre::donneesAssociees(QString const &identite, int index, bool dernier)
{
    return identite.toLatin1() + entierGrosBout(quint32(index)) + char(dernier ? 1 : 0);
}

QByteArray FormatChiffre::nonceMorceau(int index)
{
    // Each file's key seals one file only: a counter never repeats under it.
    return QByteArray(Chiffrement::TAILLE_NONCE - 4, '\0') + entierGrosBout(quint32(index));
}

int FormatChiffre::nombreMorceaux(qint64 taille)
{
    return taille <= 0 ? 1 : int((taille + TAILLE_MORCEAU - 1) / TAILLE_MORCEAU);
}

QByteArray FormatChiffre::chiffrerMorceau(
    QByteArray const &cleFichier, QString const &identite, int index, bool dernier, QByteArray const &clair)
{
    return Chiffrement::chiffrerGcm(
        cleFichier, nonceMorceau(index), donneesAssociees(identite, index, dernier), clair);
}

QList<QByteArray> FormatChiffre::chiffrer(
    QByteArray const &cleMaitre, QString const &identite, QByteArray const &clair, QByteArray *sel)
{
    *sel = selFichier(cleMaitre, identite, QCryptographicHash::hash(clair, QCryptographicHash::Sha256));
    const QByteArray cle = cleFichier(cleMaitre, *sel, identite);
    const int nombre = nombreMorceaux(clair.size());
    QList<QByteArray> morceaux;
    for (int i = 0; i < nombre; ++i) {
        const QByteArray morceau =
            chiffrerMorceau(cle, identite, i, i == nombre - 1, clair.mid(i * TAILLE_MORCEAU, TAILLE_MORCEAU));
        if (morceau.isEmpty())
            return {};
        morceaux << morceau;
    }
    return morceaux;
}

bool FormatChiffre::dechiffrer(QByteArray const &cleMaitre, QString const &identite, QByteArray const &sel,
    QList<QByteArray> const &morceaux, QByteArray *clair)
{
    if (morceaux.isEmpty())
        return false;
    const QByteArray cle = cleFichier(cleMaitre, sel, identite);
    QByteArray resultat;
    for (int i = 0; i < morceaux.size(); ++i) {
        QByteArray morceau;
        if (!Chiffrement::dechiffrerGcm(cle, nonceMorceau(i),
                donneesAssociees(identite, i, i == morceaux.size() - 1), morceaux.at(i), &morceau))
            return false;
        resultat += morceau;
    }
    *clair = resultat;
    return true;
}

QByteArray FormatChiffre::envelopper(QByteArray const &cleMotDePasse, QByteArray const &cleMaitre)
{
    const QByteArray nonce = Chiffrement::hmac(cleMotDePasse, ETIQUETTE_ENVELOPPE + '\0' + cleMaitre)
                                 .left(Chiffrement::TAILLE_NONCE);
    const QByteArray chiffre = Chiffrement::chiffrerGcm(cleMotDePasse, nonce, ETIQUETTE_ENVELOPPE, cleMaitre);
    return chiffre.isEmpty() ? QByteArray() : nonce + chiffre;
}

bool FormatChiffre::desenvelopper(
    QByteArray const &cleMotDePasse, QByteArray const &enveloppe, QByteArray *cleMaitre)
{
    return enveloppe.size()
        == Chiffrement::TAILLE_NONCE + Chiffrement::TAILLE_CLE + Chiffrement::TAILLE_ETIQUETTE
        && Chiffrement::dechiffrerGcm(cleMotDePasse, enveloppe.left(Chiffrement::TAILLE_NONCE),
            ETIQUETTE_ENVELOPPE, enveloppe.mid(Chiffrement::TAILLE_NONCE), cleMaitre);
}
