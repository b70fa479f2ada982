#include "chiffrement/parametrescle.h"

#include <QCryptographicHash>

#include "chiffrement/chiffrement.h"
#include "chiffrement/formatchiffre.h"

#include <QStringList>

namespace {

const QString ALGORITHME = QStringLiteral("pbkdf2-sha256");
// Past this a page would take minutes to open; nobody writes it but a damaged file.
constexpr int ITERATIONS_MAX = 100000000;

} // namespace

ParametresCle ParametresCle::nouveaux()
{
    ParametresCle parametres;
    parametres.sel = Chiffrement::aleatoire(FormatChiffre::TAILLE_SEL);
    parametres.iterations = FormatChiffre::ITERATIONS;
    return parametres;
}

ParametresCle ParametresCle::lire(QString const &texte)
{
    const QStringList parties = texte.trimmed().split(QLatin1Char(':'));
    ParametresCle parametres;
    if (parties.size() != 3 || parties.at(0) != ALGORITHME)
        return parametres;
    bool nombre = false;
    const int iterations = parties.at(1).toInt(&nombre);
    const auto decodage =
        QByteArray::fromBase64Encoding(parties.at(2).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!nombre || iterations < FormatChiffre::ITERATIONS || iterations > ITERATIONS_MAX || !decodage
        || decodage.decoded.size() != FormatChiffre::TAILLE_SEL)
        return parametres;
    parametres.sel = decodage.decoded;
    parametres.iterations = iterations;
    return parametres;
}

bool ParametresCle::estValide() const
{
    return sel.size() == FormatChiffre::TAILLE_SEL && iterations >= FormatChiffre::ITERATIONS;
}

QString ParametresCle::texte() const
{
    if (!estValide())
        return QString();
    return QStringLiteral("%1:%2:%3")
        .arg(ALGORITHME)
        .arg(iterations)
        .arg(QString::fromLatin1(sel.toBase64()));
}

QByteArray ParametresCle::getSel() const
{
    return sel;
}

int ParametresCle::getIterations() const
{
    return iterations;
}

QByteArray ParametresCle::deriver(QString const &motDePasse) const
{
    return estValide() ? Chiffrement::deriverMotDePasse(motDePasse, sel, iterations) : QByteArray();
}

QString ParametresCle::entreeTrousseau() const
{
    return QStringLiteral("calendar password ") + nomFichier();
}

QString ParametresCle::nomFichier() const
{
    return QString::fromLatin1(QCryptographicHash::hash(sel, QCryptographicHash::Sha256).toHex().left(32));
}
