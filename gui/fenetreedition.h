#pragma once

#include "media.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class Calendrier;
class QLabel;
class QLineEdit;
class QPushButton;
class Ui_FenetreEdition;

/// Dialog that gives one day of the calendar its media: a kind chosen with three
/// toggle buttons, a file picked with a chooser filtered by MIME type, and a
/// preview when the file is a picture. OK replaces the day's media, or empties the
/// day when no file is chosen; a file that is missing or whose content is not of the
/// chosen kind is kept only if the user says so.
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

    /// MIME type filters the file chooser offers for a kind, sorted.
    static QStringList filtresMime(Media::TypeMedia type);
    /// The filter the file chooser selects at opening for a kind (empty when none).
    static QString filtreMimeParDefaut(Media::TypeMedia type);

private slots:
    void clicBoutonPhoto();
    void clicBoutonMusique();
    void clicBoutonVideo();
    void clicBoutonParcourir();
    void clicBoutonOk();

private:
    /// The form's widgets that the dialog drives, found once by object name.
    struct Elements
    {
        static Elements trouver(const QObject &fenetre);

        QLineEdit *champUrl = nullptr;
        QLabel *apercu = nullptr;
        QPushButton *parcourir = nullptr;
        QPushButton *photo = nullptr;
        QPushButton *musique = nullptr;
        QPushButton *video = nullptr;
    };

    /// Shared by the three kind buttons.
    void choisirType(Media::TypeMedia type);

    Ui_FenetreEdition *ui;
    int numeroJour;
    Calendrier *calendrier;
    QString url;
    Media::TypeMedia typeMediaSelectionne;
    Elements elements;
};
