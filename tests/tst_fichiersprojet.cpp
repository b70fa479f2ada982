#include "calendriers.h"
#include "fichierprojet/fichierprojet.h"
#include "fichiers.h"
#include "gestionnairefichiers.h"
#include "modele/message.h"

#include <QBuffer>
#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

// A device that accepts a given number of bytes, then fails every write.
class PeripheriqueDefaillant : public QBuffer
{
public:
    explicit PeripheriqueDefaillant(qint64 limite) : limite(limite) {}

protected:
    qint64 writeData(const char *donnees, qint64 taille) override
    {
        const qint64 reste = limite - pos();
        if (reste <= 0)
            return -1;
        return QBuffer::writeData(donnees, qMin(taille, reste));
    }

private:
    qint64 limite;
};

} // namespace

class TestFichiersProjet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void texteDuFichier_data();
    void texteDuFichier();
    void allerRetour_data();
    void allerRetour();
    void lectureTolerante_data();
    void lectureTolerante();
    void messagesAllerRetour_data();
    void messagesAllerRetour();
    void options_data();
    void options();
    void optionsRelues_data();
    void optionsRelues();
    void attributsDeLaRacine_data();
    void attributsDeLaRacine();
    void memesOctetsQuAvant();

    void codesDeLecture_data();
    void codesDeLecture();
    void fichierProtegeEnEcriture();
    void enregistrementDansUnRepertoireAbsent();
    void enregistrementRemplaceUnFichierPlusLong();
    void enregistrementEchoueSansToucherLAncien();
    void ecritureInterrompueSignalee_data();
    void ecritureInterrompueSignalee();

    void validationDesFichiersInvalides_data();
    void validationDesFichiersInvalides();

    void tresGrandFichierProjet();

private:
    QTemporaryDir temporaire;
    QString chemin(const QString &nom) const
    {
        return temporaire.filePath(nom);
    }
};

void TestFichiersProjet::initTestCase()
{
    QVERIFY(temporaire.isValid());
}

void TestFichiersProjet::texteDuFichier_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QStringList>("jours"); // "day:kind:location", added in this order
    QTest::addColumn<QString>("texte");

    QTest::newRow("example") << "Avent" << QStringList{"3:2:D:/musique/chant.mp3", "1:1:D:/photos/sapin.jpg"}
                             << "<tinselbox nom=\"Avent\" version=\"1\">\n"
                                " <jour numero=\"1\">\n"
                                "  <image url=\"D:/photos/sapin.jpg\"/>\n"
                                " </jour>\n"
                                " <jour numero=\"3\">\n"
                                "  <son url=\"D:/musique/chant.mp3\"/>\n"
                                " </jour>\n"
                                "</tinselbox>\n";
    QTest::newRow("empty calendar: one line")
        << "" << QStringList() << "<tinselbox nom=\"\" version=\"1\"/>\n";
    QTest::newRow("message: text as content, line breaks as references")
        << "m" << QStringList{"5:4:first line\nsecond <line> & \"more\"\r\n", "6:4:"}
        << "<tinselbox nom=\"m\" version=\"1\">\n"
           " <jour numero=\"5\">\n"
           "  <message>first line&#10;second &lt;line&gt; &amp; \"more\"&#13;&#10;</message>\n"
           " </jour>\n"
           " <jour numero=\"6\">\n  <message/>\n </jour>\n"
           "</tinselbox>\n";
    QTest::newRow("numeric day order") << "x" << QStringList{"10:3:b", "9:3:a", "-2:1:"}
                                       << "<tinselbox nom=\"x\" version=\"1\">\n"
                                          " <jour numero=\"-2\">\n  <image url=\"\"/>\n </jour>\n"
                                          " <jour numero=\"9\">\n  <video url=\"a\"/>\n </jour>\n"
                                          " <jour numero=\"10\">\n  <video url=\"b\"/>\n </jour>\n"
                                          "</tinselbox>\n";
}

void TestFichiersProjet::texteDuFichier()
{
    QFETCH(QString, nom);
    QFETCH(QStringList, jours);
    QFETCH(QString, texte);

    Calendrier calendrier(nom);
    remplir(calendrier, jours);

    const QString fichier = chemin(QStringLiteral("format.xml"));
    QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(calendrier, fichier), 0);
    const QByteArray octets = lire(fichier);
    QVERIFY(!octets.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(octets), texte);
}

