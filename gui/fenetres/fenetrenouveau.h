#pragma once

#include <QDialog>
#include <QString>

class Projet;
class QLineEdit;
class Ui_FenetreNouveau;

/// Dialog that starts a project: a name made of letters and digits and a working
/// directory. The caller's record is written only when OK passes both checks.
class FenetreNouveau : public QDialog
{
    Q_OBJECT

public:
    FenetreNouveau(Projet &projet, QWidget *parent = nullptr);
    ~FenetreNouveau() override;

    /// The name as typed in "champ_nom" (not trimmed).
    QString getNom() const;
    QString getUrl() const;
    /// Stores the working directory and shows it in "champ_url".
    void setUrl(const QString &url);
    Projet *getProjet() const;
    void setProjet(Projet *projet);

    /// Modal warning box without parent and without title.
    void afficherMessageErreur(const QString &message);
    void afficherMessageErreurSaisieVide();
    void afficherMessageErreurSaisieInvalide();

    /// True when the whole text is one or more of A-Z, a-z and 0-9.
    static bool estNomValide(const QString &nom);

private slots:
    void clicBoutonParcourir();
    void clicBoutonOk();

private:
    /// The form's fields that the dialog reads and fills, found once by object name.
    struct Elements {
        static Elements trouver(const QObject &fenetre);

        QLineEdit *champNom = nullptr;
        QLineEdit *champUrl = nullptr;
    };

    Ui_FenetreNouveau *ui;
    QString url;
    Projet *projet;
    Elements elements;
};
