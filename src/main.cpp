#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velbrant"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELBRANT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Velbrant: ein Editor für Struktogramme (Nassi-Shneiderman-Diagramme)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("dateien"),
        QStringLiteral("Struktogramm-Dateien (.STR), die geöffnet werden."),
        QStringLiteral("[DATEI.STR ...]"));
    parser.process(app);
    parser.showHelp(0);
}
