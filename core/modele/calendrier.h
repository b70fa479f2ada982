#pragma once

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

    /// Past days stay open: a ball opens on its day and on every later one.
    bool getRattrapage() const;
    void setRattrapage(bool rattrapage);
    /// The only month (1 to 12) in which balls open; 0 for any month.
    int getMois() const;
    /// A value outside 0 to 12 is stored as 0.
    void setMois(int mois);
    /// Time zone (IANA name) whose date decides which balls open; empty for the visitor's clock.
    QString getFuseau() const;
    void setFuseau(QString const &fuseau);
    /// Whether every option is at its default, as in a calendar made before they existed.
    bool optionsParDefaut() const;

    /// Takes over `media` for day `jour`, deleting a different media the day held.
    /// Returns 0 when the day holds a media afterwards, 1 otherwise.
    int ajouterMedia(int jour, Media *media);
    /// Removes the day's entry without deleting its media (the caller takes it).
    /// Returns 0 when an entry was removed, 3 when the day had none.
    int supprimerMedia(int jour);
    Media *getMedia(int jour) const;

    QMap<int, Media *> &getContenu();
    QMap<int, Media *> const &getContenuConstant() const;
    /// Takes over the media of `contenu`; the media of the replaced map stay with the caller.
    void setContenu(QMap<int, Media *> const &contenu);

private:
    QString nom;
    QMap<int, Media *> contenu;
    bool rattrapage = false;
    int mois = 0;
    QString fuseau;
};