void TestFichiersProjet::allerRetour_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QStringList>("jours");

    // The same location, slightly varied, on a day of each kind.
    const auto troisJours = [](const QString &url) {
        return QStringList{"1:1:" + url, "2:2:" + url + '2', "31:3:" + url + '3'};
    };
    QTest::newRow("plain") << "Avent" << troisJours("/home/u/sapin.jpg");
    QTest::newRow("empty name, empty location") << "" << troisJours("");
    QTest::newRow("accents") << QString::fromUtf8("Noël à Gérardmer")
                             << troisJours(QString::fromUtf8("/home/ü/crèche ñ.png"));
    QTest::newRow("markup characters") << "a&b<c>\"d\"'e'" << troisJours("/x/&amp;/<y>/\"z\"'.jpg");
    QTest::newRow("tab, line feed, carriage return") << "a\tb\nc\rd" << troisJours("/x\ty\nz\r.jpg");
    QTest::newRow("beyond the basic plane")
        << QString::fromUtf8("🎄 雪") << troisJours(QString::fromUtf8("/🎄/雪.mp3"));
    QTest::newRow("empty calendar") << "Avent" << QStringList();
    QStringList videos;
    for (int jour = 1; jour <= 31; ++jour)
        videos << QStringLiteral("%1:3:/m/%1").arg(jour);
    QTest::newRow("31 videos") << "c" << videos;
}

void TestFichiersProjet::allerRetour()
{
    QFETCH(QString, nom);
    QFETCH(QStringList, jours);

    Calendrier calendrier(nom);
    remplir(calendrier, jours);

    // Every file the program writes passes its own schema and reads back the same.
    const QString fichier = chemin(QStringLiteral("aller-retour.xml"));
    GestionnaireFichiers gestionnaire;
    QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(calendrier, fichier), 0);
    QVERIFY(gestionnaire.estValide(fichier));

    Calendrier relu(QStringLiteral("before"));
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, relu), 0);
    QCOMPARE(relu.getNom(), nom);
    // Relative locations are read from the project file's folder.
    const QString dossier = QFileInfo(fichier).absolutePath();
    QCOMPARE(resume(relu, dossier), resume(calendrier));
    QCOMPARE(resume(relu, dossier), jours);
}

