#include "modele/genremedia.h"

#include "modele/contenumedia.h"
#include "modele/image.h"
#include "modele/message.h"
#include "modele/son.h"
#include "modele/video.h"

#include <QCoreApplication>
#include <QDomElement>

const QVector<GenreMedia> &GenreMedia::tous()
{
    // Built on first use, so that constants of other units may be made from it safely.
    static const QVector<GenreMedia> genres{
        {Media::PHOTO, Image::BALISE, QT_TRANSLATE_NOOP("GenreMedia", "PHOTO"), 0xe95f43, Image::COLLECTION,
            {}, true, QStringLiteral("image/jpeg"), {QStringLiteral("image/")}, true,
            [](const QString &url) -> Media * { return new Image(url); },
            QT_TRANSLATE_NOOP("GenreMedia",
                "This file does not look like a picture. The page may not be able "
                "to show it. Keep it anyway?")},
        {Media::MUSIQUE, Son::BALISE, QT_TRANSLATE_NOOP("GenreMedia", "MUSIC"), 0x64b2b2, Son::COLLECTION,
            {QStringLiteral("audio/mpeg"), QStringLiteral("audio/ogg"), QStringLiteral("audio/wav")}, false,
            QStringLiteral("audio/mpeg"), {QStringLiteral("audio/"), QStringLiteral("application/ogg")},
            false, [](const QString &url) -> Media * { return new Son(url); },
            QT_TRANSLATE_NOOP("GenreMedia",
                "This file does not look like a piece of music. The page may not "
                "be able to play it. Keep it anyway?")},
        {Media::VIDEO, Video::BALISE, QT_TRANSLATE_NOOP("GenreMedia", "VIDEO"), 0xe8dfb4, Video::COLLECTION,
            {QStringLiteral("video/mp4"), QStringLiteral("video/webm"), QStringLiteral("video/ogg")}, false,
            QStringLiteral("video/mp4"), {QStringLiteral("video/"), QStringLiteral("application/ogg")}, false,
            [](const QString &url) -> Media * { return new Video(url); },
            QT_TRANSLATE_NOOP("GenreMedia",
                "This file does not look like a video. The page may not be able "
                "to play it. Keep it anyway?")},
        // Lavender: black text stays readable on it, and it stands apart from the other three.
        {Media::MESSAGE, Message::BALISE, QT_TRANSLATE_NOOP("GenreMedia", "MESSAGE"), 0xc3b1e1,
            // A plain text file dropped on a tile becomes a message of its content.
            QString(), {}, false, QString(), {QStringLiteral("text/plain")}, false,
            [](const QString &texte) -> Media * { return new Message(texte); }, nullptr, false,
            [](const Media &media) {
                return Message::debut(static_cast<const Message &>(media).getTexte());
            }},
    };
    return genres;
}

const GenreMedia *GenreMedia::pour(Media::TypeMedia type)
{
    for (const GenreMedia &genre : tous()) {
        if (genre.type == type)
            return &genre;
    }
    return nullptr;
}

const GenreMedia *GenreMedia::pourBalise(const QString &balise)
{
    for (const GenreMedia &genre : tous()) {
        if (genre.balise == balise)
            return &genre;
    }
    return nullptr;
}

const GenreMedia *GenreMedia::pourContenu(const QString &chemin)
{
    // The day dialog's own check, asked of each kind in turn.
    for (const GenreMedia &genre : tous()) {
        if (ContenuMedia::estDeLaFamille(chemin, genre.famillesMimeContenu))
            return &genre;
    }
    return nullptr;
}

Media *GenreMedia::depuisElement(const QDomElement &element)
{
    const GenreMedia *genre = pourBalise(element.tagName());
    if (genre == nullptr)
        return nullptr;
    return genre->creer(genre->avecFichier ? element.attribute(NOM_ATTRIBUT_URL) : element.text());
}

QString GenreMedia::texteTuile(const Media &media)
{
    const GenreMedia *genre = pour(media.getType());
    return genre != nullptr && genre->legendeTuile != nullptr ? genre->legendeTuile(media) : media.getUrl();
}

QString GenreMedia::nomFichierStocke(const QString &identifiant, const QString &extension)
{
    return Media::nomFichierStocke(identifiant, extension);
}

QString GenreMedia::libelleTraduit() const
{
    return QCoreApplication::translate("GenreMedia", libelle);
}

QString GenreMedia::questionContenuDouteuxTraduite() const
{
    return questionContenuDouteux != nullptr
        ? QCoreApplication::translate("GenreMedia", questionContenuDouteux)
        : QString();
}
