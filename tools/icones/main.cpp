// rendreicone SOURCE.svg SIZE OUTPUT.png
// Renders an SVG file into a square PNG through Qt's SVG image plugin. The same
// source and Qt give the same bytes: the PNG carries no date or other run data.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Rendering needs no display: the tool runs during the build.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream erreur(stderr);

    const QStringList arguments = QCoreApplication::arguments();
    bool tailleLue = false;
    const int taille = arguments.value(2).toInt(&tailleLue);
    if (arguments.size() != 4 || !tailleLue || taille <= 0) {
        erreur << "usage: rendreicone SOURCE.svg SIZE OUTPUT.png\n";
        return 2;
    }

    QImageReader lecteur(arguments.at(1), "svg");
    lecteur.setScaledSize(QSize(taille, taille));
    QImage image = lecteur.read();
    if (image.isNull()) {
        erreur << arguments.at(1) << ": " << lecteur.errorString()
               << " (is Qt's SVG image plugin installed?)\n";
        return 1;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);

    QImageWriter ecrivain(arguments.at(3), "png");
    if (!ecrivain.write(image)) {
        erreur << arguments.at(3) << ": " << ecrivain.errorString() << '\n';
        return 1;
    }
    return 0;
}
