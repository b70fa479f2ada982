#include "site/entetepage.h"

#include "format/ecriturefichier.h"
#include "format/format.h"
#include "modele/calendrier.h"
#include "site/textespage.h"
#include "site/themepage.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>

namespace {

const QString RETRAIT = QStringLiteral("        ");

QString meta(const char *attribut, const QString &nom, const QString &contenu)
{
    return RETRAIT
        + QStringLiteral("<meta %1=\"%2\" content=\"%3\">\n")
              .arg(QLatin1String(attribut), nom, contenu.toHtmlEscaped());
}

} // namespace

QString EntetePage::adresseImage(QString const &adresse)
{
    return adresseDansLeSite(
        adresse, QString(Format::REPERTOIRE_MEDIA) + QLatin1Char('/') + Format::IMAGE_APERCU_LIEN);
}

QString EntetePage::adresseDansLeSite(QString const &adresse, QString const &relative)
{
    if (adresse.isEmpty())
        return QString();
    QUrl base(adresse);
    QString chemin = base.path();
    if (!chemin.endsWith(QLatin1Char('/'))
        && !chemin.section(QLatin1Char('/'), -1).contains(QLatin1Char('.')))
        base.setPath(chemin + QLatin1Char('/'));
    return base.resolved(QUrl(relative)).toString(QUrl::FullyEncoded);
}

QString EntetePage::balises(Calendrier const &calendrier)
{
    const QString nom = calendrier.getNom();
    // In the calendar's language, as the page itself: its visitors read it, not the editor.
    const QString description = TextesPage::traduireTexte(
        QT_TRANSLATE_NOOP("Page", "A calendar of %1 days: open today's ball to find its surprise."),
        TextesPage::langue(calendrier))
                                    .arg(calendrier.getOptions().jours);
    const QString adresse = calendrier.getOptions().adresse;

    QString lignes = RETRAIT + QStringLiteral("<title>%1</title>\n").arg(nom.toHtmlEscaped());
    lignes += meta("name", QStringLiteral("description"), description);
    lignes += meta("property", QStringLiteral("og:title"), nom);
    lignes += meta("property", QStringLiteral("og:type"), QStringLiteral("website"));
    lignes += meta("property", QStringLiteral("og:description"), description);
    // Link previews only follow absolute addresses: without one, the picture stays unnamed.
    if (!adresse.isEmpty()) {
        lignes += meta("property", QStringLiteral("og:url"), adresse);
        lignes += meta("property", QStringLiteral("og:image"), adresseImage(adresse));
        lignes +=
            meta("property", QStringLiteral("og:image:width"), QString::number(Format::LARGEUR_APERCU_LIEN));
        lignes +=
            meta("property", QStringLiteral("og:image:height"), QString::number(Format::HAUTEUR_APERCU_LIEN));
    }
    lignes += meta("name", QStringLiteral("twitter:card"), QStringLiteral("summary_large_image"));
    return lignes;
}

QString EntetePage::reecrireTexte(QString page, Calendrier const &calendrier)
{
    page = TextesPage::avecLangue(page, TextesPage::langue(calendrier));
    // A theme's own drawing is loaded only by the pages that have it, after the script
    // that receives its colours.
    if (!ThemePage::objetPage(calendrier.getOptions().theme).isEmpty()) {
        static const QRegularExpression script(
            QStringLiteral("([ \\t]*)<script src=\"scripts/calendrier\\.js\"></script>\\n"));
        const QRegularExpressionMatch ligne = script.match(page);
        if (ligne.hasMatch())
            page.insert(ligne.capturedEnd(),
                ligne.captured(1) + QStringLiteral("<script src=\"scripts/theme.js\"></script>\n"));
    }
    // The template's own title line gives way to the calendar's head lines.
    const QRegularExpression titre(QStringLiteral("[ \\t]*<title>[^<]*</title>[ \\t]*\\r?\\n?"));
    const QRegularExpressionMatch trouve = titre.match(page);
    const QString lignes = balises(calendrier);
    if (trouve.hasMatch()) {
        page.replace(trouve.capturedStart(), trouve.capturedLength(), lignes);
        return page;
    }
    const int finEntete = page.indexOf(QLatin1String("</head>"));
    if (finEntete < 0)
        return QString();
    page.insert(finEntete, lignes.trimmed() + QLatin1Char('\n') + RETRAIT.left(4));
    return page;
}

Resultat EntetePage::reecrire(QString const &fichierPage, Calendrier const &calendrier)
{
    QFile entree(fichierPage);
    if (!entree.open(QIODevice::ReadOnly))
        return Resultat::echec(Resultat::Cause::FichierInaccessible,
            tr("The page %1 cannot be read: %2.")
                .arg(Resultat::cheminLisible(fichierPage), entree.errorString()))
            .avecChemin(fichierPage)
            .avecRaison(entree.errorString());
    const QString page = reecrireTexte(QString::fromUtf8(entree.readAll()), calendrier);
    entree.close();
    if (page.isEmpty())
        return Resultat::echec(Resultat::Cause::Modele,
            tr("The page %1 has no head to write the title into.").arg(Resultat::cheminLisible(fichierPage)))
            .avecChemin(fichierPage);
    return EcritureFichier::remplacer(fichierPage, page.toUtf8());
}
