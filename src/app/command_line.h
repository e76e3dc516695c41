#pragma once

#include <array>
#include <string_view>

// What the command line takes, in one place: `velbrant --help` and the
// manual page velbrant(1) are both made from these texts (UTF-8, German),
// so that they cannot tell different stories. Plain C++: the tool that
// writes the manual page translates them itself.

// Marks the texts for Qt's translation tools: --help shows them in the
// program's language, and the manual page is written in German and in
// English. The same definition as Qt's.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace velbrant::command_line {

inline constexpr std::string_view Summary = QT_TRANSLATE_NOOP(
    "velbrant::command_line", "ein Editor für Struktogramme (Nassi-Shneiderman-Diagramme)");

struct Option {
    std::string_view name;
    // Empty for an option without a value.
    std::string_view valueName;
    std::string_view description;
};

inline constexpr std::array<Option, 10> Options = {{
    {"export", QT_TRANSLATE_NOOP("velbrant::command_line", "AUSGABE"),
     QT_TRANSLATE_NOOP(
         "velbrant::command_line",
         "Exportiert das Struktogramm ohne Fenster nach AUSGABE; die Endung wählt das Format: "
         ".png, .svg, .pdf, .tex (LaTeX mit TikZ), .nsd (Structorizer), .STR, .txt (als Text) "
         "oder ein Programm: .py, "
         ".java, .c, .pas. AUSGABE -.svg (jedes Format) schreibt auf die Standardausgabe, die "
         "Eingabe - liest die Text-Schreibweise von der Standardeingabe.")},
    {"scale", QT_TRANSLATE_NOOP("velbrant::command_line", "PROZENT"),
     QT_TRANSLATE_NOOP("velbrant::command_line", "Maßstab des Exports in Prozent (5 bis 400).")},
    {"dpi", QT_TRANSLATE_NOOP("velbrant::command_line", "N"),
     QT_TRANSLATE_NOOP("velbrant::command_line", "Auflösung eines PNG-Exports (Standard 300).")},
    {"worksheet", QT_TRANSLATE_NOOP("velbrant::command_line", "LÜCKEN"),
     QT_TRANSLATE_NOOP(
         "velbrant::command_line",
         "Exportiert ein Arbeitsblatt (PDF, PNG, SVG): die Texte der Anweisungen (anweisungen), "
         "der Bedingungen und Schleifenköpfe (bedingungen) oder aller Elemente (alles) bleiben "
         "leer, die Kästen stehen.")},
    {"solution", "",
     QT_TRANSLATE_NOOP(
         "velbrant::command_line",
         "Hängt beim Arbeitsblatt die Lösung an: als zweite Seite eines PDF, bei PNG und SVG als "
         "zweite Datei NAME-loesung.")},
    {"bw", "",
     QT_TRANSLATE_NOOP(
         "velbrant::command_line",
         "Schwarzweiß für den Kopierer: weiße Kästen, eine Lösung fett statt farbig.")},
    {"standalone", "",
     QT_TRANSLATE_NOOP(
         "velbrant::command_line",
         "Schreibt bei .tex ein ganzes Dokument, das pdflatex so übersetzt, statt eines Bildes zum "
         "Einbinden.")},
    {"run", "",
     QT_TRANSLATE_NOOP("velbrant::command_line",
                       "Führt das Struktogramm ohne Fenster aus: Eingaben von der Standardeingabe, "
                       "Ausgaben auf die Standardausgabe.")},
    {"max-steps", QT_TRANSLATE_NOOP("velbrant::command_line", "N"),
     QT_TRANSLATE_NOOP("velbrant::command_line",
                       "Hält eine Ausführung nach N Schritten an (Rückgabewert 3).")},
    {"trace", QT_TRANSLATE_NOOP("velbrant::command_line", "SPUR.csv"),
     QT_TRANSLATE_NOOP(
         "velbrant::command_line",
         "Schreibt bei --run den Schreibtischtest als CSV-Datei: eine Zeile je Schritt, eine "
         "Spalte je Variable.")},
}};

struct Positional {
    std::string_view name;
    std::string_view description;
    std::string_view syntax;
};

inline constexpr Positional Files = {
    QT_TRANSLATE_NOOP("velbrant::command_line", "dateien"),
    QT_TRANSLATE_NOOP("velbrant::command_line",
                      "Struktogramm-Dateien (.STR, .nsd, .txt) oder Programme (.py, .java, .c)."),
    QT_TRANSLATE_NOOP("velbrant::command_line", "[DATEI.STR ...]")};

// Options the command-line parser adds by itself.
inline constexpr std::array<Option, 2> StandardOptions = {{
    {"help", "",
     QT_TRANSLATE_NOOP("velbrant::command_line", "Zeigt Hilfe zu den Kommandozeilenoptionen an.")},
    {"version", "", QT_TRANSLATE_NOOP("velbrant::command_line", "Zeigt Versionsinformation an.")},
}};

// The manual page's further sections: a title and paragraphs each.
struct Section {
    std::string_view title;
    std::array<std::string_view, 4> paragraphs;
};

