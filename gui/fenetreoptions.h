#pragma once

#include <QDialog>
#include <QString>

class Calendrier;
class QCheckBox;
class QComboBox;
class QLineEdit;
class Ui_FenetreOptions;

/// Dialog of the calendar's options, which decide the days the page opens: past days
/// that stay open, a single month, and the time zone whose date counts. OK writes
/// them to the calendar and is accepted only when one of them changed.
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

private slots:
    void clicBoutonOk();

private:
    /// The form's widgets that the dialog drives, found once by object name.
    struct Elements {
        static Elements trouver(const QObject &fenetre);

        QCheckBox *rattrapage = nullptr;
        QComboBox *mois = nullptr;
        QLineEdit *fuseau = nullptr;
    };

    Ui_FenetreOptions *ui;
    Calendrier *calendrier = nullptr;
    Elements elements;
};
