#pragma once

#include "format/format.h"

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
    /// The first day of the period: "YYYY-MM-DD" (once), "MM-DD" (every year) or empty
    /// for the days of the month. Any other text is stored as empty.
    QString getDebut() const;
    void setDebut(QString const &debut);
    /// Whether `debut` is empty or a start date in one of the two forms.
    static bool debutValide(QString const &debut);
    /// The number of days, 1 to 31 (31 by default); any other value is stored as 31.
    int getJours() const;
    void setJours(int jours);
    /// Whether the balls' numbers are dealt over the places in a shuffled order.
    bool getMelange() const;
    void setMelange(bool melange);
    /// The page's language, a two-letter code; empty in a file written without it, which
    /// the page reads as English. Any other text is stored as empty.
    QString getLangue() const;
    void setLangue(QString const &langue);
    /// The address the site is published at (http or https), empty when not given; any other
    /// text is stored as empty.
    QString getAdresse() const;
    void setAdresse(QString const &adresse);
    /// Whether `adresse` is empty or an absolute http or https address with a host.
    static bool adresseValide(QString const &adresse);
    /// Whether media files are published byte for byte, as chosen.
    bool getOriginaux() const;
    void setOriginaux(bool originaux);
    /// Whether visitors need a password: every day's content is then encrypted.
    bool getPrive() const;
    void setPrive(bool prive);
    /// The password's salt and key derivation parameters (never the password), as the
    /// root attribute `cle` holds them; empty when none were set.
    QString getCle() const;
    void setCle(QString const &cle);
    /// Whether every option is at its default, as in a calendar made before they existed.
    bool optionsParDefaut() const;
    /// Copies every option (not the name nor the days) of `autre`.
    void copierOptions(Calendrier const &autre);
    /// Whether every option equals that of `autre`.
    bool memesOptions(Calendrier const &autre) const;

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
    bool rattrapage = false;
    int mois = 0;
    QString fuseau;
    QString debut;
    int jours = Format::DERNIER_JOUR;
    bool melange = false;
    QString langue;
    QString adresse;
    bool originaux = false;
    bool prive = false;
    QString cle;
};
