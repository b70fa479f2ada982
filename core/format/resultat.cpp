#include "format/resultat.h"

#include <QDir>

Resultat Resultat::echec(Cause cause, QString const &message)
{
    Resultat resultat;
    resultat.cause = cause;
    resultat.message = message;
    return resultat;
}

bool Resultat::estReussi() const
{
    return cause == Cause::Aucune;
}

Resultat::operator bool() const
{
    return cause == Cause::Aucune;
}

Resultat::Cause Resultat::getCause() const
{
    return cause;
}

QString Resultat::getMessage() const
{
    return message;
}

int Resultat::getDetail() const
{
    return detail;
}

int Resultat::getJour() const
{
    return jour;
}

QString Resultat::getChemin() const
{
    return chemin;
}

QString Resultat::getRaison() const
{
    return raison;
}

Resultat &Resultat::avecDetail(int nouveau)
{
    detail = nouveau;
    return *this;
}

Resultat &Resultat::avecJour(int jour)
{
    this->jour = jour;
    return *this;
}

Resultat &Resultat::avecChemin(QString const &chemin)
{
    this->chemin = chemin;
    return *this;
}

Resultat &Resultat::avecRaison(QString const &raison)
{
    this->raison = raison;
    return *this;
}

QString Resultat::cheminLisible(QString const &chemin)
{
    QString lisible;
    lisible.reserve(chemin.size());
    for (const QChar c : QDir::toNativeSeparators(chemin)) {
        const char16_t u = c.unicode();
        if (u == u'\n')
            lisible += QLatin1String("\\n");
        else if (u == u'\t')
            lisible += QLatin1String("\\t");
        else if (u == u'\r')
            lisible += QLatin1String("\\r");
        else if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0))
            lisible += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            lisible += c;
    }
    return lisible;
}

QString Resultat::raisonSysteme(int erreur)
{
    QString texte = qt_error_string(erreur);
    if (texte.endsWith(QLatin1Char('.')))
        texte.chop(1);
    return texte;
}
