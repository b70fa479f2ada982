#pragma once

#include <QDialog>
#include <QString>

class Calendrier;
class OptionsCalendrier;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;
class Ui_FenetreOptions;

/// Dialog of the calendar's options: which days the page opens (past days that stay open,
/// a single month, the time zone whose date counts, the number of days and their start,
/// a shuffled order), the page's language, the address it is published at, whether
/// media are published as chosen, and the page's look (a theme, the family's own background
/// picture, the calendar's name). OK writes them to the calendar and is accepted only
/// when one of them changed.
class FenetreOptions : public QDialog
{
    Q_OBJECT

public:
    explicit FenetreOptions(QWidget *parent = nullptr);
    ~FenetreOptions() override;

    FenetreOptions(const FenetreOptions &) = delete;
    FenetreOptions &operator=(const FenetreOptions &) = delete;

    /// Shows the options of `calendrier`, which OK changes; call it before exec().
    void configurerFenetre(Calendrier *calendrier);

    /// Whether `fuseau` is empty (the visitor's clock) or a time zone this computer knows.
    static bool fuseauValide(const QString &fuseau);
    /// Whether `fond` is empty (no background picture) or a picture this computer can read.
    static bool fondValide(const QString &fond);

private slots:
    void clicBoutonOk();
    void actualiserDebut();
    void actualiserPrive();
    void actualiserVerrou();
    void clicBoutonFond();

private:
    /// The form's widgets that the dialog drives beyond showing an option's text, found once
    /// by object name.
    struct Elements {
        static Elements trouver(const QObject &fenetre);

        QComboBox *mois = nullptr;
        QLineEdit *fuseau = nullptr;
        QSpinBox *jours = nullptr;
        QCheckBox *debut = nullptr;
        QDateEdit *dateDebut = nullptr;
        QCheckBox *chaqueAnnee = nullptr;
        QComboBox *langue = nullptr;
        QCheckBox *prive = nullptr;
        QLineEdit *motDePasse = nullptr;
        QLineEdit *confirmation = nullptr;
        QCheckBox *trousseau = nullptr;
        QLineEdit *publication = nullptr;
        QCheckBox *verrou = nullptr;
        QLineEdit *codeSecours = nullptr;
    };

    /// The start as the dialog shows it, in the calendar's form ("" when unchecked).
    QString debutChoisi() const;
    /// The chosen language; an untouched English choice keeps a calendar without one as it is.
    QString langueChoisie() const;
    /// The key parameters the calendar keeps: new ones for a password typed twice (its key
    /// made, and the password kept in the keyring if asked), the calendar's own when none is
    /// typed. False, with the user told why, when the choice cannot be taken.
    bool cleChoisie(QString *cle);
    /// Doors that open only on their day, for `choisies`: refused without a publishing
    /// address; the chain of a recovery code typed in kept, or a new chain made and its
    /// recovery code shown once. False, with the user told why, when it cannot be taken.
    bool chaineChoisie(OptionsCalendrier const &choisies);

    Ui_FenetreOptions *ui;
    Calendrier *calendrier = nullptr;
    Elements elements;
};
