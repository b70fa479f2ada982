#pragma once

#include "modele/media.h"

/// A written message for a day: plain text on several lines, shown on a card in the
/// page. It has no file, so its location stays empty.
class Message : public Media
{
public:
    /// Element of the project file.
    static constexpr QLatin1String BALISE{"message"};

    /// Longest text the day dialog accepts, in characters (code points).
    static const int LONGUEUR_MAXIMALE = 1000;

    explicit Message(QString texte);
    ~Message() override;

    QDomElement getQDomElement() const override;
    QString getSceneJS(QString identifiant) const override;
    QString getCollectionJS(QString identifiant) const override;
    QString getNomFichierCollection() const override;
    TypeMedia getType() const override;
    Media *copier() const override;

    QString getTexte() const;
    void setTexte(QString const &texte);

    /// The first words of the text, on one line, for the day's tile.
    static QString debut(const QString &texte);

    /// `texte` as a double-quoted JavaScript string literal that no text can break
    /// out of, even inside an HTML script element: printable ASCII stays as it is
    /// except quotes, backslash, `<`, `>` and `&`; those and every other UTF-16 code
    /// unit are written as `\uXXXX`.
    static QString litteralJavaScript(const QString &texte);

private:
    QString texte;
};
