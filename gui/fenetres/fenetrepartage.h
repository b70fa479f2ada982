#pragma once

#include <QDialog>
#include <QString>

class Calendrier;
class Ui_FenetrePartage;

/// Dialog that hands a published calendar on: the QR code of its address, the address
/// to copy, and the code or a printable card to save.
class FenetrePartage : public QDialog
{
    Q_OBJECT

public:
    explicit FenetrePartage(QWidget *parent = nullptr);
    ~FenetrePartage() override;

    FenetrePartage(const FenetrePartage &) = delete;
    FenetrePartage &operator=(const FenetrePartage &) = delete;

    /// Shows the address of `calendrier`, which must have one; call it before exec().
    void configurerFenetre(Calendrier const *calendrier);

    /// Pixels per module of the saved QR code picture.
    static const int PIXELS_PAR_MODULE = 10;

private slots:
    void clicBoutonCopier();
    void clicBoutonEnregistrerQr();
    void clicBoutonEnregistrerCarte();
    /// A private calendar's key in the address, or out of it.
    void basculerCle(bool avecCle);

private:
    /// Asks where to save, offering `nomPropose` with `suffixe`; empty when cancelled.
    /// Shows `adresse`, its QR code and the commands that use it.
    void montrerAdresse(const QString &adresse);
    QString choisirFichier(
        const QString &titre, const QString &nomPropose, const QString &typeMime, const QString &suffixe);

    Ui_FenetrePartage *ui;
    Calendrier const *calendrier = nullptr;
};
