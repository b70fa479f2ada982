#include "calendriers.h"
#include "fichiers.h"
#include "gestionnairefichiers.h"
#include "site/generationsite.h"

#include <QDirIterator>
#include <QDomDocument>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString ID = QStringLiteral("0123456789abcdef0123456789abcdef");

} // namespace

class TestMedia : public QObject
{
    Q_OBJECT

private slots:
    void fragments_data();
    void fragments();
    void elementDuFichierProjet_data();
    void elementDuFichierProjet();
    void valeursSpecialesRelues_data();
    void valeursSpecialesRelues();
    void destructionParLaBase();
    void chaqueGenreComplet();
    void litteralJavaScript_data();
    void litteralJavaScript();
    void sceneDUnMessage();
    void debutDUnMessage_data();
    void debutDUnMessage();
};

void TestMedia::fragments_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("avecCollection");

    QTest::newRow("picture") << int(Media::PHOTO) << true;
    QTest::newRow("sound") << int(Media::MUSIQUE) << true;
    QTest::newRow("video") << int(Media::VIDEO) << true;
    QTest::newRow("message") << int(Media::MESSAGE) << false;
}

// The text of every script of the page.
QString textePage()
{
    Q_INIT_RESOURCE(ressources);
    QString texte;
    QDirIterator scripts(QStringLiteral(":/tinselbox/js/scripts"), {QStringLiteral("*.js")});
    while (scripts.hasNext()) {
        QFile script(scripts.next());
        if (script.open(QIODevice::ReadOnly))
            texte += QString::fromUtf8(script.readAll()) + QLatin1Char('\n');
    }
    return texte;
}

// Whether the page's scripts define `nom`: a function, a class, or a method.
bool definiDansLaPage(const QString &page, const QString &nom)
{
    for (const QString &forme : {QStringLiteral("function %1("), QStringLiteral("function %1 ("),
             QStringLiteral("class %1 "), QStringLiteral("class %1{"), QStringLiteral("\n    %1("),
             QStringLiteral("\n  %1("), QStringLiteral("%1 = function"), QStringLiteral("%1: function")}) {
        if (page.contains(forme.arg(nom)))
            return true;
    }
    return false;
}

// The names the lines call (`f(`, `new C(`, `o.m(`), by their last part.
QStringList appels(const QString &lignes)
{
    QStringList noms;
    int debut = -1;
    for (int i = 0; i < lignes.size(); ++i) {
        const QChar c = lignes.at(i);
        const bool partie = c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
        if (partie && debut < 0)
            debut = i;
        if (!partie) {
            if (debut >= 0 && c == QLatin1Char('(') && !lignes.at(debut).isDigit())
                noms << lignes.mid(debut, i - debut);
            debut = -1;
        }
    }
    return noms;
}

void TestMedia::fragments()
{
    QFETCH(int, type);
    QFETCH(bool, avecCollection);

    // The lines run in the page: every function or class they call is one its scripts define,
    // the day's case ends, and the file they load is the one the generator stores.
    static const QString page = textePage();
    static const QStringList natives{QStringLiteral("push"), QStringLiteral("set")};
    const std::unique_ptr<Media> media(
        creerMedia(Media::TypeMedia(type), QStringLiteral("/a/b & \"c\".jpg")));
    media->setExtensionPubliee(QStringLiteral("jpg"));
    const QString scene = media->getSceneJS(ID);
    const QString collection = media->getCollectionJS(ID);
    QVERIFY(scene.endsWith(QStringLiteral("break;\n")));
    QVERIFY(!appels(scene).isEmpty() && !definiDansLaPage(page, QStringLiteral("jamaisDefinie")));
    for (const QString &lignes : {scene, collection}) {
        for (const QString &nom : appels(lignes))
            QVERIFY2(natives.contains(nom) || definiDansLaPage(page, nom),
                qPrintable(nom + QStringLiteral(" is called but never defined")));
    }
    QCOMPARE(!media->getNomFichierCollection().isEmpty(), avecCollection);
    if (!avecCollection)
        return;
    QVERIFY(scene.contains(ID));
    QVERIFY2(QFile::exists(QStringLiteral(":/tinselbox/js/scripts/") + media->getNomFichierCollection()),
        qPrintable(media->getNomFichierCollection()));
    QVERIFY2(collection.contains(
                 QStringLiteral("data/") + GenreMedia::nomFichierStocke(ID, QStringLiteral("jpg"))),
        qPrintable(collection));
    // The lines never depend on the file's location.
    const std::unique_ptr<Media> ailleurs(creerMedia(Media::TypeMedia(type), QString()));
    ailleurs->setExtensionPubliee(QStringLiteral("jpg"));
    QCOMPARE(ailleurs->getSceneJS(ID), scene);
    QCOMPARE(ailleurs->getCollectionJS(ID), collection);
}

