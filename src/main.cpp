#include "app/app_info.h"
#include "app/command_line.h"
#include "app/frame/file_commands.h"
#include "app/frame/main_window.h"
#include "app/frame/translations.h"
#include "app/settings/settings_file.h"
#include "render/diagram_run.h"
#include "render/document_export.h"
#include "render/file_errors.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace {

using velbrant::ExportOptions;
namespace command_line = velbrant::command_line;

bool hasOption(int argc, char* argv[], std::initializer_list<const char*> names) {
    for (int i = 1; i < argc; ++i) {
        for (const char* name : names) {
            const std::size_t length = std::strlen(name);
            if (std::strncmp(argv[i], name, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    }
    return false;
}

// An export reports only its own errors: Qt's notes about the session (no
// runtime directory, no display) are not for the user of a command.
void keepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "velbrant: %s\n", qUtf8Printable(message));
}

// Returns the exit code of a failure: main returns it, so the application
// and its fonts go down in order.
int fail(const QString& message) {
    std::fprintf(stderr, "velbrant: %s\n", qUtf8Printable(message));
    return 1;
}

// Said before the editor's application exists, so in the language chosen
// by a short-lived one.
struct DisplayMessages {
    QString missing;
    QByteArray unreachable;
};
DisplayMessages displayMessages;

void prepareDisplayMessages(int& argc, char* argv[]) {
    QCoreApplication probe(argc, argv);
    velbrant::installTranslations(
        probe, velbrant::chosenLanguage(velbrant::SettingsFile::standard().language()));
    displayMessages.missing = QCoreApplication::translate(
        "velbrant", "Der Editor braucht eine grafische Anzeige (DISPLAY oder WAYLAND_DISPLAY ist "
                    "nicht gesetzt). Ohne Anzeige: velbrant --export AUSGABE.png DATEI.STR");
    const QByteArray display =
        qgetenv("WAYLAND_DISPLAY").isEmpty() ? qgetenv("DISPLAY") : qgetenv("WAYLAND_DISPLAY");
    displayMessages.unreachable =
        QCoreApplication::translate("velbrant",
                                    "Der Editor erreicht die grafische Anzeige „%1“ nicht. Ohne "
                                    "Anzeige: velbrant --export AUSGABE.png DATEI.STR")
            .arg(QString::fromLocal8Bit(display))
            .toUtf8();
}

// A display that is set but cannot be reached makes Qt give up with a fatal
// message while the application starts: the user gets our one line and
// status 1 instead of Qt's English lines and an abort.
void refuseUnreachableDisplay(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "velbrant: %s\n", displayMessages.unreachable.constData());
    std::_Exit(1);
}

// Qt aborts without a display; the user is told instead. A platform chosen
// explicitly (offscreen, vnc) needs none.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// A long export shows how far it is, on a terminal only.
void reportProgressOnTerminal(ExportOptions& options) {
    if (isatty(fileno(stderr)) == 0)
        return;
    options.progress = [lastPercent = -1](qint64 done, qint64 total) mutable {
        const int percent = static_cast<int>(100 * done / std::max<qint64>(total, 1));
        if (percent != lastPercent)
            std::fprintf(stderr, "\rvelbrant: %d %%", percent);
        lastPercent = percent;
        return true;
    };
}

// The option's number, or nothing (then the user was told) when it is not
// one from `low` to `high`.
std::optional<int> parsedNumber(const QCommandLineParser& parser, const QString& name, int low,
                                int high) {
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (ok && value >= low && value <= high)
        return value;
    fail(QCoreApplication::translate("velbrant",
                                     "--%1 erwartet eine ganze Zahl von %2 bis %3, nicht \"%4\"")
             .arg(name)
             .arg(low)
             .arg(high)
             .arg(parser.value(name)));
    return std::nullopt;
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A text of the command line in the language the program speaks.
QString translated(std::string_view utf8) {
    return QCoreApplication::translate("velbrant::command_line", std::string(utf8).c_str());
}

void addOption(QCommandLineParser& parser, const command_line::Option& option,
               const QStringList& shortNames = {}) {
    parser.addOption({shortNames + QStringList{text(option.name)}, translated(option.description),
                      translated(option.valueName)});
}

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Velbrant: ") +
                                     translated(command_line::Summary) + QStringLiteral("."));
    addOption(parser, command_line::StandardOptions[0], {QStringLiteral("h")});
    addOption(parser, command_line::StandardOptions[1], {QStringLiteral("v")});
    for (const command_line::Option& option : command_line::Options)
        addOption(parser, option);
    parser.addPositionalArgument(translated(command_line::Files.name),
                                 translated(command_line::Files.description),
                                 translated(command_line::Files.syntax));
}