void TestFichiersProjet::lectureTolerante_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QStringList>("jours");

    const QString avant = QStringLiteral("kept");
    QTest::newRow("root without nom keeps the name")
        << "<tinselbox version=\"1\"><jour numero=\"2\"><image url=\"a\"/></jour></tinselbox>" << avant
        << QStringList{"2:1:a"};
    QTest::newRow("empty nom, other version")
        << "<tinselbox nom=\"\" version=\"7\"><jour numero=\"2\"><son url=\"a\"/></jour></tinselbox>"
        << "" << QStringList{"2:2:a"};
    QTest::newRow("other root: unchanged")
        << "<calendrier nom=\"x\"><jour numero=\"1\"><image url=\"a\"/></jour></calendrier>" << avant
        << QStringList();
    QTest::newRow("other case root: unchanged")
        << "<Tinselbox nom=\"x\"><jour numero=\"1\"><image url=\"a\"/></jour></Tinselbox>" << avant
        << QStringList();
    QTest::newRow("missing or bad numbers give day 0")
        << "<tinselbox nom=\"n\"><jour><image url=\"a\"/></jour><jour numero=\"abc\"><son "
           "url=\"b\"/></jour></tinselbox>"
        << "n" << QStringList{"0:2:b"};
    QTest::newRow("white space around the number")
        << "<tinselbox nom=\"n\"><jour numero=\" 7 \"><video url=\"v\"/></jour></tinselbox>"
        << "n" << QStringList{"7:3:v"};
    QTest::newRow("int limits")
        << "<tinselbox nom=\"n\"><jour numero=\"2147483647\"><image url=\"max\"/></jour>"
           "<jour numero=\"-2147483648\"><image url=\"min\"/></jour></tinselbox>"
        << "n" << QStringList{"-2147483648:1:min", "2147483647:1:max"};
    QTest::newRow("beyond int limits give day 0")
        << "<tinselbox nom=\"n\"><jour numero=\"2147483648\"><image url=\"a\"/></jour>"
           "<jour numero=\"-99999999999999999999\"><son url=\"b\"/></jour></tinselbox>"
        << "n" << QStringList{"0:2:b"};
    QTest::newRow("last media of a day wins")
        << "<tinselbox nom=\"n\"><jour numero=\"4\"><image url=\"a\"/><son url=\"b\"/></jour></tinselbox>"
        << "n" << QStringList{"4:2:b"};
    QTest::newRow("later day with the same number wins")
        << "<tinselbox nom=\"n\"><jour numero=\"4\"><image url=\"a\"/></jour><jour numero=\"4\"><video "
           "url=\"c\"/></jour></tinselbox>"
        << "n" << QStringList{"4:3:c"};
    QTest::newRow("base and unknown elements give nothing")
        << "<tinselbox nom=\"n\"><jour numero=\"1\"><media url=\"a\"/></jour><jour numero=\"2\"><photo "
           "url=\"b\"/></jour></tinselbox>"
        << "n" << QStringList();
    QTest::newRow("picture then unknown keeps the picture")
        << "<tinselbox nom=\"n\"><jour numero=\"1\"><image url=\"a\"/><autre/></jour></tinselbox>"
        << "n" << QStringList{"1:1:a"};
    QTest::newRow("media without url") << "<tinselbox nom=\"n\"><jour numero=\"1\"><son/></jour></tinselbox>"
                                       << "n" << QStringList{"1:2:"};
    QTest::newRow("message written by hand: raw line feed, CDATA, url ignored")
        << "<tinselbox nom=\"n\"><jour numero=\"1\"><message url=\"x\">a\nb</message></jour>"
           "<jour numero=\"2\"><message><![CDATA[<i>&]]></message></jour></tinselbox>"
        << "n" << QStringList{"1:4:a\nb", "2:4:<i>&"};
    QTest::newRow("foreign nodes skipped")
        << "<?pi x?><!-- c --><tinselbox nom=\"n\">text<!-- c --><autre><jour numero=\"9\"><image "
           "url=\"deep\"/></jour></autre>"
           "<jour numero=\"5\">t<image url=\"a\"><son url=\"inside\"/></image></jour></tinselbox>"
        << "n" << QStringList{"5:1:a"};
}

void TestFichiersProjet::lectureTolerante()
{
    QFETCH(QString, document);
    QFETCH(QString, nom);
    QFETCH(QStringList, jours);

    const QString fichier = chemin(QStringLiteral("tolerant.xml"));
    QVERIFY(ecrire(fichier, document.toUtf8()));

    Calendrier calendrier(QStringLiteral("kept"));
    QCOMPARE(GestionnaireFichiers().creerCalendrierDepuisFichier(fichier, calendrier), 0);
    QCOMPARE(calendrier.getNom(), nom);
    QCOMPARE(resume(calendrier, QFileInfo(fichier).absolutePath()), jours);
}

void TestFichiersProjet::messagesAllerRetour_data()
{
    QTest::addColumn<QString>("texte");

    QTest::newRow("line feeds") << "Dear Ann,\n\nlook under the tree.\n";
    QTest::newRow("CRLF and a lone CR") << "one\r\ntwo\rthree\r\n";
    QTest::newRow("quotes, markup, script end") << "\"it's\" <b>&amp;</b> </script><!-- ]]> -->";
    QTest::newRow("separators, tab, emoji") << QString::fromUtf8("a\u2028b\u2029c\td \U0001F384");
    QTest::newRow("spaces kept at both ends") << "  indented \n ";
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << " \n\t ";
    QTest::newRow("1000 characters") << QString(1000, QChar(0x00e9));
}

void TestFichiersProjet::messagesAllerRetour()
{
    QFETCH(QString, texte);

    Calendrier calendrier(QStringLiteral("Messages"));
    calendrier.ajouterMedia(1, new Message(texte));
    calendrier.ajouterMedia(2, new Image(QStringLiteral("/p/a.jpg")));
    GestionnaireFichiers gestionnaire;
    const QString fichier = chemin(QStringLiteral("message.xml"));
    QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(calendrier, fichier), 0);
    QVERIFY(gestionnaire.estValide(fichier));

    // Loading and saving again, twice, keeps the text and the bytes.
    const QByteArray octets = lire(fichier);
    for (int tour = 0; tour < 2; ++tour) {
        Calendrier relu;
        QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, relu), 0);
        QCOMPARE(resume(relu), resume(calendrier));
        QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(relu, fichier), 0);
        QCOMPARE(lire(fichier), octets);
    }
}

