// Writes the manual page velbrant(1) from the texts `velbrant --help` shows,
// in German, or in the language of the translation TRANSLATION.qm.
// Usage: velbrant_make_manpage VERSION DATE OUT [TRANSLATION.qm]

#include "app/command_line.h"

#include <QTranslator>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

namespace command_line = velbrant::command_line;

QTranslator translation;

// The text in the page's language.
std::string inLanguage(std::string_view german, const char* context = "velbrant::command_line") {
    const QString translated = translation.translate(context, std::string(german).c_str());
    return translated.isEmpty() ? std::string(german) : translated.toStdString();
}

// Text for roff: backslashes and minus signs escaped, and no line that
// starts with a control character.
std::string roff(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c == '\\')
            result += "\\e";
        else if (c == '-')
            result += "\\-";
        else
            result += c;
    }
    if (!result.empty() && (result.front() == '.' || result.front() == '\''))
        result.insert(0, "\\&");
    return result;
}

std::string optionSyntax(const command_line::Option& option) {
    std::string text = "\\fB\\-\\-" + roff(option.name) + "\\fR";
    if (!option.valueName.empty())
        text += " \\fI" + roff(inLanguage(option.valueName)) + "\\fR";
    return text;
}

void writeOptions(std::ostream& out) {
    out << ".SH "
        << inLanguage(QT_TRANSLATE_NOOP("velbrant::manpage", "OPTIONEN"), "velbrant::manpage")
        << "\n";
    const std::string shortNames[] = {"h", "v"};
    for (std::size_t i = 0; i < command_line::StandardOptions.size(); ++i) {
        const command_line::Option& option = command_line::StandardOptions[i];
        out << ".TP\n\\fB\\-" << shortNames[i] << "\\fR, " << optionSyntax(option) << "\n"
            << roff(inLanguage(option.description)) << "\n";
    }
    for (const command_line::Option& option : command_line::Options)
        out << ".TP\n"
            << optionSyntax(option) << "\n"
            << roff(inLanguage(option.description)) << "\n";
    out << ".TP\n\\fI" << roff(inLanguage(command_line::Files.syntax)) << "\\fR\n"
        << roff(inLanguage(command_line::Files.description)) << "\n";
}

void writeSynopsis(std::ostream& out) {
    out << ".SH "
        << inLanguage(QT_TRANSLATE_NOOP("velbrant::manpage", "ÜBERSICHT"), "velbrant::manpage")
        << "\n.B velbrant\n\\fI" << roff(inLanguage(command_line::Files.syntax)) << "\\fR\n.br\n"
        << ".B velbrant\n"
        << optionSyntax(command_line::Options[0]);
    for (std::size_t i = 1; i < command_line::Options.size(); ++i)
        out << " [" << optionSyntax(command_line::Options[i]) << "]";
    out << " \\fI"
        << inLanguage(QT_TRANSLATE_NOOP("velbrant::manpage", "DATEI"), "velbrant::manpage")
        << "\\fR\n.br\n.B velbrant\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n";
}

void writeSections(std::ostream& out, std::size_t first, std::size_t end) {
    for (std::size_t i = first; i < end; ++i) {
        const command_line::Section& section = command_line::ManualSections[i];
        out << ".SH " << roff(inLanguage(section.title)) << "\n";
        bool firstParagraph = true;
        for (const std::string_view paragraph : section.paragraphs) {
            if (paragraph.empty())
                continue;
            out << (firstParagraph ? "" : ".PP\n") << roff(inLanguage(paragraph)) << "\n";
            firstParagraph = false;
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4 && argc != 5) {
        std::fputs("usage: velbrant_make_manpage VERSION DATE OUT [TRANSLATION.qm]\n", stderr);
        return 2;
    }
    if (argc == 5 && !translation.load(QString::fromLocal8Bit(argv[4]))) {
        std::fprintf(stderr, "velbrant_make_manpage: %s not read\n", argv[4]);
        return 1;
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << ".\\\" Written by velbrant_make_manpage from the texts of velbrant --help.\n"
        << ".TH VELBRANT 1 \"" << argv[2] << "\" \"Velbrant " << argv[1] << "\" \""
        << inLanguage(QT_TRANSLATE_NOOP("velbrant::manpage", "Benutzerbefehle"),
                      "velbrant::manpage")
        << "\"\n"
        << ".SH NAME\nvelbrant \\- " << roff(inLanguage(command_line::Summary)) << "\n";
    writeSynopsis(out);
    writeSections(out, 0, 1);
    writeOptions(out);
    writeSections(out, 1, command_line::ManualSections.size());
    out.close();
    if (!out) {
        std::fprintf(stderr, "velbrant_make_manpage: %s not written\n", argv[3]);
        return 1;
    }
    return 0;
}