void TestMedia::elementDuFichierProjet_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("texte");

    QTest::newRow("picture") << int(Media::PHOTO) << "D:/photos/sapin.jpg"
                             << "<image url=\"D:/photos/sapin.jpg\"/>\n";
    QTest::newRow("sound") << int(Media::MUSIQUE) << "/m/chant.mp3"
                           << "<son url=\"/m/chant.mp3\"/>\n";
    QTest::newRow("video") << int(Media::VIDEO) << "v.webm"
                           << "<video url=\"v.webm\"/>\n";
    QTest::newRow("empty location") << int(Media::PHOTO) << ""
                                    << "<image url=\"\"/>\n";
    QTest::newRow("base kind: no attribute") << int(Media::AUCUN) << "/x"
                                             << "<media/>\n";
}

void TestMedia::elementDuFichierProjet()
{
    QFETCH(int, type);
    QFETCH(QString, url);
    QFETCH(QString, texte);

    const std::unique_ptr<Media> media(creerMedia(Media::TypeMedia(type), url));
    const QDomElement element = media->getQDomElement();
    QVERIFY(element.parentNode().isNull());

    QDomDocument document;
    document.appendChild(document.importNode(element, true));
    QCOMPARE(document.toString(1), texte);
}

void TestMedia::valeursSpecialesRelues_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("markup characters") << "/a&b/<c>/\"d\"/'e'.jpg";
    QTest::newRow("control characters") << "/a\tb/c\nd/e\rf.jpg";
    QTest::newRow("accents and beyond") << QString::fromUtf8("/Noël/éàü/雪/🎄.png");
}

void TestMedia::valeursSpecialesRelues()
{
    QFETCH(QString, url);

    QDomDocument document;
    document.appendChild(document.importNode(Image(url).getQDomElement(), true));
    const QString texte = document.toString(1);
    QVERIFY2(!texte.contains(QLatin1Char('\n')) || texte.indexOf(QLatin1Char('\n')) == texte.size() - 1,
        qPrintable(texte));

    QDomDocument relu;
    QVERIFY(relu.setContent(texte));
    QCOMPARE(relu.documentElement().attribute(QStringLiteral("url")), url);
}

namespace {
int destructionsDerivees = 0;
class ImageComptee : public Image
{
public:
    using Image::Image;
    ~ImageComptee() override
    {
        ++destructionsDerivees;
    }
};
// The media's element as the project file writes it.
QString texteElement(const Media &media)
{
    QDomDocument document;
    document.appendChild(document.importNode(media.getQDomElement(), true));
    return document.toString();
}

} // namespace

void TestMedia::destructionParLaBase()
{
    destructionsDerivees = 0;
    Media *media = new ImageComptee(QStringLiteral("x"));
    delete media;
    QCOMPARE(destructionsDerivees, 1);
}

