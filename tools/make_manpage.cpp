// Writes the manual page velbrant(1) from the texts `velbrant --help` shows.
// Usage: velbrant_make_manpage VERSION DATE OUT

#include "app/command_line.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

namespace command_line = velbrant::command_line;

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
        text += " \\fI" + roff(option.valueName) + "\\fR";
    return text;
}

void writeOptions(std::ostream& out) {
    out << ".SH OPTIONEN\n";
    const std::string shortNames[] = {"h", "v"};
    for (std::size_t i = 0; i < command_line::StandardOptions.size(); ++i) {
        const command_line::Option& option = command_line::StandardOptions[i];
        out << ".TP\n\\fB\\-" << shortNames[i] << "\\fR, " << optionSyntax(option) << "\n"
            << roff(option.description) << "\n";
    }
    for (const command_line::Option& option : command_line::Options)
        out << ".TP\n" << optionSyntax(option) << "\n" << roff(option.description) << "\n";
    out << ".TP\n\\fI" << roff(command_line::Files.syntax) << "\\fR\n"
        << roff(command_line::Files.description) << "\n";
}

void writeSynopsis(std::ostream& out) {
    out << ".SH ÜBERSICHT\n.B velbrant\n\\fI" << roff(command_line::Files.syntax) << "\\fR\n.br\n"
        << ".B velbrant\n"
        << optionSyntax(command_line::Options[0]);
    for (std::size_t i = 1; i < command_line::Options.size(); ++i)
        out << " [" << optionSyntax(command_line::Options[i]) << "]";
    out << " \\fIDATEI\\fR\n.br\n.B velbrant\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n";
}

void writeSections(std::ostream& out, std::size_t first, std::size_t end) {
    for (std::size_t i = first; i < end; ++i) {
        const command_line::Section& section = command_line::ManualSections[i];
        out << ".SH " << roff(section.title) << "\n";
        bool firstParagraph = true;
        for (const std::string_view paragraph : section.paragraphs) {
            if (paragraph.empty())
                continue;
            out << (firstParagraph ? "" : ".PP\n") << roff(paragraph) << "\n";
            firstParagraph = false;
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: velbrant_make_manpage VERSION DATE OUT\n", stderr);
        return 2;
    }
    std::ofstream out(argv[3], std::ios::binary);
    out << ".\\\" Written by velbrant_make_manpage from the texts of velbrant --help.\n"
        << ".TH VELBRANT 1 \"" << argv[2] << "\" \"Velbrant " << argv[1]
        << "\" \"Benutzerbefehle\"\n"
        << ".SH NAME\nvelbrant \\- " << roff(command_line::Summary) << "\n";
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
