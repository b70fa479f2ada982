#include "document/changementmedias.h"
#include "document/changementoptions.h"
#include "document/documentcalendrier.h"
#include "format/resultat.h"
#include "modele/calendrier.h"
#include "modele/image.h"
#include "modele/message.h"
#include "modele/son.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<QUndoCommand *(DocumentCalendrier &)>)

namespace {
using Etape = std::function<QUndoCommand *(DocumentCalendrier &)>;

/// The calendar as one line: each day's kind and location, then the options that the steps change.
QString etat(const Calendrier &calendrier)
{
    QStringList jours;
    const QMap<int, Media *> &contenu = calendrier.getContenuConstant();
    for (auto it = contenu.constBegin(); it != contenu.constEnd(); ++it) {
        // A message has its text, not a location.
        const auto *message = dynamic_cast<const Message *>(it.value());
        jours << QStringLiteral("%1:%2:%3")
                     .arg(it.key())
                     .arg(it.value()->getType())
                     .arg(message != nullptr ? message->getTexte() : it.value()->getUrl());
    }
    return QStringLiteral("%1 | %2 days%3")
        .arg(jours.join(QLatin1Char(' ')))
        .arg(calendrier.getOptions().jours)
        .arg(calendrier.getOptions().rattrapage ? QStringLiteral(", catch-up") : QString());
}

Calendrier *calendrierDepart()
{
    auto *calendrier = new Calendrier(QStringLiteral("Avent"));
    calendrier->ajouterMedia(1, new Image(QStringLiteral("/photos/un.png")));
    calendrier->ajouterMedia(2, new Son(QStringLiteral("/sons/deux.ogg")));
    return calendrier;
}

Etape medias(QMap<int, Media *> (*nouveaux)(), ChangementMedias::Nature nature, int jour = 0)
{
    return [nouveaux, nature, jour](DocumentCalendrier &document) {
        return new ChangementMedias(document, nouveaux(), nature, jour);
    };
}
} // namespace

class TestDocumentCalendrier : public QObject
{
    Q_OBJECT

private slots:
    void etapes_data();
    void etapes();
    void restaurationImpossibleSignalee();
    void autreCalendrierAutreHistorique();
};

void TestDocumentCalendrier::etapes_data()
{
    QTest::addColumn<Etape>("etape");
    QTest::addColumn<QString>("libelle");
    QTest::addColumn<QString>("apres");

    QTest::newRow("set an empty day")
        << medias(
               [] {
                   return QMap<int, Media *>{{3, new Image(QStringLiteral("/photos/trois.png"))}};
               },
               ChangementMedias::DEPOT, 3)
        << "Set day 3"
        << "1:1:/photos/un.png 2:2:/sons/deux.ogg 3:1:/photos/trois.png | 31 days";
    QTest::newRow("edit a day into a message") << medias(
        [] {
            return QMap<int, Media *>{{1, new Message(QStringLiteral("Joyeux Noël"))}};
        },
        ChangementMedias::EDITION, 1) << "Edit day 1"
                                               << "1:4:Joyeux Noël 2:2:/sons/deux.ogg | 31 days";
    QTest::newRow("clear a day") << medias(
        [] {
            return QMap<int, Media *>{{2, nullptr}};
        },
        ChangementMedias::VIDAGE, 2)
                                 << "Clear day 2"
                                 << "1:1:/photos/un.png | 31 days";
    QTest::newRow("import replaces one day and fills two")
        << medias(
               [] {
                   return QMap<int, Media *>{{1, new Image(QStringLiteral("/import/01.png"))},
                       {3, new Image(QStringLiteral("/import/03.png"))},
                       {4, new Son(QStringLiteral("/import/04.ogg"))}};
               },
               ChangementMedias::IMPORT)
        << "Import"
        << "1:1:/import/01.png 2:2:/sons/deux.ogg 3:1:/import/03.png 4:2:/import/04.ogg | 31 days";
    QTest::newRow("options") << Etape([](DocumentCalendrier &document) {
        OptionsCalendrier options = document.getCalendrier()->getOptions();
        options.jours = 24;
        options.rattrapage = true;
        return new ChangementOptions(document, options);
    }) << "Options"
                             << "1:1:/photos/un.png 2:2:/sons/deux.ogg | 24 days, catch-up";
}

