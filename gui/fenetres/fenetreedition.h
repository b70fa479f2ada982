#pragma once

#include "modele/media.h"

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>

class Calendrier;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Ui_FenetreEdition;

/// Dialog that gives one day of the calendar its media: a kind chosen with a toggle
/// button per kind, then a file picked with a chooser filtered by MIME type (with a
/// preview when the file is a picture) or, for a message, a text typed in. OK
/// replaces the day's media, or empties the day when no file is chosen (or the message
/// is empty); a file that is missing or whose content is not of the chosen kind is kept
/// only if the user says so.
class FenetreEdition : public QDialog
{
    Q_OBJECT

public:
    explicit FenetreEdition(QWidget *parent = nullptr);
    ~FenetreEdition() override;

    /// Prepares the dialog for day `jour` of `calendrier`; call it before exec().
    void configurerFenetre(int jour, Calendrier *calendrier);

    int getNumeroJour() const;
    /// Stores the day and shows it in the title with at least two digits.
    void setNumeroJour(int jour);
    Media::TypeMedia getTypeMediaSelectionne() const;
    void setMediaSelectionne(const Media::TypeMedia &type);
    Calendrier *getCalendrier() const;
    void setCalendrier(Calendrier *calendrier);
    QString getUrl() const;
    void setUrl(const QString &url);

    void afficherDansChampUrl(QString url);
    void viderChampUrl();
    void viderSaisieFichier();
    void configurerSaisieFichier(bool actif);
    void verouillerSaisieFichier();
    void deverouillerSaisieFichier();
    void reglerBoutonsMedia(Media::TypeMedia type);
    /// Shows the picture at `url` scaled into "apercu", or a text when there is none.
    void mettreAJourApercu(QString url);

    /// The message typed for a message day (kept when the kind changes).
    QString getTexteMessage() const;
    void setTexteMessage(const QString &texte);
    /// Characters the message may still take; negative when it is too long.
    int caracteresRestants() const;

    /// MIME type filters the file chooser offers for a kind, sorted.
    static QStringList filtresMime(Media::TypeMedia type);
    /// The filter the file chooser selects at opening for a kind (empty when none).
    static QString filtreMimeParDefaut(Media::TypeMedia type);

private slots:
    void clicBoutonPhoto();
    void clicBoutonMusique();
    void clicBoutonVideo();
    void clicBoutonMessage();
    void clicBoutonParcourir();
    void clicBoutonOk();

private:
    /// The form's widgets that the dialog drives, found once by object name.
    struct Elements {
        static Elements trouver(const QObject &fenetre);

        QLineEdit *champUrl = nullptr;
        QLabel *apercu = nullptr;
        QPushButton *parcourir = nullptr;
        QPlainTextEdit *champMessage = nullptr;
        QLabel *restants = nullptr;
        QPushButton *ok = nullptr;
        /// The toggle button of each kind.
        QMap<Media::TypeMedia, QPushButton *> boutonsGenre;
    };

    /// Shared by the kind buttons.
    void choisirType(Media::TypeMedia type);
    /// Shows the file row and the preview, or the message field, as the kind needs.
    void afficherSaisieDuGenre();
    void mettreAJourCompteur();

    Ui_FenetreEdition *ui;
    int numeroJour;
    Calendrier *calendrier;
    QString url;
    Media::TypeMedia typeMediaSelectionne;
    QString texteMessage;
    Elements elements;
};
