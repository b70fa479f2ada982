#include "site/textespage.h"

#include "modele/calendrier.h"
#include "modele/message.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTranslator>

#include <iterator>

// Outside any namespace, as the resource's initialiser is declared there.
static void initialiserTraductions()
{
    Q_INIT_RESOURCE(traductions);
}

namespace {

struct TextePage {
    const char *cle;
    const char *source;
};

// The same English as the template's scripts/textes.js, which a test compares.
const TextePage TEXTES[] = {
    {"repli", QT_TRANSLATE_NOOP("Page", "Your browser cannot show this calendar.")},
    {"scene", QT_TRANSLATE_NOOP("Page", "{n} numbered balls hanging above fir trees")},
    {"apercu", QT_TRANSLATE_NOOP("Page", "This is a preview: you can click on all days to test it.")},
    {"jour", QT_TRANSLATE_NOOP("Page", "Day {n}")},
    {"dejaOuvert", QT_TRANSLATE_NOOP("Page", "Day {n}, already opened")},
    {"ouvreLe", QT_TRANSLATE_NOOP("Page", "{jour}, opens on {date}")},
    {"etaitOuvertLe", QT_TRANSLATE_NOOP("Page", "{jour}, was open on {date}")},
    {"resteFerme", QT_TRANSLATE_NOOP("Page", "{jour}, stays shut: {mois} has {n} days")},
    {"ouvertureLe", QT_TRANSLATE_NOOP("Page", "This calendar opens on {date}.")},
    {"reouvertureLe", QT_TRANSLATE_NOOP("Page", "This calendar opens again on {date}.")},
    {"compteHeures", QT_TRANSLATE_NOOP("Page", "Day {n} opens in {h} h {min} min")},
    {"compteMinutes", QT_TRANSLATE_NOOP("Page", "Day {n} opens in {min} min")},
    {"annonceImage", QT_TRANSLATE_NOOP("Page", "Day {n}: picture")},
    {"annonceMusique", QT_TRANSLATE_NOOP("Page", "Day {n}: music")},
    {"annonceVideo", QT_TRANSLATE_NOOP("Page", "Day {n}: video")},
    {"annonceMessage", QT_TRANSLATE_NOOP("Page", "Day {n}: {texte}")},
    {"annonceVide", QT_TRANSLATE_NOOP("Page", "Day {n}: nothing today")},
    {"neige", QT_TRANSLATE_NOOP("Page", "Snow")},
    {"rappel", QT_TRANSLATE_NOOP("Page", "Remind me")},
};

// The lock of a private calendar (its scripts/verrou.js), translated the same way.
const TextePage TEXTES_VERROU[] = {
    {"verrouTitre", QT_TRANSLATE_NOOP("Page", "This calendar is private.")},
    {"verrouMotDePasse", QT_TRANSLATE_NOOP("Page", "Password")},
    {"verrouSouvenir", QT_TRANSLATE_NOOP("Page", "Remember on this device")},
    {"verrouOuvrir", QT_TRANSLATE_NOOP("Page", "Open")},
    {"verrouEnCours", QT_TRANSLATE_NOOP("Page", "Opening…")},
    {"verrouFaux", QT_TRANSLATE_NOOP("Page", "Wrong password. Please try again.")},
    {"verrouEndommage", QT_TRANSLATE_NOOP("Page", "This day's content is damaged and cannot be shown.")},
    {"verrouPasEncore", QT_TRANSLATE_NOOP("Page", "This door opens on its day.")},
    {"verrouReseau",
        QT_TRANSLATE_NOOP(
            "Page", "The calendar cannot be opened right now: check the connection and try again.")},
    {"verrouHttps",
        QT_TRANSLATE_NOOP(
            "Page", "This calendar needs an https:// address: ask for its link beginning with https://.")},
};

const TextePage *chercher(QString const &cle)
{
    for (const TextePage &texte : TEXTES) {
        if (cle == QLatin1String(texte.cle))
            return &texte;
    }
    for (const TextePage &texte : TEXTES_VERROU) {
        if (cle == QLatin1String(texte.cle))
            return &texte;
    }
    return nullptr;
}

// A translator of its own, not the application's: the page speaks the calendar's
// language whatever the editor speaks, and generation runs on a thread of its own.
const QTranslator *charger(QTranslator &traducteur, QString const &langue)
{
    initialiserTraductions();
    return langue != QLatin1String("en")
            && traducteur.load(QStringLiteral(":/traductions/tinselbox_%1.qm").arg(langue))
        ? &traducteur
        : nullptr;
}

QString traduire(const QTranslator *traducteur, TextePage const &texte)
{
    const QString traduit = traducteur != nullptr ? traducteur->translate("Page", texte.source) : QString();
    return traduit.isEmpty() ? QString::fromUtf8(texte.source) : traduit;
}

} // namespace

