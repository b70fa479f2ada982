#pragma once

#include "modele/optionscalendrier.h"

#include <QList>
#include <QMap>
#include <QString>

class Media;

/// The calendar being edited: a name, at most one media per day number, and the
/// options that tell the page which days open. It owns its media and deletes them
/// when they are replaced or when it dies.
class Calendrier
{
public:
    Calendrier();
    explicit Calendrier(QString nom);
    ~Calendrier();

    Calendrier(const Calendrier &) = delete;
    Calendrier &operator=(const Calendrier &) = delete;

    QString getNom() const;
    void setNom(QString const &nom);

    OptionsCalendrier const &getOptions() const;
    /// Takes `options`, each value the option cannot take at its default.
    void setOptions(OptionsCalendrier const &options);

    /// Takes over `media` for day `jour`, deleting a different media the day held.
    /// Returns 0 when the day holds a media afterwards, 1 otherwise.
    int ajouterMedia(int jour, Media *media);
    /// Removes the day's entry without deleting its media (the caller takes it).
    /// Returns 0 when an entry was removed, 3 when the day had none.
    int supprimerMedia(int jour);
    Media *getMedia(int jour) const;
    /// The days holding content outside 1 to the calendar's length (a hand-edited file, or a
    /// length made shorter): kept, but neither shown nor published.
    QList<int> joursHorsLongueur() const;

    QMap<int, Media *> &getContenu();
    QMap<int, Media *> const &getContenuConstant() const;
    /// Takes over the media of `contenu`; the media of the replaced map stay with the caller.
    void setContenu(QMap<int, Media *> const &contenu);

private:
    QString nom;
    QMap<int, Media *> contenu;
    OptionsCalendrier options;
};