void TestDocumentCalendrier::etapes()
{
    QFETCH(Etape, etape);
    QFETCH(QString, libelle);
    QFETCH(QString, apres);

    DocumentCalendrier document;
    document.remplacer(calendrierDepart(), QStringLiteral("/calendriers/avent.xml"));
    const QString avant = etat(*document.getCalendrier());
    QSignalSpy changements(&document, &DocumentCalendrier::calendrierChange);
    QSignalSpy modifications(&document, &DocumentCalendrier::modificationChangee);

    document.executer(etape(document));
    QCOMPARE(document.getPile().undoText(), libelle);
    QCOMPARE(etat(*document.getCalendrier()), apres);
    QVERIFY(document.estModifie());
    QCOMPARE(changements.count(), 1);
    QCOMPARE(modifications.takeFirst().at(0).toBool(), true);

    // Undoing back to the saved state clears the unsaved mark; redoing sets it again.
    document.getPile().undo();
    QCOMPARE(etat(*document.getCalendrier()), avant);
    QVERIFY(!document.estModifie());
    QCOMPARE(modifications.takeFirst().at(0).toBool(), false);
    document.getPile().redo();
    QCOMPARE(etat(*document.getCalendrier()), apres);

    // Saved after the step: undoing it now leaves the saved state.
    document.marquerEnregistre(document.getChemin());
    document.getPile().undo();
    QVERIFY(document.estModifie());
    QCOMPARE(changements.count(), 4);
}

void TestDocumentCalendrier::restaurationImpossibleSignalee()
{
    // A media of no known kind (kept from a newer file, say) cannot be made again from its element.
    DocumentCalendrier document;
    auto *calendrier = calendrierDepart();
    calendrier->ajouterMedia(5, new Media(QStringLiteral("/inconnu.bin")));
    document.remplacer(calendrier, QString());
    QSignalSpy echecs(&document, &DocumentCalendrier::echec);

    document.executer(new ChangementMedias(document, {{5, nullptr}, {1, nullptr}}, ChangementMedias::IMPORT));
    QCOMPARE(echecs.count(), 0);
    document.getPile().undo();

    // Said, with its day, while the other day comes back.
    QCOMPARE(echecs.count(), 1);
    const Resultat echec = echecs.at(0).at(0).value<Resultat>();
    QVERIFY(!echec);
    QCOMPARE(echec.getJour(), 5);
    QVERIFY(echec.getMessage().contains(QLatin1String("day 5")));
    QCOMPARE(
        etat(*document.getCalendrier()), QStringLiteral("1:1:/photos/un.png 2:2:/sons/deux.ogg | 31 days"));
}

void TestDocumentCalendrier::autreCalendrierAutreHistorique()
{
    DocumentCalendrier document;
    document.remplacer(calendrierDepart(), QStringLiteral("/lecture/seule.xml"), true);
    QVERIFY(document.estLectureSeule());
    document.executer(new ChangementMedias(document, {{1, nullptr}}, ChangementMedias::VIDAGE, 1));

    // A step never acts on a calendar it was not recorded on.
    document.setCalendrier(new Calendrier(QStringLiteral("Noël")));
    QVERIFY(!document.getPile().canUndo());
    QVERIFY(!document.estModifie());

    // Saved elsewhere: the new file can be written.
    document.marquerModifie();
    QVERIFY(document.estModifie());
    document.marquerEnregistre(QStringLiteral("/ailleurs/noel.xml"));
    QVERIFY(!document.estModifie());
    QVERIFY(!document.estLectureSeule());
    QCOMPARE(document.getChemin(), QStringLiteral("/ailleurs/noel.xml"));
}

QTEST_MAIN(TestDocumentCalendrier)
#include "tst_documentcalendrier.moc"
