// Writes one private site's content script as a generation does, for the page's format
// tests: outil_chiffrement MASTER_KEY_BASE64 IDENTITY SOURCE|- DESTINATION [HEADER]
// (the header line, without its line end, comes before the source's bytes); or prints the
// master key wrapped under a password's key:
// outil_chiffrement --wrap PASSWORD SALT_BASE64 ITERATIONS MASTER_KEY_BASE64
#include "chiffrement/chiffrement.h"
#include "chiffrement/formatchiffre.h"
#include "site/siteprive.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 6 && arguments.at(1) == QLatin1String("--wrap")) {
        const QByteArray cle = Chiffrement::deriverMotDePasse(
            arguments.at(2), QByteArray::fromBase64(arguments.at(3).toLatin1()), arguments.at(4).toInt());
        const QByteArray enveloppe =
            FormatChiffre::envelopper(cle, QByteArray::fromBase64(arguments.at(5).toLatin1()));
        std::fputs((enveloppe.toBase64() + '\n').constData(), stdout);
        return enveloppe.isEmpty() ? 1 : 0;
    }
    if (arguments.size() < 5) {
        std::fputs(
            "usage: outil_chiffrement MASTER_KEY_BASE64 IDENTITY SOURCE|- DESTINATION [HEADER]\n", stderr);
        return 2;
    }
    SitePrive::Cles cles;
    cles.cleMaitre = QByteArray::fromBase64(arguments.at(1).toLatin1());
    const QString source = arguments.at(3) == QLatin1String("-") ? QString() : arguments.at(3);
    const QByteArray entete = arguments.size() > 5 ? arguments.at(5).toUtf8() + '\n' : QByteArray();
    // The generator writes each content once into a site being built, never over a file.
    QFile::remove(arguments.at(4));
    const Resultat resultat =
        SitePrive::ecrireContenu(cles, arguments.at(2), entete, source, arguments.at(4));
    if (!resultat) {
        std::fputs((resultat.getMessage() + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
        return 1;
    }
    return 0;
}