void TestFichiersProjet::options_data()
{
    QTest::addColumn<bool>("rattrapage");
    QTest::addColumn<int>("mois");
    QTest::addColumn<QString>("fuseau");
    QTest::addColumn<QString>("racine");

    QTest::newRow("defaults: nothing written") << false << 0 << ""
                                               << "<tinselbox nom=\"o\" version=\"1\"/>";
    QTest::newRow("all, in their order") << true << 12 << "Europe/Paris"
                                         << "<tinselbox nom=\"o\" version=\"1\" rattrapage=\"1\" mois=\"12\" "
                                            "fuseau=\"Europe/Paris\"/>";
    QTest::newRow("month alone") << false << 1 << ""
                                 << "<tinselbox nom=\"o\" version=\"1\" mois=\"1\"/>";
    QTest::newRow("zone alone") << false << 0 << "Pacific/Kiritimati"
                                << "<tinselbox nom=\"o\" version=\"1\" fuseau=\"Pacific/Kiritimati\"/>";
}

void TestFichiersProjet::options()
{
    QFETCH(bool, rattrapage);
    QFETCH(int, mois);
    QFETCH(QString, fuseau);
    QFETCH(QString, racine);

    Calendrier calendrier(QStringLiteral("o"));
    fixerOption(calendrier, &OptionsCalendrier::rattrapage, rattrapage);
    fixerOption(calendrier, &OptionsCalendrier::mois, mois);
    fixerOption(calendrier, &OptionsCalendrier::fuseau, fuseau);
    const QString fichier = chemin(QStringLiteral("options.xml"));
    GestionnaireFichiers gestionnaire;
    QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(calendrier, fichier), 0);
    QCOMPARE(lire(fichier), (racine + QLatin1Char('\n')).toUtf8());
    QVERIFY(gestionnaire.estValide(fichier));

    Calendrier relu;
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, relu), 0);
    QCOMPARE(relu.getOptions().rattrapage, rattrapage);
    QCOMPARE(relu.getOptions().mois, mois);
    QCOMPARE(relu.getOptions().fuseau, fuseau);
}

void TestFichiersProjet::optionsRelues_data()
{
    QTest::addColumn<QString>("lu");
    QTest::addColumn<QString>("ecrit");

    QTest::newRow("every option, written in the file's order")
        << "originaux=\"1\" adresse=\"https://example.org/avent/\" langue=\"de\" melange=\"true\" "
           "jours=\"24\" "
           "debut=\"2026-12-01\" fuseau=\"Europe/Paris\" mois=\"12\" rattrapage=\"1\""
        << "rattrapage=\"1\" mois=\"12\" fuseau=\"Europe/Paris\" debut=\"2026-12-01\" jours=\"24\" "
           "melange=\"1\" "
           "langue=\"de\" adresse=\"https://example.org/avent/\" originaux=\"1\"";
    QTest::newRow("every year, from 29 February") << "debut=\"02-29\" jours=\"12\""
                                                  << "debut=\"02-29\" jours=\"12\"";
    QTest::newRow("English kept when chosen") << "langue=\"en\""
                                              << "langue=\"en\"";
    QTest::newRow("defaults and values out of range are left out")
        << "jours=\"31\" melange=\"0\" originaux=\"no\" debut=\"2026-02-30\" langue=\"french\" "
           "adresse=\"ftp://example.org/\""
        << "";
    QTest::newRow("too many days, a month 13, a relative address")
        << "jours=\"40\" debut=\"13-01\" adresse=\"avent/index.html\""
        << "";
}