inline constexpr std::array<Section, 6> ManualSections = {{
    {QT_TRANSLATE_NOOP("velbrant::command_line", "BESCHREIBUNG"),
     {QT_TRANSLATE_NOOP(
          "velbrant::command_line",
          "Velbrant baut den Ablauf eines Programms aus geschachtelten Blöcken auf: Anweisungen, "
          "Bedingungen, Schleifen, Fallunterscheidungen, Aufrufe und Aussprünge. Struktogramme "
          "erhalten einen Titel und Kommentarzeilen, werden formatiert, gedruckt, als Bild, Text "
          "oder Programm exportiert und in .STR-Dateien gespeichert; Structorizer-Dateien (.nsd) "
          "werden ohne Verlust gelesen und geschrieben. Programme in Python, Java und C (.py, "
          ".java, .c) öffnen als Struktogramme: das Hauptprogramm und eines je Funktion."),
      QT_TRANSLATE_NOOP(
          "velbrant::command_line",
          "Ohne --export öffnet Velbrant den Editor mit den genannten Dateien; er braucht eine "
          "grafische Anzeige (X11 oder Wayland)."),
      QT_TRANSLATE_NOOP(
          "velbrant::command_line",
          "Mit --export schreibt Velbrant die eine genannte Datei ohne Fenster und ohne Anzeige im "
          "Format, das die Endung von AUSGABE wählt. Ein Bild zeigt Rahmen, Titel, Kommentar und "
          "Struktogramm im Maßstab des Dokuments oder von --scale. Ein Programm enthält die "
          "Unterprogramme, die Struktogramme im selben Ordner festlegen; Zeilen, die sich nicht "
          "übersetzen lassen, stehen als Kommentar darin, und wo das Programm sie bräuchte, hält "
          "es "
          "dort mit Rückgabewert 3 an. Ihre Zahl geht auf die Standardfehlerausgabe. Aus einem "
          "Programm in Python, Java oder C wird ein Programm mit allen seinen Funktionen oder, in "
          "ein anderes Format, das Hauptprogramm und daneben je Funktion eine Datei mit ihrem "
          "Namen."),
      QT_TRANSLATE_NOOP(
          "velbrant::command_line",
          "Mit --run führt Velbrant das eine genannte Struktogramm aus, mit den Unterprogrammen "
          "aus demselben Ordner. Ein Fehler zur Laufzeit (Division durch null, ein Index außerhalb "
          "des Feldes, eine nicht übersetzte Zeile) hält die Ausführung an; die Meldung und der "
          "Text des Elements gehen auf die Standardfehlerausgabe, der Rückgabewert ist 3.")}},
    {QT_TRANSLATE_NOOP("velbrant::command_line", "RÜCKGABEWERT"),
     {QT_TRANSLATE_NOOP(
          "velbrant::command_line",
          "0, wenn der Editor regulär endet, der Export geschrieben wurde oder die Ausführung "
          "endet; 1 bei einem Fehler, 3 bei einem Fehler zur Laufzeit. "
          "Fehler stehen in einer Zeile auf der Standardfehlerausgabe; ein "
          "fehlgeschlagener Export schreibt nichts und lässt eine vorhandene Datei unverändert."),
      "", "", ""}},
    {QT_TRANSLATE_NOOP("velbrant::command_line", "UMGEBUNG"),
     {QT_TRANSLATE_NOOP("velbrant::command_line",
                        "LANGUAGE, LANG: beginnt die erste Angabe von LANGUAGE oder sonst LANG mit "
                        "en, spricht Velbrant Englisch (Editor, Meldungen, Hilfe und erzeugte "
                        "Programme), sonst Deutsch; eine Sprache, die unter „Ansicht / Sprache“ "
                        "gewählt ist, geht vor."),
      "", "", ""}},
    {QT_TRANSLATE_NOOP("velbrant::command_line", "DATEIEN"),
     {QT_TRANSLATE_NOOP(
          "velbrant::command_line",
          "~/.config/velbrant/velbrant.def: die Standardbeschriftung und die zuletzt geöffneten "
          "Dateien (eine INI-Datei in Windows-1252); liegt eine velbrant.def neben dem Programm, "
          "gilt diese."),
      "", "", ""}},
    {QT_TRANSLATE_NOOP("velbrant::command_line", "BEISPIELE"),
     {QT_TRANSLATE_NOOP("velbrant::command_line", "velbrant suche.STR"),
      QT_TRANSLATE_NOOP("velbrant::command_line",
                        "velbrant --export suche.png --dpi 150 suche.STR"),
      QT_TRANSLATE_NOOP("velbrant::command_line", "velbrant --export suche.py suche.STR"),
      QT_TRANSLATE_NOOP("velbrant::command_line", "velbrant --run suche.STR < eingabe.txt")}},
    {QT_TRANSLATE_NOOP("velbrant::command_line", "AUTOREN"),
     {QT_TRANSLATE_NOOP("velbrant::command_line",
                        "Das Velbrant-Team <team@velbrant.de>, https://velbrant.de"),
      "", "", ""}},
}};

} // namespace velbrant::command_line
