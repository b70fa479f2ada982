#include "gestionnairefichiers.h"
#include "modele/calendrier.h"
#include "modele/optionscalendrier.h"
#include "site/rappelsics.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString PYTHON = QStringLiteral("/usr/bin/python3");
// Long enough to be folded, with what a text value escapes and letters of several octets.
const QString NOM = QStringLiteral("Calendrier de l'Avent, famille Noël; « deux mille vingt-six » \\ été "
                                   "comme hiver, à ouvrir chaque matin");

} // namespace

class TestRappels : public QObject
{
    Q_OBJECT

    QTemporaryDir temp;

    // What the parser read in `ics`, or an empty object after a failure (reported).
    QJsonObject lire(const QByteArray &ics)
    {
        const QString chemin = temp.filePath(QStringLiteral("rappels.ics"));
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(ics) != ics.size())
            return {};
        fichier.close();
        QProcess python;
        python.start(PYTHON,
            {qEnvironmentVariable("TINSELBOX_SOURCE_DIR") + QStringLiteral("/tests/lire-rappels.py"),
                chemin});
        if (!python.waitForFinished(60000) || python.exitCode() != 0) {
            qWarning().noquote() << python.readAllStandardError();
            return {};
        }
        return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        QProcess python;
        python.start(PYTHON, {QStringLiteral("-c"), QStringLiteral("import icalendar, pytz")});
        if (!python.waitForFinished(30000) || python.exitStatus() != QProcess::NormalExit
            || python.exitCode() != 0)
            QSKIP("the system's Python with its icalendar module is needed to read the reminders");
    }

    // The file as a calendar application reads it: one event per day of the coming run, an
    // alarm at eight in the day's own local time (across clock changes too), stable UIDs,
    // and texts that survive escaping and folding.
    void lusParUnVraiLecteur_data()
    {
        QTest::addColumn<QString>("fuseau");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("jours");
        QTest::addColumn<bool>("rattrapage");
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QString>("adresse");
        QTest::addColumn<QDate>("aujourdhui");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("premier");
        QTest::addColumn<QString>("dernier");
        // Day 5: its opening in UTC (empty for floating times), its summary and its link.
        QTest::addColumn<QString>("utc5");
        QTest::addColumn<QString>("resume5");
        QTest::addColumn<QString>("lien5");

        const QDate decembre(2026, 12, 7);
        QTest::newRow("floating, month in progress")
            << QString() << QString() << 0 << 31 << false << QString() << QString() << decembre << 31
            << "2026-12-01 00:00"
            << "2026-12-31 00:00" << QString() << "Day 5 is open" << QString();
        QTest::newRow("month over: the next one")
            << QString() << QString() << 0 << 24 << false << QString() << QString() << QDate(2026, 12, 25)
            << 24 << "2027-01-01 00:00"
            << "2027-01-24 00:00" << QString() << "Day 5 is open" << QString();
        QTest::newRow("chosen month, next year, days it lacks open after it")
            << QString() << QString() << 2 << 31 << true << QString() << QString() << QDate(2026, 6, 1) << 31
            << "2027-02-01 00:00"
            << "2027-03-01 00:00" << QString() << "Day 5 is open" << QString();
        QTest::newRow("chosen month, days it lacks stay shut")
            << QString() << QString() << 2 << 31 << false << QString() << QString() << QDate(2026, 6, 1) << 28
            << "2027-02-01 00:00"
            << "2027-02-28 00:00" << QString() << "Day 5 is open" << QString();
        QTest::newRow("zone, clocks go back on day 6") << "Europe/Paris"
                                                       << "2026-10-20" << 0 << 10 << false << QString()
                                                       << QString() << decembre << 10 << "2026-10-20 00:00"
                                                       << "2026-10-29 00:00"
                                                       << "2026-10-23 22:00"
                                                       << "Day 5 is open" << QString();
        QTest::newRow("zone, yearly start, clocks go forward on day 3")
            << "Australia/Sydney"
            << "10-01" << 0 << 7 << false << QString() << QString() << decembre << 7 << "2027-10-01 00:00"
            << "2027-10-07 00:00"
            << "2027-10-04 13:00"
            << "Day 5 is open" << QString();
        QTest::newRow("yearly start on 29 February")
            << QString() << "02-29" << 0 << 5 << false << QString() << QString() << QDate(2026, 1, 10) << 5
            << "2026-03-01 00:00"
            << "2026-03-05 00:00" << QString() << "Day 5 is open" << QString();
        QTest::newRow("zone that never changes, two years")
            << "Asia/Tokyo"
            << "2026-12-27" << 0 << 10 << false << QString() << QString() << decembre << 10
            << "2026-12-27 00:00"
            << "2027-01-05 00:00"
            << "2026-12-30 15:00"
            << "Day 5 is open" << QString();
        QTest::newRow("address and language")
            << QString() << QString() << 0 << 31 << false << "fr"
            << "https://example.org/avent/" << decembre << 31 << "2026-12-01 00:00"
            << "2026-12-31 00:00" << QString() << "Le jour 5 est ouvert"
            << "https://example.org/avent/#jour=5";
    }
    void lusParUnVraiLecteur()
    {
        QFETCH(QString, fuseau);
        QFETCH(QString, debut);
        QFETCH(int, mois);
        QFETCH(int, jours);
        QFETCH(bool, rattrapage);
        QFETCH(QString, langue);
        QFETCH(QString, adresse);
        QFETCH(QDate, aujourdhui);
        QFETCH(int, nombre);
        QFETCH(QString, premier);
        QFETCH(QString, dernier);
        QFETCH(QString, utc5);
        QFETCH(QString, resume5);
        QFETCH(QString, lien5);

        Calendrier calendrier(NOM);
        OptionsCalendrier options;
        options.fuseau = fuseau;
        options.debut = debut;
        options.mois = mois;
        options.jours = jours;
        options.rattrapage = rattrapage;
        options.langue = langue;
        options.adresse = adresse;
        calendrier.setOptions(options);
        const QByteArray ics = RappelsIcs::texte(calendrier, aujourdhui);

        // Lines end in CRLF and hold at most 75 octets.
        QVERIFY(ics.endsWith("END:VCALENDAR\r\n"));
        for (const QByteArray &ligne : ics.split('\n')) {
            QVERIFY2(ligne.isEmpty() || ligne.endsWith('\r'), ligne.constData());
            QVERIFY2(ligne.size() <= 76, ligne.constData());
        }

        const QJsonObject lu = lire(ics);
        QVERIFY(!lu.isEmpty());
        QCOMPARE(lu.value(QStringLiteral("nom")).toString(), NOM);
        QCOMPARE(lu.value(QStringLiteral("ecarts")).toInt(), 0);
        const QJsonArray evenements = lu.value(QStringLiteral("evenements")).toArray();
        QCOMPARE(evenements.size(), nombre);
        QCOMPARE(evenements.first()[QStringLiteral("debut")].toString(), premier);
        QCOMPARE(evenements.last()[QStringLiteral("debut")].toString(), dernier);
        QSet<QString> uids;
        for (const QJsonValue &valeur : evenements) {
            const QJsonObject evenement = valeur.toObject();
            const QString debutLu = evenement[QStringLiteral("debut")].toString();
            QVERIFY2(debutLu.endsWith(QLatin1String(" 00:00")), qPrintable(debutLu));
            QCOMPARE(evenement[QStringLiteral("alarmes")].toArray(),
                QJsonArray{debutLu.left(10) + QStringLiteral(" 08:00")});
            QCOMPARE(evenement[QStringLiteral("fuseau")].toString(), fuseau);
            uids.insert(evenement[QStringLiteral("uid")].toString());
        }
        QCOMPARE(uids.size(), nombre);
        const QJsonObject cinq = evenements.at(4).toObject();
        QCOMPARE(cinq[QStringLiteral("utc")].toString(), utc5);
        QCOMPARE(cinq[QStringLiteral("resume")].toString(), resume5);
        QCOMPARE(cinq[QStringLiteral("lien")].toString(), lien5);

        // The same calendar gives the same bytes, whatever the day of another generation
        // in the same run; the UIDs do not follow the dates.
        QCOMPARE(RappelsIcs::texte(calendrier, aujourdhui), ics);
        options.jours = jours - 1;
        calendrier.setOptions(options);
        QVERIFY(RappelsIcs::texte(calendrier, aujourdhui)
                    .contains(evenements.first()[QStringLiteral("uid")].toString().toUtf8()));
    }

    // The generated site holds the file.
    void dansLeSite()
    {
        Calendrier calendrier(QStringLiteral("site"));
        OptionsCalendrier options;
        options.debut = QStringLiteral("2026-12-01");
        options.jours = 24;
        calendrier.setOptions(options);
        const QString site = temp.filePath(QStringLiteral("site"));
        QCOMPARE(GestionnaireFichiers().generer(calendrier, site, false), 0);
        QFile fichier(site + QStringLiteral("/rappels.ics"));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), RappelsIcs::texte(calendrier, QDate(2020, 1, 1)));
    }
};

QTEST_GUILESS_MAIN(TestRappels)
#include "tst_rappels.moc"
