#include "media.h"

#include "gestionnairefichiers.h"

#include <QDomDocument>

Media::Media(QString url)
{
    setUrl(url);
}

Media::~Media() = default;

QDomElement Media::getQDomElement() const
{
    QDomDocument brouillon;
    return brouillon.createElement(GestionnaireFichiers::NOM_BALISE_MEDIA);
}

QString Media::getSceneJS(QString) const
{
    return QString();
}

QString Media::getCollectionJS(QString) const
{
    return QString();
}

QString Media::getNomFichierCollection() const
{
    return QString();
}

Media::TypeMedia Media::getType() const
{
    return AUCUN;
}

QString Media::getUrl() const
{
    return url;
}

void Media::setUrl(QString const &nouvelleUrl)
{
    url = nouvelleUrl;
}

QDomElement Media::creerElementAvecUrl(const QString &nomBalise) const
{
    QDomDocument brouillon;
    QDomElement element = brouillon.createElement(nomBalise);
    element.setAttribute(GestionnaireFichiers::NOM_ATTRIBUT_URL, getUrl());
    return element;
}

QString Media::nomFichierStocke(const QString &identifiant)
{
    return identifiant + QLatin1Char('.') + GestionnaireFichiers::EXTENSION_MEDIA;
}