void TestFichiersProjet::optionsRelues()
{
    QFETCH(QString, lu);
    QFETCH(QString, ecrit);

    const QString fichier = chemin(QStringLiteral("options-relues.xml"));
    ecrire(fichier, QStringLiteral("<tinselbox nom=\"o\" version=\"1\" %1/>").arg(lu).toUtf8());
    GestionnaireFichiers gestionnaire;
    Calendrier calendrier;
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, calendrier), 0);
    QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(calendrier, fichier), 0);
    const QString attendu = ecrit.isEmpty()
        ? QStringLiteral("<tinselbox nom=\"o\" version=\"1\"/>\n")
        : QStringLiteral("<tinselbox nom=\"o\" version=\"1\" %1/>\n").arg(ecrit);
    QCOMPARE(QString::fromUtf8(lire(fichier)), attendu);
    QVERIFY(gestionnaire.estValide(fichier));
}

void TestFichiersProjet::attributsDeLaRacine_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("accepte");
    QTest::addColumn<QString>("refuse");
    QTest::addColumn<int>("rang");

    // In the order files are written in, which stored files rely on.
    QTest::newRow("rattrapage") << "rattrapage"
                                << "1"
                                << "yes" << 0;
    QTest::newRow("mois") << "mois"
                          << "12"
                          << "13" << 1;
    QTest::newRow("fuseau") << "fuseau"
                            << "Europe/Paris"
                            << "" << 2;
    QTest::newRow("debut") << "debut"
                           << "02-29"
                           << "12-1" << 3;
    QTest::newRow("jours") << "jours"
                           << "1"
                           << "32" << 4;
    QTest::newRow("melange") << "melange"
                             << "true"
                             << "2" << 5;
    QTest::newRow("langue") << "langue"
                            << "de"
                            << "DE" << 6;
    QTest::newRow("adresse") << "adresse"
                             << "https://example.org/a"
                             << "https://" << 7;
    QTest::newRow("originaux") << "originaux"
                               << "1"
                               << "oui" << 8;
    QTest::newRow("publication") << "publication"
                                 << "sftp://moi@example.org/www"
                                 << "a b" << 9;
    QTest::newRow("prive") << "prive"
                           << "1"
                           << "oui" << 10;
    QTest::newRow("cle") << "cle"
                         << "c2VsCg"
                         << "c2 VsCg" << 11;
    QTest::newRow("verrou") << "verrou"
                            << "1"
                            << "on" << 12;
    QTest::newRow("theme") << "theme"
                           << "nuit"
                           << "Nuit" << 13;
    QTest::newRow("fond") << "fond"
                          << "photos/sapin.jpg"
                          << "" << 14;
    QTest::newRow("titre") << "titre"
                           << "1"
                           << "2" << 15;
}

void TestFichiersProjet::attributsDeLaRacine()
{
    QFETCH(QString, nom);
    QFETCH(QString, accepte);
    QFETCH(QString, refuse);
    QFETCH(int, rang);

    const std::vector<OptionsCalendrier::Attribut> &table = OptionsCalendrier::attributs();
    QCOMPARE(int(table.size()), 16);
    QCOMPARE(QString(table.at(size_t(rang)).nom), nom);

    // The schema and the table agree on every value.
    const QString fichier = chemin(QStringLiteral("attribut.xml"));
    const auto valide = [&](const QString &valeur) {
        ecrire(fichier,
            QStringLiteral("<tinselbox nom=\"o\" version=\"1\" %1=\"%2\"/>").arg(nom, valeur).toUtf8());
        return GestionnaireFichiers().estValide(fichier);
    };
    OptionsCalendrier options;
    QVERIFY(valide(accepte));
    QVERIFY(options.fixer(nom, accepte));
    QVERIFY(!options.estParDefaut());
    if (!refuse.isEmpty()) {
        QVERIFY(!valide(refuse));
        QVERIFY(!OptionsCalendrier().fixer(nom, refuse));
    }
}

