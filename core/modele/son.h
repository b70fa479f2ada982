#pragma once

#include "modele/media.h"

class Son : public Media
{
public:
    /// Element of the project file.
    static constexpr QLatin1String BALISE{"son"};
    /// Collection script, in the site's scripts directory, that receives the kind's lines.
    static constexpr QLatin1String COLLECTION{"collectionSons.js"};

    explicit Son(QString url);
    ~Son() override;

    QDomElement getQDomElement() const override;
    QString getSceneJS(QString identifiant) const override;
    QString getCollectionJS(QString identifiant) const override;
    QString getNomFichierCollection() const override;
    TypeMedia getType() const override;
    Media *copier() const override;
};
