#include "site/cartepartage.h"

#include "format/format.h"
#include "modele/calendrier.h"
#include "site/codeqr.h"
#include "site/entetepage.h"
#include "site/textespage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The largest size up to `maximum` pixels at which `texte` fits `largeur`, elided below `minimum`.
QFont policeAjustee(QFont police, const QString &texte, qreal largeur, int maximum, int minimum)
{
    for (int taille = maximum; taille >= minimum; taille -= 2) {
        police.setPixelSize(taille);
        if (QFontMetricsF(police).horizontalAdvance(texte) <= largeur)
            return police;
    }
    police.setPixelSize(minimum);
    return police;
}

} // namespace

Resultat CartePartage::ecrire(
    Calendrier const &calendrier, QString const &chemin, bool avecRappels, QString const &adresseDonnee)
{
    const QString adresse = adresseDonnee.isEmpty() ? calendrier.getOptions().adresse : adresseDonnee;
    if (adresse.isEmpty())
        return Resultat::echec(Resultat::Cause::Publication,
            tr("The card cannot be made: the calendar has no address; set it in Options."));
    const CodeQr code(adresse);
    const QString adresseRappels =
        avecRappels ? EntetePage::adresseDansLeSite(adresse, Format::FICHIER_RAPPELS) : QString();
    const CodeQr codeRappels(adresseRappels);
    if (!code.estValide() || (avecRappels && !codeRappels.estValide()))
        return Resultat::echec(Resultat::Cause::Publication,
            tr("The card cannot be made: the address is too long for a QR code."));
    const auto echecEcriture = [&chemin](const QString &raison) {
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            raison.isEmpty()
                ? tr("The card %1 cannot be written.").arg(Resultat::cheminLisible(chemin))
                : tr("The card %1 cannot be written: %2.").arg(Resultat::cheminLisible(chemin), raison))
            .avecChemin(chemin)
            .avecRaison(raison);
    };
    // QPdfWriter says nothing when its file cannot be created; find out first.
    QFile essai(chemin);
    if (!essai.open(QIODevice::WriteOnly))
        return echecEcriture(essai.errorString());
    essai.close();

    QPdfWriter pdf(chemin);
    pdf.setPageSize(QPageSize(QPageSize::A6));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    pdf.setTitle(calendrier.getNom());
    pdf.setCreator(QStringLiteral("tinselbox"));
    QPainter peintre;
    if (!peintre.begin(&pdf))
        return echecEcriture(QString());
    const QRectF page(0, 0, pdf.width(), pdf.height());
    const qreal mm = pdf.resolution() / 25.4;
    const QRectF interieur = page.adjusted(8 * mm, 8 * mm, -8 * mm, -8 * mm);

    // With the reminders' code the page's code is smaller, to leave room for it below.
    const qreal hauteurTitre = avecRappels ? 12 * mm : 18 * mm;
    QFont titre(QStringLiteral("DejaVu Sans"));
    titre.setBold(true);
    const QString nom = calendrier.getNom().trimmed();
    titre = policeAjustee(titre, nom, interieur.width(), int(9 * mm), int(4 * mm));
    peintre.setFont(titre);
    peintre.setPen(QColor(0x1b, 0x1b, 0x1b));
    const QRectF zoneTitre(
        interieur.left(), interieur.top() + (avecRappels ? 0 : 4 * mm), interieur.width(), hauteurTitre);
    peintre.drawText(
        zoneTitre, Qt::AlignCenter, QFontMetricsF(titre).elidedText(nom, Qt::ElideRight, interieur.width()));

    const qreal cote = (avecRappels ? 56 : 80) * mm;
    const QRectF zoneCode(page.center().x() - cote / 2, zoneTitre.bottom() + 3 * mm, cote, cote);
    code.peindre(peintre, zoneCode);

    QFont consigne(QStringLiteral("DejaVu Sans"));
    consigne.setPixelSize(int(6 * mm));
    peintre.setFont(consigne);
    const QRectF zoneConsigne(interieur.left(), zoneCode.bottom() + 2 * mm, interieur.width(), 10 * mm);
    peintre.drawText(zoneConsigne, Qt::AlignCenter,
        TextesPage::traduireTexte(QT_TRANSLATE_NOOP("Page", "Scan to open"), TextesPage::langue(calendrier)));

    QFont petite(QStringLiteral("DejaVu Sans"));
    petite = policeAjustee(petite, adresse, interieur.width(), int(3.5 * mm), int(2 * mm));
    peintre.setFont(petite);
    peintre.setPen(QColor(0x59, 0x59, 0x59));
    const QRectF zoneAdresse(interieur.left(), zoneConsigne.bottom() + 2 * mm, interieur.width(), 8 * mm);
    peintre.drawText(zoneAdresse, Qt::AlignCenter,
        QFontMetricsF(petite).elidedText(adresse, Qt::ElideMiddle, interieur.width()));

    if (avecRappels) {
        // A quiet zone of its own keeps the two codes apart for a phone's camera.
        const qreal coteRappels = 30 * mm;
        const QRectF zoneRappels(interieur.left(), zoneAdresse.bottom() + 2 * mm, coteRappels, coteRappels);
        codeRappels.peindre(peintre, zoneRappels);
        QFont texteRappels(QStringLiteral("DejaVu Sans"));
        texteRappels.setPixelSize(int(4.5 * mm));
        peintre.setFont(texteRappels);
        peintre.setPen(QColor(0x1b, 0x1b, 0x1b));
        peintre.drawText(zoneRappels.adjusted(coteRappels + 3 * mm, 0, interieur.width() - coteRappels, 0),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, tr("Scan to be reminded of each day"));
    }

    if (!peintre.end())
        return echecEcriture(QString());
    return Resultat();
}