QString TextesPage::langue(Calendrier const &calendrier)
{
    return calendrier.getOptions().langue.isEmpty() ? QStringLiteral("en") : calendrier.getOptions().langue;
}

QStringList TextesPage::cles()
{
    QStringList liste;
    for (const TextePage &texte : TEXTES)
        liste << QString::fromLatin1(texte.cle);
    return liste;
}

QString TextesPage::source(QString const &cle)
{
    const TextePage *texte = chercher(cle);
    return texte != nullptr ? QString::fromUtf8(texte->source) : QString();
}

QString TextesPage::texte(QString const &cle, QString const &langue)
{
    const TextePage *texte = chercher(cle);
    if (texte == nullptr)
        return QString();
    QTranslator traducteur;
    return traduire(charger(traducteur, langue), *texte);
}

QString TextesPage::traduireTexte(char const *source, QString const &langue)
{
    QTranslator traducteur;
    return traduire(charger(traducteur, langue), TextePage{"", source});
}

QString TextesPage::traduireTable(QString const &script, QString const &langue)
{
    // One `cle: "text"` line per text, as the template writes them.
    static const QRegularExpression ligne(
        QStringLiteral("^(\\s*)(\\w+)(\\s*:\\s*)\"(?:[^\"\\\\]|\\\\.)*\"(,?)[ \\t]*$"),
        QRegularExpression::MultilineOption);
    QTranslator traducteur;
    const QTranslator *traduction = charger(traducteur, langue);
    QString resultat;
    int debut = 0;
    QRegularExpressionMatchIterator it = ligne.globalMatch(script);
    while (it.hasNext()) {
        const QRegularExpressionMatch trouve = it.next();
        const TextePage *texte = chercher(trouve.captured(2));
        if (texte == nullptr)
            continue;
        resultat += script.mid(debut, trouve.capturedStart() - debut);
        resultat += trouve.captured(1) + trouve.captured(2) + trouve.captured(3)
            + Message::litteralJavaScript(traduire(traduction, *texte)) + trouve.captured(4);
        debut = trouve.capturedEnd();
    }
    return resultat + script.mid(debut);
}

QString TextesPage::avecLangue(QString const &page, QString const &langue)
{
    static const QRegularExpression html(QStringLiteral("<html(\\s[^>]*)?>"));
    const QRegularExpressionMatch trouve = html.match(page);
    if (!trouve.hasMatch())
        return page;
    QString attributs = trouve.captured(1);
    static const QRegularExpression lang(QStringLiteral("\\slang\\s*=\\s*(\"[^\"]*\"|'[^']*'|[^\\s>]*)"));
    attributs.remove(lang);
    QString resultat = page;
    resultat.replace(trouve.capturedStart(), trouve.capturedLength(),
        QStringLiteral("<html lang=\"%1\"%2>").arg(langue.toHtmlEscaped(), attributs));
    // The canvas's own text, for a browser that shows no canvas or runs no script.
    const QString repli = QStringLiteral("repli");
    return resultat.replace(QLatin1Char('>') + source(repli).toHtmlEscaped() + QLatin1Char('<'),
        QLatin1Char('>') + texte(repli, langue).toHtmlEscaped() + QLatin1Char('<'));
}

bool TextesPage::ecrireTable(QString const &fichier, QString const &langue)
{
    QFile entree(fichier);
    if (!entree.open(QIODevice::ReadOnly))
        return false;
    const QString script = QString::fromUtf8(entree.readAll());
    entree.close();
    QSaveFile sortie(fichier);
    if (!sortie.open(QIODevice::WriteOnly))
        return false;
    sortie.write(traduireTable(script, langue).toUtf8());
    return sortie.commit();
}