void TestFichiersProjet::memesOctetsQuAvant()
{
    // The fixture was written by the version before messages and options, for this
    // calendar: its file must not change by a byte, whether made anew or loaded and saved.
    // From the source tree: a compiler cache may have made this file's own path relative.
    const QString fixture = qEnvironmentVariable("TINSELBOX_SOURCE_DIR")
        + QStringLiteral("/tests/fixtures/calendrier-sans-message.xml");
    QVERIFY2(QFileInfo::exists(fixture), qPrintable(fixture));
    const QByteArray avant = lire(fixture);

    Calendrier calendrier(QString::fromUtf8("No\u00ebl & <co> \"x\" 'y' ]]> a\tb\nc\rd \U0001F384"));
    calendrier.ajouterMedia(-1, new Image(QString()));
    calendrier.ajouterMedia(0, new Media(QStringLiteral("/base")));
    calendrier.ajouterMedia(1, new Image(QString::fromUtf8("/home/\u00fc/cr\u00e8che \u00f1.png")));
    calendrier.ajouterMedia(7, new Son(QStringLiteral("/x/&amp;/<y>/\"z\"'.mp3")));
    calendrier.ajouterMedia(10, new Video(QStringLiteral("C:\\v\\a]]>b\tc\nd\re.mp4")));
    calendrier.ajouterMedia(31, new Image(QString::fromUtf8("/\u96ea/\U0001F384.jpg")));

    GestionnaireFichiers gestionnaire;
    const QString fichier = chemin(QStringLiteral("avant.xml"));
    QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(calendrier, fichier), 0);
    QCOMPARE(lire(fichier), avant);

    Calendrier relu;
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fixture, relu), 0);
    QVERIFY(relu.getOptions().estParDefaut());
    QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(relu, fichier), 0);
    // The base kind's element is not read back; everything else is.
    QCOMPARE(lire(fichier), QByteArray(avant).replace(" <jour numero=\"0\">\n  <media/>\n </jour>\n", ""));
}

void TestFichiersProjet::codesDeLecture_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("nom");

    QByteArray profond;
    for (int i = 0; i < 100000; ++i)
        profond += "<a>";
    for (int i = 0; i < 100000; ++i)
        profond += "</a>";

    const QByteArray rires =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol \"lol\">\n"
        "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
        "<!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">\n"
        "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n"
        "<!ENTITY lol4 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">\n"
        "<!ENTITY lol5 \"&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;\">\n"
        "<!ENTITY lol6 \"&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;\">\n"
        "<!ENTITY lol7 \"&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;\">\n"
        "<!ENTITY lol8 \"&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;\">\n"
        "<!ENTITY lol9 \"&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;\">\n"
        "]>\n<tinselbox nom=\"&lol9;\" version=\"1\"/>\n";

    QByteArray binaire;
    for (int i = 0; i < 4096; ++i)
        binaire += char((i * 7919) % 256);

    QTest::newRow("empty file") << QByteArray() << 1 << QString();
    QTest::newRow("not XML") << QByteArray("this is not a calendar\n") << 1 << QString();
    QTest::newRow("truncated document")
        << QByteArray("<tinselbox nom=\"a\" version=\"1\">\n <jour numero=\"1\">\n  <ima") << 1 << QString();
    QTest::newRow("binary") << binaire << 1 << QString();
    QTest::newRow("100 000 levels deep") << profond << 1 << QString();
    QTest::newRow("entity expansion") << rires << 1 << QString();
    // Qt's parser replaces bytes that are not UTF-8 rather than refusing the document.
    QTest::newRow("Latin-1 bytes in a UTF-8 document")
        << QByteArray("<tinselbox nom=\"No\xEBl\" version=\"1\"/>") << 0 << QString::fromUtf8("No\uFFFDl");
    QTest::newRow("declared Latin-1 is read as such") << QByteArray(
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><tinselbox nom=\"No\xEBl\" version=\"1\"/>")
                                                      << 0 << QString::fromUtf8("Noël");
}

void TestFichiersProjet::codesDeLecture()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, code);
    QFETCH(QString, nom);

    const QString fichier = chemin(QStringLiteral("lecture.xml"));
    QVERIFY(ecrire(fichier, contenu));

    Calendrier calendrier(QStringLiteral("untouched"));
    auto *media = new Image(QStringLiteral("kept"));
    calendrier.ajouterMedia(3, media);

    GestionnaireFichiers gestionnaire;
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, calendrier), code);
    if (code != 0) {
        QCOMPARE(calendrier.getNom(), QStringLiteral("untouched"));
        QCOMPARE(calendrier.getContenuConstant().size(), 1);
        QCOMPARE(calendrier.getMedia(3), media);
        QVERIFY(!gestionnaire.estValide(fichier));
    } else {
        QCOMPARE(calendrier.getNom(), nom);
    }
}