int runExport(const QCommandLineParser& parser) {
    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() != 1)
        return fail(
            QCoreApplication::translate("velbrant", "--export braucht genau eine Eingabedatei"));
    ExportOptions options;
    if (parser.isSet(QStringLiteral("scale"))) {
        options.scalePercent = parsedNumber(parser, QStringLiteral("scale"),
                                            velbrant::MinScalePercent, velbrant::MaxScalePercent);
        if (!options.scalePercent)
            return 1;
    }
    if (parser.isSet(QStringLiteral("dpi"))) {
        const std::optional<int> dpi = parsedNumber(
            parser, QStringLiteral("dpi"), velbrant::MinDotsPerInch, velbrant::MaxDotsPerInch);
        if (!dpi)
            return 1;
        options.dotsPerInch = *dpi;
    }
    if (parser.isSet(QStringLiteral("worksheet"))) {
        options.sheet.blanks =
            velbrant::blanksNamed(parser.value(QStringLiteral("worksheet")).toStdString());
        if (!options.sheet.blanks)
            return fail(QCoreApplication::translate(
                            "velbrant", "--worksheet erwartet anweisungen, bedingungen oder alles, "
                                        "nicht \"%1\"")
                            .arg(parser.value(QStringLiteral("worksheet"))));
    }
    if (parser.isSet(QStringLiteral("solution")) && !options.sheet.blanks)
        return fail(
            QCoreApplication::translate("velbrant", "--solution gehört zu einem --worksheet"));
    options.sheet.solution = parser.isSet(QStringLiteral("solution"));
    options.sheet.blackAndWhite = parser.isSet(QStringLiteral("bw"));
    options.standalone = parser.isSet(QStringLiteral("standalone"));
    reportProgressOnTerminal(options);
    options.notice = [](const QString& text) {
        std::fprintf(stderr, "velbrant: %s\n", qUtf8Printable(text));
    };
    try {
        velbrant::exportStructogram(inputs.front(), parser.value(QStringLiteral("export")),
                                    options);
    } catch (const std::exception& error) {
        if (options.progress)
            std::fputc('\n', stderr);
        return fail(velbrant::germanReason(QString::fromUtf8(error.what())));
    }
    if (options.progress)
        std::fputs("\rvelbrant: 100 %\n", stderr);
    return 0;
}

int runFile(const QCommandLineParser& parser) {
    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() != 1)
        return fail(
            QCoreApplication::translate("velbrant", "--run braucht genau eine Struktogramm-Datei"));
    velbrant::FileRunOptions options;
    if (parser.isSet(QStringLiteral("max-steps"))) {
        bool ok = false;
        options.maxSteps = parser.value(QStringLiteral("max-steps")).toLongLong(&ok);
        if (!ok || options.maxSteps < 1)
            return fail(QCoreApplication::translate(
                            "velbrant", "--max-steps erwartet eine ganze Zahl ab 1, nicht \"%1\"")
                            .arg(parser.value(QStringLiteral("max-steps"))));
    }
    options.tracePath = parser.value(QStringLiteral("trace"));
    options.notice = [](const QString& text) {
        std::fprintf(stderr, "velbrant: %s\n", qUtf8Printable(text));
    };
    velbrant::run::RunResult result;
    try {
        result = velbrant::runDiagramFile(inputs.front(), stdin, stdout, options);
    } catch (const std::exception& error) {
        return fail(velbrant::germanReason(QString::fromUtf8(error.what())));
    }
    std::fflush(stdout);
    if (result.status != velbrant::run::RunResult::Status::Failed)
        return 0;
    std::fprintf(stderr, "%s\n", result.message.c_str());
    if (!result.where.empty())
        std::fprintf(stderr, "velbrant: %s\n",
                     qUtf8Printable(QCoreApplication::translate("velbrant", "bei „%1“")
                                        .arg(QString::fromStdString(result.where))));
    return 3;
}

} // namespace

int main(int argc, char* argv[]) {
    // Exporting never needs a display: fonts work on the offscreen platform.
    const bool exporting = hasOption(argc, argv, {"--export", "--run"});
    const bool informing = hasOption(argc, argv, {"--help", "-h", "--version", "-v"});
    if (exporting) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepOnlyCriticalMessages);
    }
    if (!exporting && !informing)
        prepareDisplayMessages(argc, argv);
    if (!exporting && !informing && !hasDisplay())
        return fail(displayMessages.missing);
    // Only the editor needs a display; help and version need not even fonts.
    std::unique_ptr<QCoreApplication> app;
    if (exporting)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else if (informing)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else {
        const QtMessageHandler previous = qInstallMessageHandler(refuseUnreachableDisplay);
        app = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler(previous);
    }
    QCoreApplication::setApplicationName(QStringLiteral("velbrant"));
    QCoreApplication::setApplicationVersion(velbrant::ProgramVersion);
    // Before the parser: its own texts ("Aufruf", the help and version
    // options) come from Qt's translation.
    velbrant::installTranslations(
        *app, velbrant::chosenLanguage(velbrant::SettingsFile::standard().language()));

    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(*app);
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(QStringLiteral("run")))
        return runFile(parser);
    if (exporting)
        return runExport(parser);
    velbrant::MainWindow frame;
    frame.useSettings(std::make_unique<velbrant::SettingsFile>(velbrant::SettingsFile::standard()));
    frame.show();
    frame.offerRecovery();
    for (const QString& path : parser.positionalArguments())
        frame.files().openDocument(path);
    return QApplication::exec();
}