// What a new row of the kind table must bring along: a class that answers its own kind
// and element, a collection script in the template, and a place in the schema.
void TestMedia::chaqueGenreComplet()
{
    QTemporaryDir temporaire;
    QVERIFY(temporaire.isValid());
    const QString projet = temporaire.filePath(QStringLiteral("genres.xml"));
    GestionnaireFichiers gestionnaire;
    Calendrier calendrier(QStringLiteral("Genres"));
    QSet<QString> balises;

    for (const GenreMedia &genre : GenreMedia::tous()) {
        const QString nom = genre.balise;
        QVERIFY2(genre.type != Media::AUCUN && GenreMedia::pour(genre.type) == &genre, qPrintable(nom));
        QVERIFY2(!balises.contains(nom) && GenreMedia::pourBalise(nom) == &genre, qPrintable(nom));
        balises.insert(nom);

        const std::unique_ptr<Media> media(genre.creer(QStringLiteral("/a/b.c")));
        QCOMPARE(media->getType(), genre.type);
        const std::unique_ptr<Media> relu(GenreMedia::depuisElement(media->getQDomElement()));
        QVERIFY2(relu && relu->getType() == genre.type && relu->getUrl() == media->getUrl(), qPrintable(nom));
        // The class and its row agree on the element and the script, and a copy is the same media.
        QCOMPARE(media->getQDomElement().tagName(), nom);
        QCOMPARE(media->getNomFichierCollection(), genre.fichierCollection);
        const std::unique_ptr<Media> copie(media->copier());
        QVERIFY2(copie && texteElement(*copie) == texteElement(*media), qPrintable(nom));

        // A kind without a collection script (a message) writes no collection lines.
        if (media->getNomFichierCollection().isEmpty()) {
            QVERIFY2(media->getCollectionJS(QStringLiteral("x")).isEmpty(), qPrintable(nom));
        } else {
            const QString script =
                QStringLiteral(":tinselbox/js/scripts/") + media->getNomFichierCollection();
            QVERIFY2(lire(script).contains(QByteArray(GenerationSite::MARQUEUR_GESTION_COLLECTION.data())),
                qPrintable(script));
        }
        calendrier.ajouterMedia(int(genre.type), genre.creer(nom));
    }

    QCOMPARE(gestionnaire.creerFichierDepuisCalendrier(calendrier, projet), 0);
    QVERIFY(gestionnaire.estValide(projet));
    Calendrier relu;
    QCOMPARE(gestionnaire.creerCalendrierDepuisFichier(projet, relu), 0);
    QCOMPARE(resume(relu, temporaire.path()), resume(calendrier));
}

void TestMedia::litteralJavaScript_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("litteral");

    QTest::newRow("empty") << QString() << "\"\"";
    QTest::newRow("printable ASCII kept") << "Merry Christmas, 2026! (a+b=c) ~{}[]"
                                          << "\"Merry Christmas, 2026! (a+b=c) ~{}[]\"";
    QTest::newRow("quotes and backslash") << "\"a\" 'b' c\\d"
                                          << "\"\\u0022a\\u0022 \\u0027b\\u0027 c\\u005cd\"";
    QTest::newRow("markup") << "</script><b>&amp;"
                            << "\"\\u003c/script\\u003e\\u003cb\\u003e\\u0026amp;\"";
    QTest::newRow("line breaks and tab") << "a\r\nb\nc\rd\te"
                                         << "\"a\\u000d\\u000ab\\u000ac\\u000dd\\u0009e\"";
    QTest::newRow("line and paragraph separators")
        << QString::fromUtf8("a\u2028b\u2029c") << "\"a\\u2028b\\u2029c\"";
    QTest::newRow("accents, DEL, NUL")
        << QString::fromUtf8("No\u00ebl\x7f") + QChar(0) << "\"No\\u00ebl\\u007f\\u0000\"";
    QTest::newRow("surrogates one by one") << QString::fromUtf8("\U0001F384") << "\"\\ud83c\\udf84\"";
}

void TestMedia::litteralJavaScript()
{
    QFETCH(QString, texte);
    QFETCH(QString, litteral);
    QCOMPARE(Message::litteralJavaScript(texte), litteral);
}

void TestMedia::sceneDUnMessage()
{
    const Message message(QStringLiteral("Line 1\n\"Line\" 2"));
    QCOMPARE(message.getSceneJS(ID),
        QStringLiteral("carte = new Carte(\"Line 1\\u000a\\u0022Line\\u0022 2\");\n"
                       "imagesMobiles.push(carte);\n"
                       "declencherTimer(carte, 10000);\n"
                       "break;\n"));
    QVERIFY(message.getUrl().isEmpty());
}

void TestMedia::debutDUnMessage_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("debut");

    QTest::newRow("short, on one line") << "Merry\n  Christmas!"
                                        << "Merry Christmas!";
    QTest::newRow("cut between words")
        << "Look under the tree in the garden" << QString::fromUtf8("Look under the tree in\u2026");
    QTest::newRow("one long word") << QString(40, QLatin1Char('x'))
                                   << QString(23, QLatin1Char('x')) + QChar(0x2026);
    QTest::newRow("blank") << " \n\t"
                           << "";
}

void TestMedia::debutDUnMessage()
{
    QFETCH(QString, texte);
    QFETCH(QString, debut);
    QCOMPARE(Message::debut(texte), debut);
    QCOMPARE(GenreMedia::texteTuile(Message(texte)), debut);
}

QTEST_GUILESS_MAIN(TestMedia)
#include "tst_media.moc"