void TestFichiersProjet::fichierProtegeEnEcriture()
{
    GestionnaireFichiers gestionnaire;
    Calendrier calendrier(QStringLiteral("untouched"));
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(chemin(QStringLiteral("absent.xml")), calendrier), 3);
    // A directory cannot be opened as a file, whoever asks.
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(temporaire.path(), calendrier), 2);
    QCOMPARE(calendrier.getNom(), QStringLiteral("untouched"));

    if (geteuid() == 0)
        QSKIP("running as root: file permissions do not stop root from opening a read-only file");
    const QString fichier = chemin(QStringLiteral("protege.xml"));
    QVERIFY(ecrire(fichier, "<tinselbox nom=\"p\" version=\"1\"/>\n"));
    // Read-only is no reason to refuse a calendar; unreadable is.
    QVERIFY(QFile::setPermissions(fichier, QFileDevice::ReadOwner));
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, calendrier), 0);
    QCOMPARE(calendrier.getNom(), QStringLiteral("p"));
    QVERIFY(QFile::setPermissions(fichier, QFileDevice::WriteOwner));
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(fichier, calendrier), 2);
    QVERIFY(FichierProjet::ouvrir(fichier, calendrier)
                .getMessage()
                .endsWith(QStringLiteral(": Permission denied.")));
}

void TestFichiersProjet::enregistrementDansUnRepertoireAbsent()
{
    const QString repertoire = chemin(QStringLiteral("absent"));
    Calendrier calendrier(QStringLiteral("c"));
    QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(
                 calendrier, repertoire + QStringLiteral("/c.xml")),
        2);
    QVERIFY(!QFileInfo::exists(repertoire));
}

void TestFichiersProjet::enregistrementRemplaceUnFichierPlusLong()
{
    const QString fichier = chemin(QStringLiteral("long.xml"));
    QVERIFY(ecrire(fichier, QByteArray(100000, 'x')));
    Calendrier calendrier(QStringLiteral("court"));
    QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(calendrier, fichier), 0);
    QCOMPARE(QString::fromUtf8(lire(fichier)), QStringLiteral("<tinselbox nom=\"court\" version=\"1\"/>\n"));
}

void TestFichiersProjet::enregistrementEchoueSansToucherLAncien()
{
    // A directory standing where the file should go: nothing can be written there.
    const QString repertoire = chemin(QStringLiteral("occupe.xml"));
    QVERIFY(QDir().mkpath(repertoire));
    QVERIFY(ecrire(repertoire + QStringLiteral("/inside"), "mine"));

    Calendrier calendrier(QStringLiteral("c"));
    calendrier.ajouterMedia(1, new Image(QStringLiteral("a")));
    QCOMPARE(GestionnaireFichiers().creerFichierDepuisCalendrier(calendrier, repertoire), 2);
    QVERIFY(QFileInfo(repertoire).isDir());
    QCOMPARE(lire(repertoire + QStringLiteral("/inside")), QByteArray("mine"));
    QCOMPARE(QDir(temporaire.path())
                 .entryList(QStringList{QStringLiteral("occupe.xml*")}, QDir::AllEntries | QDir::Hidden),
        QStringList{QStringLiteral("occupe.xml")});
}

void TestFichiersProjet::ecritureInterrompueSignalee_data()
{
    QTest::addColumn<qint64>("limite");
    QTest::newRow("nothing accepted") << qint64(0);
    QTest::newRow("cut in the middle") << qint64(40);
    QTest::newRow("all but the last byte") << qint64(-1);
}

void TestFichiersProjet::ecritureInterrompueSignalee()
{
    QFETCH(qint64, limite);

    Calendrier calendrier(QStringLiteral("c"));
    for (int jour = 1; jour <= 31; ++jour)
        calendrier.ajouterMedia(jour, new Image(QStringLiteral("/photos/%1.jpg").arg(jour)));
    QDomDocument document;
    GestionnaireFichiers gestionnaire;
    gestionnaire.creerDomDepuisCalendrier(calendrier, document);
    const qint64 taille = document.toByteArray(1).size();

    PeripheriqueDefaillant peripherique(limite < 0 ? taille + limite : limite);
    QVERIFY(peripherique.open(QIODevice::WriteOnly));
    QCOMPARE(
        FichierProjet::ecrireDom(document, peripherique).getCause(), Resultat::Cause::FichierInaccessible);

    PeripheriqueDefaillant suffisant(taille);
    QVERIFY(suffisant.open(QIODevice::WriteOnly));
    QVERIFY(FichierProjet::ecrireDom(document, suffisant));
}

