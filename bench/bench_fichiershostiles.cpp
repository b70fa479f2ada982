// Crafted project files of 1, 10 and 50 MB: the time and peak memory to load (or refuse)
// and to validate each, against loading a valid 31-day project in the same run. Each
// measure runs in a child process (this executable with "--mesure") so that its peak
// memory is its own.
#include "../tests/documentshostiles.h"
#include "fichierprojet/gardexml.h"
#include "gestionnairefichiers.h"
#include "mesure.h"
#include "modele/calendrier.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

const char *const ARGUMENT_MESURE = "--mesure";

qint64 champStatut(const char *champ)
{
    QFile statut(QStringLiteral("/proc/self/status"));
    if (!statut.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &ligne : statut.readAll().split('\n')) {
        if (ligne.startsWith(champ))
            return ligne.mid(qstrlen(champ)).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

double tempsProcesseurMs()
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The child: one operation on one file, repeated; prints the median in ms, the mean
// processor time in ms (the machine may be shared), the code, the peak resident memory
// in kB and its growth over the resident memory before.
int mesurerEnfant(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString fichier = QString::fromLocal8Bit(argv[2]);
    const bool validation = qstrcmp(argv[3], "validation") == 0;
    const int repetitions = QByteArray(argv[4]).toInt();
    GestionnaireFichiers gestionnaire;
    const qint64 avant = champStatut("VmRSS:");
    int code = 0;
    const double processeur = tempsProcesseurMs();
    const double ms = medianeMs(repetitions, [&] {
        if (validation) {
            code = gestionnaire.estValide(fichier) ? 1 : 0;
        } else {
            Calendrier calendrier;
            code = gestionnaire.creerCalendrierDepuisFichier(fichier, calendrier);
        }
    });
    const double cpu = (tempsProcesseurMs() - processeur) / repetitions;
    const qint64 pic = champStatut("VmHWM:");
    std::printf("%f %f %d %lld %lld\n", ms, cpu, code, static_cast<long long>(pic),
        static_cast<long long>(pic - avant));
    return 0;
}

struct Mesure {
    double ms = 0;
    double cpu = 0;
    int code = -1;
    double picMo = 0;
    double croissanceMo = 0;
};

Mesure mesurer(const QString &fichier, const char *operation, int repetitions)
{
    QProcess enfant;
    enfant.start(QCoreApplication::applicationFilePath(),
        {QString::fromLatin1(ARGUMENT_MESURE), fichier, QString::fromLatin1(operation),
            QString::number(repetitions)});
    Mesure mesure;
    if (!enfant.waitForFinished(600000) || enfant.exitStatus() != QProcess::NormalExit) {
        std::printf("  %s: crashed or hung\n", operation);
        return mesure;
    }
    const QList<QByteArray> champs = enfant.readAllStandardOutput().trimmed().split(' ');
    if (champs.size() == 5) {
        mesure.ms = champs[0].toDouble();
        mesure.cpu = champs[1].toDouble();
        mesure.code = champs[2].toInt();
        mesure.picMo = champs[3].toDouble() / 1024;
        mesure.croissanceMo = champs[4].toDouble() / 1024;
    }
    return mesure;
}

void afficherMesure(const char *operation, const Mesure &mesure, const Mesure &reference)
{
    std::printf(" | %s %d: %8.1f ms x%8.0f, cpu %7.1f ms x%8.0f, peak %6.1f MB (+%6.1f) x%5.2f", operation,
        mesure.code, mesure.ms, mesure.ms / reference.ms, mesure.cpu, mesure.cpu / reference.cpu,
        mesure.picMo, mesure.croissanceMo, mesure.picMo / reference.picMo);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], ARGUMENT_MESURE) == 0)
        return mesurerEnfant(argc, argv);

    QCoreApplication application(argc, argv);
    QTemporaryDir repertoire;
    const QString reference = repertoire.filePath(QStringLiteral("reference.xml"));
    QFile sortie(reference);
    sortie.open(QIODevice::WriteOnly);
    sortie.write(projetValide(31));
    sortie.close();
    const Mesure refChargement = mesurer(reference, "chargement", 300);
    const Mesure refValidation = mesurer(reference, "validation", 100);
    std::printf(
        "Crafted project files, each measured in its own process; ratios against a valid 31-day project "
        "(load %.3f ms, cpu %.3f ms, peak %.1f MB; validate %.3f ms, cpu %.3f ms, peak %.1f MB).\n"
        "Load codes: 0 read, 1 refused; valid 1 when the schema accepts the file.\n",
        refChargement.ms, refChargement.cpu, refChargement.picMo, refValidation.ms, refValidation.cpu,
        refValidation.picMo);

    const int mo = 1000 * 1000;
    const std::vector<std::pair<const char *, std::function<QByteArray(int)>>> genres = {
        {"nesting inside the document type", dtdImbriquee},
        {"elements inside an entity", entiteImbriquee},
        {"entity referenced over and over", entiteRepetee},
        {"attributes on the root", attributsNombreux},
        {"nested elements", elementsImbriques},
        {"empty unknown elements", elementsVides},
        {"elements with the most attributes",
            [](int taille) { return attributsAuMaximum(taille, GardeXml::ATTRIBUTS_PAR_ELEMENT_MAXIMUM); }},
        {"valid project, long locations", [](int taille) { return projetValide(taille / 450, 400); }},
    };
    for (const auto &genre : genres) {
        for (const int taille : {1, 10, 50}) {
            const QString fichier = repertoire.filePath(QStringLiteral("forge.xml"));
            QFile forge(fichier);
            forge.open(QIODevice::WriteOnly);
            forge.write(genre.second(taille * mo));
            forge.close();
            const int repetitions = taille == 50 ? 3 : 5;
            std::printf("%-34s %2d MB", genre.first, taille);
            afficherMesure("load", mesurer(fichier, "chargement", repetitions), refChargement);
            afficherMesure("valid", mesurer(fichier, "validation", repetitions), refValidation);
            std::printf("\n");
            std::fflush(stdout);
        }
    }
    return 0;
}
