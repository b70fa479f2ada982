#pragma once

#include <QDomElement>
#include <QLatin1String>
#include <QString>

/// One day's media: the path of a file on the user's disk, or a text for a
/// `Message`. The base class answers the defaults; each kind's class writes its element
/// and its script lines in the generated site, and its row of `GenreMedia` tells the rest.
class Media
{
public:
    /// Element of the base class, which no kind uses and the reader ignores.
    static constexpr QLatin1String NOM_BALISE_MEDIA{"media"};
    /// Extension of a media's copy in a generated site when its type is unknown.
    static constexpr QLatin1String EXTENSION_STOCKAGE{"txt"};

    // A fixed underlying type makes any int a valid value, so an unknown kind
    // can be held and shown as an empty day instead of being undefined.
    enum TypeMedia : int { AUCUN = 0, PHOTO = 1, MUSIQUE = 2, VIDEO = 3, MESSAGE = 4 };

    explicit Media(QString url);
    virtual ~Media();

    Media(const Media &) = delete;
    Media &operator=(const Media &) = delete;

    /// The media's element for the project file, built in a scratch document
    /// of its own and returned unattached.
    virtual QDomElement getQDomElement() const;
    /// Lines the page runs when the visitor opens the day.
    virtual QString getSceneJS(QString identifiant) const;
    /// Lines that declare the media's file to the collection script of its kind.
    virtual QString getCollectionJS(QString identifiant) const;
    /// Name of the collection script (in the site's `scripts` directory).
    virtual QString getNomFichierCollection() const;
    virtual TypeMedia getType() const;
    /// A new media of the same kind and content, for a calendar's copy; null for a kind
    /// the project file cannot carry.
    virtual Media *copier() const;

    /// Name of a media's copy in a generated site: identifier, point, extension.
    static QString nomFichierStocke(QString const &identifiant, QString const &extension);

    QString getUrl() const;
    void setUrl(QString const &url);

    /// Extension of the media's copy in a generated site, which the generator learns from
    /// the file's content before it asks for the lines; `EXTENSION_STOCKAGE` until then. A detail of the site being written, not of the calendar, hence const.
    QString getExtensionPubliee() const;
    void setExtensionPubliee(QString const &extension) const;

protected:
    /// The element named `nomBalise` with the "url" attribute set to the URL.
    QDomElement creerElementAvecUrl(const QString &nomBalise) const;
    /// Name of the stored copy of the media in the site: identifier, point, extension.
    QString nomFichierStocke(const QString &identifiant) const;

private:
    QString url;
    mutable QString extensionPubliee;
};
