#include "modele/media.h"

#include "format/format.h"

#include <QDomDocument>

namespace {

// A DOM node points back to the document that created it and reads it when it is
// imported or appended elsewhere, so the scratch document must outlive every element
// handed out: one per thread, for the life of the thread.
QDomDocument &documentBrouillon()
{
    thread_local QDomDocument brouillon;
    return brouillon;
}

} // namespace

Media::Media(QString url)
{
    setUrl(url);
}

Media::~Media() = default;

QDomElement Media::getQDomElement() const
{
    return documentBrouillon().createElement(NOM_BALISE_MEDIA);
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
    QDomElement element = documentBrouillon().createElement(nomBalise);
    element.setAttribute(Format::ATTRIBUT_URL, getUrl());
    return element;
}

Media *Media::copier() const
{
    return nullptr;
}

QString Media::getExtensionPubliee() const
{
    return extensionPubliee.isEmpty() ? QString(EXTENSION_STOCKAGE) : extensionPubliee;
}

void Media::setExtensionPubliee(QString const &extension) const
{
    extensionPubliee = extension;
}

QString Media::nomFichierStocke(const QString &identifiant) const
{
    return nomFichierStocke(identifiant, getExtensionPubliee());
}

QString Media::nomFichierStocke(QString const &identifiant, QString const &extension)
{
    return identifiant + QLatin1Char('.') + extension;
}