void TestFichiersProjet::validationDesFichiersInvalides_data()
{
    QTest::addColumn<QByteArray>("contenu");

    QTest::newRow("not XML") << QByteArray("hello");
    QTest::newRow("root without nom") << QByteArray("<tinselbox version=\"1\"/>");
    QTest::newRow("root without version") << QByteArray("<tinselbox nom=\"a\"/>");
    QTest::newRow("version not an integer") << QByteArray("<tinselbox nom=\"a\" version=\"one\"/>");
    QTest::newRow("other root") << QByteArray("<calendrier nom=\"a\" version=\"1\"/>");
    QTest::newRow("jour without numero")
        << QByteArray("<tinselbox nom=\"a\" version=\"1\"><jour><image url=\"x\"/></jour></tinselbox>");
    QTest::newRow("jour with a non-integer numero") << QByteArray(
        "<tinselbox nom=\"a\" version=\"1\"><jour numero=\"abc\"><image url=\"x\"/></jour></tinselbox>");
    QTest::newRow("jour without media")
        << QByteArray("<tinselbox nom=\"a\" version=\"1\"><jour numero=\"1\"/></tinselbox>");
    QTest::newRow("jour with two media")
        << QByteArray("<tinselbox nom=\"a\" version=\"1\"><jour numero=\"1\"><image url=\"x\"/><son "
                      "url=\"y\"/></jour></tinselbox>");
    QTest::newRow("message holding an element") << QByteArray(
        "<tinselbox nom=\"a\" version=\"1\"><jour numero=\"1\"><message>a<b/></message></jour></tinselbox>");
    QTest::newRow("month 13") << QByteArray("<tinselbox nom=\"a\" version=\"1\" mois=\"13\"/>");
    QTest::newRow("month 0") << QByteArray("<tinselbox nom=\"a\" version=\"1\" mois=\"0\"/>");
    QTest::newRow("past days not a boolean")
        << QByteArray("<tinselbox nom=\"a\" version=\"1\" rattrapage=\"yes\"/>");
    QTest::newRow("unknown media element") << QByteArray(
        "<tinselbox nom=\"a\" version=\"1\"><jour numero=\"1\"><photo url=\"x\"/></jour></tinselbox>");
}

void TestFichiersProjet::validationDesFichiersInvalides()
{
    QFETCH(QByteArray, contenu);

    const QString fichier = chemin(QStringLiteral("invalide.xml"));
    QVERIFY(ecrire(fichier, contenu));
    GestionnaireFichiers gestionnaire;
    QVERIFY(!gestionnaire.estValide(fichier));
    QVERIFY(!gestionnaire.estValide(chemin(QStringLiteral("absent.xml"))));
}

void TestFichiersProjet::tresGrandFichierProjet()
{
    // About 50 MB: many days with long locations.
    const QString fichier = chemin(QStringLiteral("grand.xml"));
    {
        QFile sortie(fichier);
        QVERIFY(sortie.open(QIODevice::WriteOnly));
        sortie.write("<tinselbox nom=\"grand\" version=\"1\">\n");
        const QByteArray chemin(400, 'a');
        for (int jour = 0; jour < 110000; ++jour)
            sortie.write(" <jour numero=\"" + QByteArray::number(jour) + "\">\n  <image url=\"/" + chemin
                + "\"/>\n </jour>\n");
        sortie.write("</tinselbox>\n");
        QVERIFY(sortie.size() > 45 * 1000 * 1000);
    }
    Calendrier calendrier;
    QCOMPARE(GestionnaireFichiers().creerCalendrierDepuisFichier(fichier, calendrier), 0);
    QCOMPARE(calendrier.getContenuConstant().size(), 110000);
    QCOMPARE(calendrier.getNom(), QStringLiteral("grand"));
}

QTEST_GUILESS_MAIN(TestFichiersProjet)
#include "tst_fichiersprojet.moc"
