<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>code</name>
    <message>
        <source>Übersetzen mit: gcc PROGRAMM.c -lm</source>
        <translation>Compile with: gcc PROGRAM.c -lm</translation>
    </message>
    <message>
        <source>Typ nicht erkannt: ganze Zahl angenommen</source>
        <translation>type not recognised: integer assumed</translation>
    </message>
    <message>
        <source>nicht übersetzt: </source>
        <translation>not translated: </translation>
    </message>
    <message>
        <source>nicht übersetzt: (leer)</source>
        <translation>not translated: (empty)</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>%1 (Byte %2)</source>
        <translation>%1 (byte %2)</translation>
    </message>
    <message>
        <source>Unerwartetes Dateiende</source>
        <translation>Unexpected end of file</translation>
    </message>
    <message>
        <source>Länge %1 von %2 liegt nicht in 0..255</source>
        <translation>Length %1 of %2 is not within 0..255</translation>
    </message>
    <message>
        <source>%1 %2 ist unbekannt</source>
        <translation>%1 %2 is unknown</translation>
    </message>
    <message>
        <source>Zu viele %1 zum Speichern: %2 (höchstens 32767)</source>
        <translation>Too many %1 to save: %2 (at most 32767)</translation>
    </message>
    <message>
        <source>Ungültige Ausrichtung %1</source>
        <translation>Invalid alignment %1</translation>
    </message>
    <message>
        <source>Verschachtelung tiefer als %1 Ebenen</source>
        <translation>Nesting deeper than %1 levels</translation>
    </message>
    <message>
        <source>Textzeilen</source>
        <translation>text lines</translation>
    </message>
    <message>
        <source>Elemente in einer Sequenz</source>
        <translation>elements in a sequence</translation>
    </message>
    <message>
        <source>Ungültige %1 %2</source>
        <translation>Invalid %1 %2</translation>
    </message>
    <message>
        <source>Position einer Sequenz</source>
        <translation>position of a sequence</translation>
    </message>
    <message>
        <source>Elementtyp</source>
        <translation>element type</translation>
    </message>
    <message>
        <source>Textzeile</source>
        <translation>text line</translation>
    </message>
    <message>
        <source>Ungültiger Maßstab</source>
        <translation>Invalid scale</translation>
    </message>
    <message>
        <source>Rahmenposition</source>
        <translation>frame position</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>title</translation>
    </message>
    <message>
        <source>Kommentarzeile</source>
        <translation>comment line</translation>
    </message>
    <message>
        <source>Ungültige Textlänge %1</source>
        <translation>Invalid text length %1</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>attributes</translation>
    </message>
    <message>
        <source>Zweige</source>
        <translation>branches</translation>
    </message>
    <message>
        <source>Ungültige Structorizer-Kennung %1</source>
        <translation>Invalid Structorizer marker %1</translation>
    </message>
    <message>
        <source>Mehr als 32767 Elemente in einer Folge</source>
        <translation>More than 32767 elements in a sequence</translation>
    </message>
    <message>
        <source>Elementklasse</source>
        <translation>element class</translation>
    </message>
    <message>
        <source>Ungültige Linienstärke %1</source>
        <translation>Invalid line width %1</translation>
    </message>
    <message>
        <source> … und %1 weitere</source>
        <translation> … and %1 more</translation>
    </message>
    <message>
        <source>Kommentarzeilen</source>
        <translation>comment lines</translation>
    </message>
    <message>
        <source>Zweigbeschriftung</source>
        <translation>branch label</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>Undo-Schritt beschädigt</source>
        <translation>Undo step damaged</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Parameter in Python: %1</source>
        <translation>Parameters in Python: %1</translation>
    </message>
    <message>
        <source>%1 Zeile ohne Struktogrammform übernommen: %2</source>
        <translation>%1 line taken over without a structogram form: %2</translation>
    </message>
    <message>
        <source>%1 Zeilen ohne Struktogrammform übernommen: %2</source>
        <translation>%1 lines taken over without a structogram form: %2</translation>
    </message>
    <message>
        <source>%1 Stelle nicht lesbar, als Text übernommen: %2</source>
        <translation>%1 place not readable, taken over as text: %2</translation>
    </message>
    <message>
        <source>%1 Stellen nicht lesbar, als Text übernommen: %2</source>
        <translation>%1 places not readable, taken over as text: %2</translation>
    </message>
    <message>
        <source>Grammatik passt nicht zur tree-sitter-Bibliothek</source>
        <translation>The grammar does not fit the tree-sitter library</translation>
    </message>
</context>
<context>
    <name>notation</name>
    <message>
        <source>%1 Element mit eigener Schrift</source>
        <translation>%1 element with its own font</translation>
    </message>
    <message>
        <source>%1 Elemente mit eigener Schrift</source>
        <translation>%1 elements with their own font</translation>
    </message>
    <message>
        <source>%1 Element mit eigenen Linienbreiten</source>
        <translation>%1 element with its own line widths</translation>
    </message>
    <message>
        <source>%1 Elemente mit eigenen Linienbreiten</source>
        <translation>%1 elements with their own line widths</translation>
    </message>
    <message>
        <source>%1 Element mit eigener Ausrichtung</source>
        <translation>%1 element with its own alignment</translation>
    </message>
    <message>
        <source>%1 Elemente mit eigener Ausrichtung</source>
        <translation>%1 elements with their own alignment</translation>
    </message>
    <message>
        <source>die Schriften von Titel und Kommentar</source>
        <translation>the fonts of title and comment</translation>
    </message>
    <message>
        <source>Lage, Rahmen und Maßstab des Struktogramms</source>
        <translation>position, frame and scale of the structogram</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Text länger als %1 Zeichen</source>
        <translation>text longer than %1 characters</translation>
    </message>
    <message>
        <source>Einrückung passt zu keinem Kopf darüber</source>
        <translation>indentation fits no head above</translation>
    </message>
    <message>
        <source>Mehr als %1 Elemente untereinander</source>
        <translation>more than %1 elements one below the other</translation>
    </message>
    <message>
        <source>%1 ohne „wenn“</source>
        <translation>%1 without “wenn”</translation>
    </message>
    <message>
        <source>%1 außerhalb einer Fallunterscheidung</source>
        <translation>%1 outside a case</translation>
    </message>
    <message>
        <source>%1 gehört an den Anfang</source>
        <translation>%1 belongs at the start</translation>
    </message>
    <message>
        <source>%1 ohne Kopf darüber</source>
        <translation>%1 without a head above</translation>
    </message>
    <message>
        <source>%1 steht allein</source>
        <translation>%1 stands alone</translation>
    </message>
    <message>
        <source>unerwartet</source>
        <translation>unexpected</translation>
    </message>
    <message>
        <source>Mehr als %1 Zeilen in einer Anweisung</source>
        <translation>more than %1 lines in a statement</translation>
    </message>
    <message>
        <source>Verschachtelung tiefer als %1 Ebenen</source>
        <translation>nesting deeper than %1 levels</translation>
    </message>
    <message>
        <source>%1 einer Bedingung hat keinen Text</source>
        <translation>%1 of a condition has no text</translation>
    </message>
    <message>
        <source>hinter %1 steht nichts; die Bedingung folgt als „bis …“</source>
        <translation>nothing goes after %1; the condition follows as “bis …”</translation>
    </message>
    <message>
        <source>%1 ohne „bis“</source>
        <translation>%1 without “bis”</translation>
    </message>
    <message>
        <source>erwartet: „bis …“ zu %1 in Zeile %2</source>
        <translation>expected: “bis …” for %1 in line %2</translation>
    </message>
    <message>
        <source>nach „sonst“ folgt kein Fall mehr</source>
        <translation>no case may follow “sonst”</translation>
    </message>
    <message>
        <source>erwartet: „fall …“ oder „sonst“</source>
        <translation>expected: “fall …” or “sonst”</translation>
    </message>
    <message>
        <source>%1 ohne „fall“</source>
        <translation>%1 without “fall”</translation>
    </message>
    <message>
        <source>Der Text ist größer als %1 MB</source>
        <translation>The text is larger than %1 MB</translation>
    </message>
    <message>
        <source>Der Text hat %1 Zeilen, höchstens %2 werden gelesen</source>
        <translation>The text has %1 lines; at most %2 are read</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
</context>
<context>
    <name>run</name>
    <message>
        <source>Kein Speicher mehr</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Division durch null</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Keine Eingabe mehr</source>
        <translation>No more input</translation>
    </message>
    <message>
        <source>Eingabe ist keine ganze Zahl: </source>
        <translation>Input is not a whole number: </translation>
    </message>
    <message>
        <source>Eingabe ist keine Zahl: </source>
        <translation>Input is not a number: </translation>
    </message>
    <message>
        <source>Zeile nicht übersetzt: %1</source>
        <translation>Line not translated: %1</translation>
    </message>
    <message>
        <source>Unterprogramm nicht gefunden: %1</source>
        <translation>Routine not found: %1</translation>
    </message>
    <message>
        <source>Index %1 außerhalb von %2 (%3)</source>
        <translation>Index %1 outside %2 (%3)</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Zahl</source>
        <translation>number</translation>
    </message>
    <message>
        <source>Wahrheitswert</source>
        <translation>truth value</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>ganze Zahl</source>
        <translation>whole number</translation>
    </message>
    <message>
        <source>Feld von %1</source>
        <translation>array of %1</translation>
    </message>
    <message>
        <source>Schrittgrenze erreicht: %1 Schritte</source>
        <translation>Step limit reached: %1 steps</translation>
    </message>
    <message>
        <source>Variable %1 wird gelesen, bevor sie einen Wert hat</source>
        <translation>Variable %1 is read before it has a value</translation>
    </message>
    <message>
        <source>Rekursion tiefer als %1 Aufrufe</source>
        <translation>Recursion deeper than %1 calls</translation>
    </message>
    <message>
        <source>Kein Ergebnis für %1(%2)</source>
        <translation>No result for %1(%2)</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Ausgabe</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Nur die ersten %1 Schritte sind aufgezeichnet.</source>
        <translation>Only the first %1 steps are recorded.</translation>
    </message>
    <message>
        <source>Schreibtischtest aus Velbrant; braucht %1</source>
        <translation>Trace table from Velbrant; needs %1</translation>
    </message>
</context>
<context>
    <name>structorizer</name>
    <message>
        <source>der Diagrammtyp „%1“</source>
        <translation>the diagram type “%1”</translation>
    </message>
    <message>
        <source>die Include-Liste</source>
        <translation>the include list</translation>
    </message>
    <message>
        <source>%1 weitere Kopfzeile</source>
        <translation>%1 more header line</translation>
    </message>
    <message>
        <source>%1 weitere Kopfzeilen</source>
        <translation>%1 more header lines</translation>
    </message>
    <message>
        <source>Autor, Daten und Lizenz des Diagramms</source>
        <translation>author, dates and licence of the diagram</translation>
    </message>
    <message>
        <source>„%1“ als „%2“</source>
        <translation>“%1” as “%2”</translation>
    </message>
    <message>
        <source>Zeichen, die Windows-1252 nicht hat: %1</source>
        <translation>characters Windows-1252 does not have: %1</translation>
    </message>
    <message>
        <source>%1 Farbe</source>
        <translation>%1 colour</translation>
    </message>
    <message>
        <source>%1 Farben</source>
        <translation>%1 colours</translation>
    </message>
    <message>
        <source>%1 Kommentar an einem Element</source>
        <translation>%1 comment on an element</translation>
    </message>
    <message>
        <source>%1 Kommentare an Elementen</source>
        <translation>%1 comments on elements</translation>
    </message>
    <message>
        <source>%1 deaktiviertes Element</source>
        <translation>%1 disabled element</translation>
    </message>
    <message>
        <source>%1 deaktivierte Elemente</source>
        <translation>%1 disabled elements</translation>
    </message>
    <message>
        <source>%1 Endlosschleife, Ausnahmebehandlung oder Parallelabschnitt</source>
        <translation>%1 endless loop, exception handler or parallel section</translation>
    </message>
    <message>
        <source>%1 Endlosschleifen, Ausnahmebehandlungen und Parallelabschnitte</source>
        <translation>%1 endless loops, exception handlers and parallel sections</translation>
    </message>
    <message>
        <source>%1 Haltepunkt</source>
        <translation>%1 breakpoint</translation>
    </message>
    <message>
        <source>%1 Haltepunkte</source>
        <translation>%1 breakpoints</translation>
    </message>
    <message>
        <source>Nicht genug Arbeitsspeicher</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Ein Element beginnt fehlerhaft</source>
        <translation>An element starts wrongly</translation>
    </message>
    <message>
        <source>Eine Verarbeitungsanweisung ist fehlerhaft</source>
        <translation>A processing instruction is broken</translation>
    </message>
    <message>
        <source>Ein Kommentar ist fehlerhaft</source>
        <translation>A comment is broken</translation>
    </message>
    <message>
        <source>Ein CDATA-Abschnitt ist fehlerhaft</source>
        <translation>A CDATA section is broken</translation>
    </message>
    <message>
        <source>Die Dokumenttyp-Deklaration ist fehlerhaft</source>
        <translation>The document type declaration is broken</translation>
    </message>
    <message>
        <source>Ein Text ist fehlerhaft</source>
        <translation>A text is broken</translation>
    </message>
    <message>
        <source>Ein Attribut ist fehlerhaft</source>
        <translation>An attribute is broken</translation>
    </message>
    <message>
        <source>Ein Element endet fehlerhaft</source>
        <translation>An element ends wrongly</translation>
    </message>
    <message>
        <source>Ein Element endet mit dem falschen Namen oder gar nicht</source>
        <translation>An element ends with the wrong name or not at all</translation>
    </message>
    <message>
        <source>Die Datei enthält kein Element</source>
        <translation>The file holds no element</translation>
    </message>
    <message>
        <source>Die Datei ist kein lesbares XML</source>
        <translation>The file is no readable XML</translation>
    </message>
    <message>
        <source>Steuerzeichen durch Leerzeichen ersetzt</source>
        <translation>Control characters replaced by spaces</translation>
    </message>
    <message>
        <source>%1 (Zeile %2)</source>
        <translation>%1 (line %2)</translation>
    </message>
    <message>
        <source>Mehr als %1 Zeilen in einem Text</source>
        <translation>More than %1 lines in a text</translation>
    </message>
    <message>
        <source>Mehr als %1 Elemente untereinander</source>
        <translation>More than %1 elements one below the other</translation>
    </message>
    <message>
        <source>Zeichen, die Windows-1252 nicht kennt, ersetzt: %1</source>
        <translation>Characters Windows-1252 does not know, replaced: %1</translation>
    </message>
    <message>
        <source>Zeilen auf 255 Zeichen gekürzt: %1</source>
        <translation>Lines cut to 255 characters: %1</translation>
    </message>
    <message>
        <source>Verschachtelung tiefer als %1 Ebenen</source>
        <translation>Nesting deeper than %1 levels</translation>
    </message>
    <message>
        <source>Unbekannte Elemente „%1“ weggelassen</source>
        <translation>Unknown elements “%1” left out</translation>
    </message>
    <message>
        <source>Die Datei ist größer als 64 MB</source>
        <translation>The file is larger than 64 MB</translation>
    </message>
    <message>
        <source>Kein gültiges XML: %1</source>
        <translation>No valid XML: %1</translation>
    </message>
    <message>
        <source>Kein Structorizer-Diagramm: das Element „root“ fehlt</source>
        <translation>No Structorizer diagram: the element “root” is missing</translation>
    </message>
</context>
<context>
    <name>tex</name>
    <message>
        <source>%1 (Struktogramm aus Velbrant)</source>
        <translation>%1 (structogram from Velbrant)</translation>
    </message>
    <message>
        <source>Braucht in der Präambel: %1</source>
        <translation>Needs in the preamble: %1</translation>
    </message>
</context>
<context>
    <name>velbrant</name>
    <message>
        <source>Der Abstand vom linken Blattrand</source>
        <translation>The distance from the left edge of the sheet</translation>
    </message>
    <message>
        <source>Der Abstand vom oberen Blattrand</source>
        <translation>The distance from the top edge of the sheet</translation>
    </message>
    <message>
        <source>Der Maßstab</source>
        <translation>The scale</translation>
    </message>
    <message>
        <source>Die Dicke des äußeren Rahmens</source>
        <translation>The thickness of the outer frame</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Linienstärke der Umrandung</source>
        <translation>The line width of the border</translation>
    </message>
    <message>
        <source>Die Linienstärke des Blockinhalts</source>
        <translation>The line width of the block content</translation>
    </message>
    <message>
        <source>Die Schriftgröße</source>
        <translation>The font size</translation>
    </message>
    <message>
        <source>%1,%2 mm</source>
        <translation>%1.%2 mm</translation>
    </message>
    <message>
        <source>%1 bis %2 %3</source>
        <translation>%1 to %2 %3</translation>
    </message>
    <message>
        <source>eine ganze Zahl von %1</source>
        <translation>a whole number from %1</translation>
    </message>
    <message>
        <source>eine Zahl von %1 mit höchstens %2</source>
        <translation>a number from %1 with at most %2</translation>
    </message>
    <message>
        <source>einer Nachkommastelle</source>
        <translation>one decimal place</translation>
    </message>
    <message>
        <source>%1 Nachkommastellen</source>
        <translation>%1 decimal places</translation>
    </message>
    <message>
        <source>%1 muß %2 sein.</source>
        <translation>%1 must be %2.</translation>
    </message>
    <message>
        <source>„%1“ ist nicht möglich. %2</source>
        <translation>“%1” is not possible. %2</translation>
    </message>
    <message>
        <source>Struktogramme (*.STR *.str)</source>
        <translation>Structograms (*.STR *.str)</translation>
    </message>
    <message>
        <source>Structorizer-Diagramme (*.nsd)</source>
        <translation>Structorizer diagrams (*.nsd)</translation>
    </message>
    <message>
        <source>Struktogramme als Text (*.txt)</source>
        <translation>Structograms as text (*.txt)</translation>
    </message>
    <message>
        <source>Alle Diagramme und Programme (*.STR *.str *.nsd *.txt *.py *.java *.c)</source>
        <translation>All diagrams and programs (*.STR *.str *.nsd *.txt *.py *.java *.c)</translation>
    </message>
    <message>
        <source>Programme in Python, Java oder C (*.py *.java *.c)</source>
        <translation>Programs in Python, Java or C (*.py *.java *.c)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Weiß</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Türkis</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Grau</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Violett</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Farbe wählen</source>
        <translation>Choose a colour</translation>
    </message>
    <message>
        <source>&amp;Farbe</source>
        <translation>&amp;Colour</translation>
    </message>
    <message>
        <source>Die ausgewählten Blöcke einfärben</source>
        <translation>Fill the selected blocks with a colour</translation>
    </message>
    <message>
        <source>&amp;keine</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>&amp;Weitere...</source>
        <translation>&amp;More...</translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>Weitere...</source>
        <translation>More...</translation>
    </message>
    <message>
        <source>Schreibtischtest: nur die ersten %1 Schritte aufgezeichnet</source>
        <translation>Trace table: only the first %1 steps recorded</translation>
    </message>
    <message>
        <source>mit höchstens %1 dpi oder einem kleineren Maßstab passt es</source>
        <translation>it fits with at most %1 dpi or a smaller scale</translation>
    </message>
    <message>
        <source>ein kleinerer Maßstab oder SVG macht es möglich</source>
        <translation>a smaller scale or SVG makes it possible</translation>
    </message>
    <message>
        <source>Das Bild wäre %1 × %2 Pixel groß (%3 Megapixel), ein PNG höchstens %4 Megapixel und %5 Pixel breit oder hoch; %6</source>
        <translation>The picture would be %1 × %2 pixels (%3 megapixels), a PNG at most %4 megapixels and %5 pixels wide or high; %6</translation>
    </message>
    <message>
        <source>Struktogramm</source>
        <translation>Structogram</translation>
    </message>
    <message>
        <source>Das PDF hätte %1 Seiten von bis zu 5 × 5 m, höchstens %2 sind möglich; ein kleinerer Maßstab verringert sie</source>
        <translation>The PDF would have %1 pages of up to 5 × 5 m, at most %2 are possible; a smaller scale reduces them</translation>
    </message>
    <message>
        <source>1 Zeile nicht übersetzt (als Kommentar übernommen)</source>
        <translation>1 line not translated (kept as a comment)</translation>
    </message>
    <message>
        <source>%1 Zeilen nicht übersetzt (als Kommentar übernommen)</source>
        <translation>%1 lines not translated (kept as comments)</translation>
    </message>
    <message>
        <source>1 Unterprogramm nicht gefunden</source>
        <translation>1 subroutine not found</translation>
    </message>
    <message>
        <source>%1 Unterprogramme nicht gefunden</source>
        <translation>%1 subroutines not found</translation>
    </message>
    <message>
        <source>Nicht in „.%1“ enthalten: %2</source>
        <translation>Not in “.%1”: %2</translation>
    </message>
    <message>
        <source>Unterprogramm geschrieben: %1</source>
        <translation>Subroutine written: %1</translation>
    </message>
    <message>
        <source>Zeichen ersetzt, die ein Struktogramm nicht speichern kann: %1</source>
        <translation>Characters a structogram cannot store replaced: %1</translation>
    </message>
    <message>
        <source>Steuerzeichen durch Leerzeichen ersetzt: %1</source>
        <translation>Control characters replaced by blanks: %1</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht öffnen: %2</source>
        <translation>%1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Das ist ein Verzeichnis</source>
        <translation>That is a directory</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei</source>
        <translation>That is no regular file</translation>
    </message>
    <message>
        <source>Die Datei ist mit %1 MB größer als jedes Struktogramm (höchstens %2 MB)</source>
        <translation>At %1 MB the file is larger than any structogram (at most %2 MB)</translation>
    </message>
    <message>
        <source>Die Datei ist größer als jedes Struktogramm (höchstens %1 MB)</source>
        <translation>The file is larger than any structogram (at most %1 MB)</translation>
    </message>
    <message>
        <source>%1 ist kein lesbares Struktogramm: %2</source>
        <translation>%1 is no readable structogram: %2</translation>
    </message>
    <message>
        <source>Die Eingabe ist größer als jedes Struktogramm (höchstens %1 MB)</source>
        <translation>The input is larger than any structogram (at most %1 MB)</translation>
    </message>
    <message>
        <source>Die Eingabe ist kein lesbares Struktogramm: %1</source>
        <translation>The input is no readable structogram: %1</translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist kein Platz mehr</source>
        <translation>No space left on the disk</translation>
    </message>
    <message>
        <source>Als %1 wäre es %2 MB groß; Velbrant liest höchstens %3 MB</source>
        <translation>As %1 it would be %2 MB; Velbrant reads at most %3 MB</translation>
    </message>
    <message>
        <source>Seite %1 von %2 – Zeile %3, Spalte %4</source>
        <translation>Page %1 of %2 – row %3, column %4</translation>
    </message>
    <message>
        <source>der Schrift „Symbol“</source>
        <translation>of the font “Symbol”</translation>
    </message>
    <message>
        <source>von Windows-1252</source>
        <translation>of Windows-1252</translation>
    </message>
    <message>
        <source>„%1“ lässt sich nicht speichern: Struktogramme kennen nur die Zeichen %2.</source>
        <translation>“%1” cannot be stored: structograms know only the characters %2.</translation>
    </message>
    <message>
        <source>Eine Zeile darf höchstens %1 Zeichen lang sein.</source>
        <translation>A line may be at most %1 characters long.</translation>
    </message>
    <message>
        <source>(leerer Block)</source>
        <translation>(empty block)</translation>
    </message>
    <message>
        <source>Geben Sie ein, wonach gesucht wird.</source>
        <translation>Enter what to look for.</translation>
    </message>
    <message>
        <source>Der reguläre Ausdruck lässt sich nicht lesen: %1 (Zeichen %2).</source>
        <translation>The regular expression cannot be read: %1 (character %2).</translation>
    </message>
    <message>
        <source>Der Titel: %1</source>
        <translation>The title: %1</translation>
    </message>
    <message>
        <source>--%1 erwartet eine ganze Zahl von %2 bis %3, nicht &quot;%4&quot;</source>
        <translation>--%1 expects a whole number from %2 to %3, not &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--export braucht genau eine Eingabedatei</source>
        <translation>--export needs exactly one input file</translation>
    </message>
    <message>
        <source>--worksheet erwartet anweisungen, bedingungen oder alles, nicht &quot;%1&quot;</source>
        <translation>--worksheet expects anweisungen, bedingungen or alles, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--solution gehört zu einem --worksheet</source>
        <translation>--solution belongs to a --worksheet</translation>
    </message>
    <message>
        <source>--run braucht genau eine Struktogramm-Datei</source>
        <translation>--run needs exactly one structogram file</translation>
    </message>
    <message>
        <source>--max-steps erwartet eine ganze Zahl ab 1, nicht &quot;%1&quot;</source>
        <translation>--max-steps expects a whole number from 1, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>bei „%1“</source>
        <translation>at “%1”</translation>
    </message>
    <message>
        <source>Der Editor braucht eine grafische Anzeige (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt). Ohne Anzeige: velbrant --export AUSGABE.png DATEI.STR</source>
        <translation>The editor needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set). Without a display: velbrant --export OUTPUT.png FILE.STR</translation>
    </message>
    <message>
        <source>Der Editor erreicht die grafische Anzeige „%1“ nicht. Ohne Anzeige: velbrant --export AUSGABE.png DATEI.STR</source>
        <translation>The editor cannot reach the graphical display “%1”. Without a display: velbrant --export OUTPUT.png FILE.STR</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Structorizer-Datei</source>
        <translation>Structorizer file</translation>
    </message>
</context>
<context>
    <name>velbrant::AboutDialog</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Struktogramm-Editor für Linux-Desktops</source>
        <translation>Structogram editor for Linux desktops</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>velbrant::CaseLabelsDialog</name>
    <message>
        <source>Abfrage-Ergebnisse editieren</source>
        <translation>Edit case labels</translation>
    </message>
    <message>
        <source>Else-Zweig</source>
        <translation>Else branch</translation>
    </message>
    <message>
        <source>Fall %1</source>
        <translation>Case %1</translation>
    </message>
</context>
<context>
    <name>velbrant::CodeDock</name>
    <message>
        <source>Programm</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Speichern unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Sprache:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>Programm speichern</source>
        <translation>Save program</translation>
    </message>
    <message>
        <source>%1-Programm (*.%2)</source>
        <translation>%1 program (*.%2)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden: %2</source>
        <translation>%1 could not be saved: %2</translation>
    </message>
</context>
<context>
    <name>velbrant::DefaultLabelsDialog</name>
    <message>
        <source>&amp;Titelpräfix:</source>
        <translation>&amp;Title prefix:</translation>
    </message>
    <message>
        <source>&amp;Kopfgesteuerte Schleife:</source>
        <translation>&amp;Pre-test loop:</translation>
    </message>
    <message>
        <source>F&amp;ußgesteuerte Schleife:</source>
        <translation>P&amp;ost-test loop:</translation>
    </message>
    <message>
        <source>&amp;Zählschleife:</source>
        <translation>&amp;Counting loop:</translation>
    </message>
    <message>
        <source>&amp;Bedingung:</source>
        <translation>Co&amp;ndition:</translation>
    </message>
    <message>
        <source>&amp;Wahr:</source>
        <translation>T&amp;rue:</translation>
    </message>
    <message>
        <source>&amp;Falsch:</source>
        <translation>&amp;False:</translation>
    </message>
    <message>
        <source>&amp;Auswahl:</source>
        <translation>&amp;Selector:</translation>
    </message>
    <message>
        <source>Fall-&amp;Präfix:</source>
        <translation>Case pre&amp;fix:</translation>
    </message>
    <message>
        <source>&amp;Sonst:</source>
        <translation>&amp;Else:</translation>
    </message>
    <message>
        <source> &amp;Ersetze &apos;&lt;-&apos; durch Pfeilsymbol</source>
        <translation> &amp;Replace &apos;&lt;-&apos; by an arrow</translation>
    </message>
    <message>
        <source>Standardbeschriftung der Elemente</source>
        <translation>Default labels of the elements</translation>
    </message>
    <message>
        <source>Textfelder</source>
        <translation>Text fields</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Struktogramm</source>
        <translation>Structogram</translation>
    </message>
    <message>
        <source> Schleifen </source>
        <translation> Loops </translation>
    </message>
    <message>
        <source> Bedingte Anweisung (IF)</source>
        <translation> Conditional statement (IF)</translation>
    </message>
    <message>
        <source> Fallunterscheidung (CASE) </source>
        <translation> Case distinction (CASE) </translation>
    </message>
    <message>
        <source>Der Titelpräfix eines Struktogrammes darf keine Leerzeichen enthalten!</source>
        <translation>The title prefix of a structogram must not contain blanks!</translation>
    </message>
</context>
<context>
    <name>velbrant::DiagramFormatDialog</name>
    <message>
        <source>Struktogramm-Format festlegen</source>
        <translation>Structogram format</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Kommentar</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Sonstiges</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Geben Sie den Titel des Struktogramms an und wählen Sie den Schalter Schriftart, um das Erscheinungsbild festzulegen.</source>
        <translation>Enter the title of the structogram and choose Font to set how it looks.</translation>
    </message>
    <message>
        <source>Sch&amp;riftart</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Struktogrammtitel</source>
        <translation>&amp;Structogram title</translation>
    </message>
    <message>
        <source>Geben Sie den Kommentar zum Struktogramm an und wählen Sie Schriftart, um das Erscheinungsbild festzulegen. Der Text erscheint unterhalb des Titels.</source>
        <translation>Enter the comment on the structogram and choose Font to set how it looks. The text appears below the title.</translation>
    </message>
    <message>
        <source>&amp;Kommentar</source>
        <translation>&amp;Comment</translation>
    </message>
    <message>
        <source>Legen Sie die Position und Größe des Struktogramms auf dem Blatt fest. </source>
        <translation>Set the position and size of the structogram on the sheet. </translation>
    </message>
    <message>
        <source>&amp;horizontal zentriert auf Blatt</source>
        <translation>&amp;horizontally centred on the sheet</translation>
    </message>
    <message>
        <source>&amp;vertikal zentriert auf Blatt</source>
        <translation>&amp;vertically centred on the sheet</translation>
    </message>
    <message>
        <source>Abstand vom &amp;linken Blattrand</source>
        <translation>Distance from the &amp;left edge</translation>
    </message>
    <message>
        <source>Abstand vom o&amp;beren Blattrand</source>
        <translation>Distance from the &amp;top edge</translation>
    </message>
    <message>
        <source>ver&amp;größern/verkleinern</source>
        <translation>&amp;enlarge/reduce</translation>
    </message>
    <message>
        <source>Sonstige Einstellungen für das Erscheinungsbild des Struktogrammes</source>
        <translation>Other settings for how the structogram looks</translation>
    </message>
    <message>
        <source>Dicke des äußeren Rahmens</source>
        <translation>Thickness of the outer frame</translation>
    </message>
    <message>
        <source>Schrift</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>velbrant::DiskChanges</name>
    <message>
        <source>„%1“ wurde von einem anderen Programm geändert. Ihre Änderungen sind noch nicht gespeichert; vor dem Speichern fragt Velbrant, ob die Datei überschrieben werden soll.</source>
        <translation>“%1” was changed by another program. Your changes are not saved yet; before saving, Velbrant asks whether to overwrite the file.</translation>
    </message>
    <message>
        <source>„%1“ wurde von einem anderen Programm geändert. Neu laden?</source>
        <translation>“%1” was changed by another program. Reload it?</translation>
    </message>
    <message>
        <source>„%1“ wurde seit dem Öffnen von einem anderen Programm geändert.</source>
        <translation>“%1” has been changed by another program since it was opened.</translation>
    </message>
    <message>
        <source>&amp;Überschreiben</source>
        <translation>&amp;Overwrite</translation>
    </message>
    <message>
        <source>&amp;Neu laden</source>
        <translation>&amp;Reload</translation>
    </message>
</context>
<context>
    <name>velbrant::DocumentEditor</name>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ausschneiden</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Haltepunkt</source>
        <translation>Breakpoint</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Ersetzen</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Text bearbeitet</source>
        <translation>Text edited</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>velbrant::DocumentWindow</name>
    <message>
        <source>%1 lässt sich nicht speichern: %2</source>
        <translation>%1 cannot be saved: %2</translation>
    </message>
    <message>
        <source>Änderungen in %1 speichern?</source>
        <translation>Save the changes to %1?</translation>
    </message>
</context>
<context>
    <name>velbrant::EditCommands</name>
    <message>
        <source>Der Text der Zwischenablage ist kein Struktogramm: %1</source>
        <translation>The text on the clipboard is no structogram: %1</translation>
    </message>
    <message>
        <source>Die Zwischenablage enthält keinen Text mit Elementen.</source>
        <translation>The clipboard holds no text with elements.</translation>
    </message>
    <message>
        <source>Die Graphik ließ sich nicht kopieren: %1</source>
        <translation>The picture could not be copied: %1</translation>
    </message>
    <message>
        <source>Die Zwischenablage hat die Graphik nicht angenommen.</source>
        <translation>The clipboard did not take the picture.</translation>
    </message>
</context>
<context>
    <name>velbrant::ElementClipboard</name>
    <message>
        <source>Die Zwischenablage enthält keine lesbaren Elemente; es wurde nichts eingefügt.
%1</source>
        <translation>The clipboard holds no readable elements; nothing was pasted.
%1</translation>
    </message>
</context>
<context>
    <name>velbrant::ElementFormatDialog</name>
    <message>
        <source>&amp;links</source>
        <translation>&amp;left</translation>
    </message>
    <message>
        <source>&amp;zentriert</source>
        <translation>&amp;centred</translation>
    </message>
    <message>
        <source>&amp;rechts</source>
        <translation>&amp;right</translation>
    </message>
    <message>
        <source>o&amp;ben</source>
        <translation>&amp;top</translation>
    </message>
    <message>
        <source>z&amp;entriert</source>
        <translation>c&amp;entred</translation>
    </message>
    <message>
        <source>&amp;unten</source>
        <translation>&amp;bottom</translation>
    </message>
    <message>
        <source>Blöcke formatieren</source>
        <translation>Format blocks</translation>
    </message>
    <message>
        <source>Ausrichtung</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;horizontal</source>
        <translation>&amp;horizontal</translation>
    </message>
    <message>
        <source>&amp;vertikal</source>
        <translation>&amp;vertical</translation>
    </message>
    <message>
        <source>Geben Sie die Ausrichtung des Textes innerhalb des Blockes an. Klicken Sie zweimal auf einen Schalter, um die aktuelle Wahl zu löschen.</source>
        <translation>Set how the text is aligned in the block. Click a button twice to clear the current choice.</translation>
    </message>
    <message>
        <source>&amp;Füllfarbe:</source>
        <translation>&amp;Fill colour:</translation>
    </message>
    <message>
        <source>Structorizer-Dateien (.nsd) behalten die Farbe, .STR-Dateien nicht.</source>
        <translation>Structorizer files (.nsd) keep the colour, .STR files do not.</translation>
    </message>
    <message>
        <source>Linienstärke</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>&amp;Umrandung</source>
        <translation>&amp;Border</translation>
    </message>
    <message>
        <source>&amp;Blockinhalt</source>
        <translation>Block &amp;content</translation>
    </message>
    <message>
        <source>Geben Sie die gewünschte Linienstärke für den Rand und Inhalt des Blockes an.</source>
        <translation>Enter the line width for the border and the content of the block.</translation>
    </message>
    <message>
        <source>Sch&amp;riftart</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Größe</source>
        <translation>&amp;Size</translation>
    </message>
    <message>
        <source>&amp;Schriftstil</source>
        <translation>Font &amp;style</translation>
    </message>
    <message>
        <source>&amp;fett</source>
        <translation>&amp;bold</translation>
    </message>
    <message>
        <source>&amp;kursiv</source>
        <translation>&amp;italic</translation>
    </message>
    <message>
        <source>&amp;unterstrichen</source>
        <translation>&amp;underlined</translation>
    </message>
    <message>
        <source>&amp;durchgestrichen</source>
        <translation>&amp;struck out</translation>
    </message>
    <message>
        <source>Aus&amp;wählen</source>
        <translation>C&amp;hoose</translation>
    </message>
    <message>
        <source>Geben Sie die neue Schriftart mit ihrer Größe und ihren Attributen an oder betätigen Sie den Schalter Auswählen.</source>
        <translation>Enter the new font with its size and style, or press Choose.</translation>
    </message>
    <message>
        <source>Schrift</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>velbrant::ElementTextDialog</name>
    <message>
        <source>Ab&amp;fragen</source>
        <translation>Case &amp;labels</translation>
    </message>
    <message>
        <source>Block beschriften</source>
        <translation>Block text</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Sch&amp;rift</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Kommentar:</source>
        <translation>&amp;Comment:</translation>
    </message>
    <message>
        <source>Schrift</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>velbrant::ExportDialog</name>
    <message>
        <source>PNG-Bild</source>
        <translation>PNG picture</translation>
    </message>
    <message>
        <source>SVG-Grafik</source>
        <translation>SVG graphic</translation>
    </message>
    <message>
        <source>PDF-Dokument</source>
        <translation>PDF document</translation>
    </message>
    <message>
        <source>LaTeX (TikZ)</source>
        <translation>LaTeX (TikZ)</translation>
    </message>
    <message>
        <source>Structorizer-Diagramm</source>
        <translation>Structorizer diagram</translation>
    </message>
    <message>
        <source>Struktogramm</source>
        <translation>Structogram</translation>
    </message>
    <message>
        <source>Struktogramm als Text</source>
        <translation>Structogram as text</translation>
    </message>
    <message>
        <source>Python-Programm</source>
        <translation>Python program</translation>
    </message>
    <message>
        <source>Java-Programm</source>
        <translation>Java program</translation>
    </message>
    <message>
        <source>C-Programm</source>
        <translation>C program</translation>
    </message>
    <message>
        <source>Pascal-Programm</source>
        <translation>Pascal program</translation>
    </message>
    <message>
        <source>&amp;Eigener Maßstab</source>
        <translation>&amp;Own scale</translation>
    </message>
    <message>
        <source>&amp;Lösung anhängen</source>
        <translation>Add the &amp;solution</translation>
    </message>
    <message>
        <source>Sch&amp;warzweiß</source>
        <translation>&amp;Black and white</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Kein Arbeitsblatt</source>
        <translation>No worksheet</translation>
    </message>
    <message>
        <source>Markierte Elemente leer</source>
        <translation>Selected elements blank</translation>
    </message>
    <message>
        <source>Anweisungen leer</source>
        <translation>Statements blank</translation>
    </message>
    <message>
        <source>Bedingungen und Schleifenköpfe leer</source>
        <translation>Conditions and loop heads blank</translation>
    </message>
    <message>
        <source>Alle Texte leer</source>
        <translation>All texts blank</translation>
    </message>
    <message>
        <source>&amp;Durchsuchen...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>&amp;Datei:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>A&amp;uflösung (dpi):</source>
        <translation>&amp;Resolution (dpi):</translation>
    </message>
    <message>
        <source>&amp;Arbeitsblatt:</source>
        <translation>&amp;Worksheet:</translation>
    </message>
    <message>
        <source>Die Auflösung</source>
        <translation>The resolution</translation>
    </message>
    <message>
        <source>Der Maßstab</source>
        <translation>The scale</translation>
    </message>
    <message>
        <source>Bitte geben Sie an, wohin exportiert werden soll.</source>
        <translation>Please say where to export to.</translation>
    </message>
</context>
<context>
    <name>velbrant::FileCommands</name>
    <message>
        <source>%1 ist %2. Beim Übernehmen wurde angepasst:

• %3</source>
        <translation>%1 is %2. Adapted on reading:

• %3</translation>
    </message>
    <message>
        <source>ein Structorizer-Diagramm</source>
        <translation>a Structorizer diagram</translation>
    </message>
    <message>
        <source>ein Struktogramm als Text</source>
        <translation>a structogram as text</translation>
    </message>
    <message>
        <source>
• </source>
        <translation>
• </translation>
    </message>
    <message>
        <source>%1 ist geöffnet: das Hauptprogramm und %2 als Struktogramme.

• %3</source>
        <translation>%1 is open: the main program and %2 as structograms.

• %3</translation>
    </message>
    <message>
        <source>1 Funktion</source>
        <translation>1 function</translation>
    </message>
    <message>
        <source>%1 Funktionen</source>
        <translation>%1 functions</translation>
    </message>
    <message>
        <source>Das Format von „%1“ kann nicht alles halten, was das Struktogramm hat. Verloren gehen:%2

Trotzdem speichern?</source>
        <translation>The format of “%1” cannot hold everything the structogram has. Lost would be:%2

Save anyway?</translation>
    </message>
    <message>
        <source>Als .&amp;nsd speichern</source>
        <translation>Save as .&amp;nsd</translation>
    </message>
    <message>
        <source>Der Text in der Text-Ansicht lässt sich nicht lesen (%1).</source>
        <translation>The text in the text view cannot be read (%1).</translation>
    </message>
    <message>
        <source>&amp;Zurück zum Text</source>
        <translation>&amp;Back to the text</translation>
    </message>
    <message>
        <source>&amp;Ohne diese Änderung speichern</source>
        <translation>&amp;Save without this change</translation>
    </message>
    <message>
        <source>Exportiere %1 ...</source>
        <translation>Exporting %1 ...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Export ist fehlgeschlagen: %1</source>
        <translation>The export failed: %1</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 gibt es nicht mehr; die Datei wurde aus der Liste entfernt.</source>
        <translation>%1 no longer exists; the file was taken off the list.</translation>
    </message>
</context>
<context>
    <name>velbrant::FindCommands</name>
    <message>
        <source>&amp;Suchen...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>&amp;Rückwärts suchen</source>
        <translation>Find &amp;previous</translation>
    </message>
    <message>
        <source>&amp;Ersetzen...</source>
        <translation>&amp;Replace...</translation>
    </message>
    <message>
        <source>Nicht gefunden.</source>
        <translation>Not found.</translation>
    </message>
    <message>
        <source>1 Stelle gefunden.</source>
        <translation>1 place found.</translation>
    </message>
    <message>
        <source>%1 Stellen gefunden.</source>
        <translation>%1 places found.</translation>
    </message>
    <message>
        <source>Stelle %1 von %2.</source>
        <translation>Place %1 of %2.</translation>
    </message>
    <message>
        <source>Nichts ersetzt. In %1: %2</source>
        <translation>Nothing replaced. In %1: %2</translation>
    </message>
    <message>
        <source>1 Stelle ersetzt.</source>
        <translation>1 place replaced.</translation>
    </message>
    <message>
        <source>%1 Stellen ersetzt.</source>
        <translation>%1 places replaced.</translation>
    </message>
</context>
<context>
    <name>velbrant::FindDialog</name>
    <message>
        <source>Ersetzen &amp;durch:</source>
        <translation>Replace &amp;with:</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Suchen nach:</source>
        <translation>&amp;Find what:</translation>
    </message>
    <message>
        <source>&amp;Groß-/Kleinschreibung</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>Ganzes &amp;Wort</source>
        <translation>Whole &amp;word</translation>
    </message>
    <message>
        <source>Re&amp;gulärer Ausdruck</source>
        <translation>Re&amp;gular expression</translation>
    </message>
    <message>
        <source>auch in &amp;Kommentaren</source>
        <translation>also in &amp;comments</translation>
    </message>
    <message>
        <source>auch in &amp;Fallbeschriftungen</source>
        <translation>also in case &amp;labels</translation>
    </message>
    <message>
        <source>auch im &amp;Titel</source>
        <translation>also in the &amp;title</translation>
    </message>
    <message>
        <source>&amp;aktives Struktogramm</source>
        <translation>&amp;active structogram</translation>
    </message>
    <message>
        <source>&amp;alle offenen Struktogramme</source>
        <translation>&amp;all open structograms</translation>
    </message>
    <message>
        <source>&amp;Weitersuchen</source>
        <translation>Find &amp;next</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Ersetzen</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>A&amp;lle ersetzen</source>
        <translation>Replace a&amp;ll</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ersetzen</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
</context>
<context>
    <name>velbrant::HelpWindow</name>
    <message>
        <source>Velbrant – Hilfe</source>
        <translation>Velbrant – Help</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Vor</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Suchen:</source>
        <translation>&amp;Search:</translation>
    </message>
</context>
<context>
    <name>velbrant::IoDock</name>
    <message>
        <source>Eingabe im &amp;Dialog</source>
        <translation>Input in a &amp;dialog</translation>
    </message>
    <message>
        <source>Eingabe, mehrere Werte durch Leerzeichen getrennt</source>
        <translation>Input, several values separated by blanks</translation>
    </message>
    <message>
        <source>Tempo: Schritt für Schritt</source>
        <translation>Speed: step by step</translation>
    </message>
    <message>
        <source>so schnell wie möglich</source>
        <translation>as fast as possible</translation>
    </message>
    <message>
        <source>Das Programm wartet auf eine Eingabe</source>
        <translation>The program waits for input</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>
(mehrere Werte durch Leerzeichen getrennt)</source>
        <translation>
(several values separated by blanks)</translation>
    </message>
    <message>
        <source>Ein-/Ausgabe</source>
        <translation>Input/Output</translation>
    </message>
</context>
<context>
    <name>velbrant::MainWindow</name>
    <message>
        <source>&amp;Einfügemodus verlassen</source>
        <translation>&amp;Leave paste mode</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Velbrant spricht die gewählte Sprache ab dem nächsten Start.</source>
        <translation>Velbrant speaks the chosen language from its next start.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>%1 (Stand %2)</source>
        <translation>%1 (as of %2)</translation>
    </message>
    <message>
        <source>%1 (Stand %2) in %3</source>
        <translation>%1 (as of %2) in %3</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Eine neue Datei erzeugen</source>
        <translation>Create a new file</translation>
    </message>
    <message>
        <source>&amp;Öffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Eine bestehende Datei öffnen</source>
        <translation>Open an existing file</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Aktuelle Datei speichern</source>
        <translation>Save the current file</translation>
    </message>
    <message>
        <source>Speichern &amp;Unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Aktuelle Datei unter neuem Namen speichern</source>
        <translation>Save the current file under a new name</translation>
    </message>
    <message>
        <source>S&amp;chließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Exportieren...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>Aktuelle Datei als Bild (PNG, SVG, PDF) oder für Structorizer exportieren</source>
        <translation>Export the current file as a picture (PNG, SVG, PDF) or for Structorizer</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Aktuelle Datei drucken</source>
        <translation>Print the current file</translation>
    </message>
    <message>
        <source>Seitenan&amp;sicht...</source>
        <translation>Print pre&amp;view...</translation>
    </message>
    <message>
        <source>Die Druckseiten der aktuellen Datei ansehen</source>
        <translation>Look at the printed pages of the current file</translation>
    </message>
    <message>
        <source>Drucker&amp;einrichtung...</source>
        <translation>Printer &amp;setup...</translation>
    </message>
    <message>
        <source>Druckereinrichtung ändern</source>
        <translation>Change the printer setup</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Diese Anwendung beenden</source>
        <translation>Quit this application</translation>
    </message>
    <message>
        <source>&amp;Struktogramm...</source>
        <translation>&amp;Structogram...</translation>
    </message>
    <message>
        <source>Format des komplette Struktogramms festlegen</source>
        <translation>Set the format of the whole structogram</translation>
    </message>
    <message>
        <source>&amp;Block...</source>
        <translation>&amp;Block...</translation>
    </message>
    <message>
        <source>Format des ausgewählten Blockes festlegen</source>
        <translation>Set the format of the selected block</translation>
    </message>
    <message>
        <source>&amp;Standardbeschriftung...</source>
        <translation>&amp;Default labels...</translation>
    </message>
    <message>
        <source>&amp;Nebeneinander</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>Alle Fenster nebeneinander anordnen</source>
        <translation>Arrange all windows side by side</translation>
    </message>
    <message>
        <source>&amp;Übereinander</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Alle Fenster übereinander anordnen</source>
        <translation>Arrange all windows on top of each other</translation>
    </message>
    <message>
        <source>&amp;Symbole anordnen</source>
        <translation>Arrange &amp;icons</translation>
    </message>
    <message>
        <source>Alle Symbole anordnen</source>
        <translation>Arrange all icons</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Inhaltsübersicht der Hilfe anzeigen</source>
        <translation>Show the contents of the help</translation>
    </message>
    <message>
        <source>&amp;Suchen...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>Hilfe zu einem Thema suchen</source>
        <translation>Search the help for a topic</translation>
    </message>
    <message>
        <source>&amp;Hilfe benutzen</source>
        <translation>&amp;Using help</translation>
    </message>
    <message>
        <source>Hilfe zur Benutzung des Hilfesystems</source>
        <translation>How to use the help</translation>
    </message>
    <message>
        <source>Inf&amp;o...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Programminformationen anzeigen</source>
        <translation>Show information about the program</translation>
    </message>
    <message>
        <source>Die letzte Aktion rückgängig machen</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>Die rückgängig gemachte Aktion wiederherstellen</source>
        <translation>Redo the action undone</translation>
    </message>
    <message>
        <source>&amp;Ausschneiden</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Markiertes Element löschen</source>
        <translation>Cut the selected element</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Markiertes Element in Zwischenablage kopieren</source>
        <translation>Copy the selected element to the clipboard</translation>
    </message>
    <message>
        <source>Inhalt der Zwischenablage einfügen</source>
        <translation>Paste the contents of the clipboard</translation>
    </message>
    <message>
        <source>Als &amp;Elemente einfügen</source>
        <translation>Paste as &amp;elements</translation>
    </message>
    <message>
        <source>Text der Zwischenablage als Struktogramm-Elemente einfügen</source>
        <translation>Paste the text on the clipboard as structogram elements</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Aktuelle Markierung löschen</source>
        <translation>Delete the current selection</translation>
    </message>
    <message>
        <source>Alles a&amp;uswählen</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>Alle Elemente des Struktogramms markieren</source>
        <translation>Select all elements of the structogram</translation>
    </message>
    <message>
        <source>&amp;Graphik kopieren</source>
        <translation>Copy &amp;picture</translation>
    </message>
    <message>
        <source>Ver&amp;größern</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Die Ansicht vergrößern</source>
        <translation>Enlarge the view</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>Die Ansicht verkleinern</source>
        <translation>Reduce the view</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Die Ansicht in Originalgröße</source>
        <translation>The view at its original size</translation>
    </message>
    <message>
        <source>&amp;Ganzes Struktogramm</source>
        <translation>&amp;Whole structogram</translation>
    </message>
    <message>
        <source>Das ganze Struktogramm ins Fenster einpassen</source>
        <translation>Fit the whole structogram into the window</translation>
    </message>
    <message>
        <source>Ko&amp;mmentare zeigen</source>
        <translation>Show co&amp;mments</translation>
    </message>
    <message>
        <source>Die Kommentare der Blöcke neben dem Struktogramm zeigen</source>
        <translation>Show the comments of the blocks beside the structogram</translation>
    </message>
    <message>
        <source>&amp;Code anzeigen...</source>
        <translation>Show &amp;code...</translation>
    </message>
    <message>
        <source>Das Programm zum Diagramm zeigen</source>
        <translation>Show the program of the diagram</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnete Dateien</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Werkzeug</source>
        <translation>&amp;Tool</translation>
    </message>
    <message>
        <source>Forma&amp;t</source>
        <translation>Forma&amp;t</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Text-Ansicht</source>
        <translation>&amp;Text view</translation>
    </message>
    <message>
        <source>Das Struktogramm als Text daneben zeigen</source>
        <translation>Show the structogram as text beside it</translation>
    </message>
    <message>
        <source>&amp;Fenster</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ausschneiden</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Nebeneinander</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Überlappend</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Anordnen</source>
        <translation>Arrange</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Hilfeinhalt</source>
        <translation>Help contents</translation>
    </message>
</context>
<context>
    <name>velbrant::NewCaseDialog</name>
    <message>
        <source>mit Else-Zweig</source>
        <translation>with an else branch</translation>
    </message>
    <message>
        <source>Case-Block erzeugen</source>
        <translation>Create a case block</translation>
    </message>
    <message>
        <source>Anzahl der Verzweigungen
(einschließlich Else-Zweig)</source>
        <translation>Number of branches
(including the else branch)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Die Anzahl der Verzweigungen</source>
        <translation>The number of branches</translation>
    </message>
    <message>
        <source>Eine Case-Anweisung muß mindestens
2 Fälle behandeln !</source>
        <translation>A case statement must handle
at least 2 cases!</translation>
    </message>
</context>
<context>
    <name>velbrant::PrintCommands</name>
    <message>
        <source>&amp;Seiten:</source>
        <translation>&amp;Pages:</translation>
    </message>
    <message>
        <source>Wie auf dem Blatt (eine Seite)</source>
        <translation>As on the sheet (one page)</translation>
    </message>
    <message>
        <source>Auf Seite einpassen</source>
        <translation>Fit to the page</translation>
    </message>
    <message>
        <source>Auf mehrere Seiten verteilen</source>
        <translation>Spread over several pages</translation>
    </message>
    <message>
        <source>Kein Arbeitsblatt</source>
        <translation>No worksheet</translation>
    </message>
    <message>
        <source>Arbeitsblatt: markierte Elemente leer</source>
        <translation>Worksheet: selected elements blank</translation>
    </message>
    <message>
        <source>Arbeitsblatt: Anweisungen leer</source>
        <translation>Worksheet: statements blank</translation>
    </message>
    <message>
        <source>Arbeitsblatt: Bedingungen und Schleifenköpfe leer</source>
        <translation>Worksheet: conditions and loop heads blank</translation>
    </message>
    <message>
        <source>Arbeitsblatt: alle Texte leer</source>
        <translation>Worksheet: all texts blank</translation>
    </message>
    <message>
        <source>Welche Texte das Arbeitsblatt leer lässt</source>
        <translation>Which texts the worksheet leaves blank</translation>
    </message>
    <message>
        <source>&amp;Lösung anhängen</source>
        <translation>Add the &amp;solution</translation>
    </message>
    <message>
        <source>Sch&amp;warzweiß</source>
        <translation>&amp;Black and white</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Das Struktogramm ist größer als die Seite. Wie soll es gedruckt werden?</source>
        <translation>The structogram is larger than the page. How shall it be printed?</translation>
    </message>
    <message>
        <source>Auf Seite &amp;einpassen</source>
        <translation>&amp;Fit to the page</translation>
    </message>
    <message>
        <source>Auf &amp;mehrere Seiten verteilen</source>
        <translation>Spread over &amp;several pages</translation>
    </message>
    <message>
        <source>Seite &amp;so drucken</source>
        <translation>Print the page &amp;as it is</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen: %1 lässt sich nicht schreiben.</source>
        <translation>Printing failed: %1 cannot be written.</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen: der Drucker „%1“ nimmt keinen Auftrag an.</source>
        <translation>Printing failed: the printer “%1” takes no job.</translation>
    </message>
    <message>
        <source>Der Druck ist fehlgeschlagen: der Drucker oder die Warteschlange meldet einen Fehler.</source>
        <translation>Printing failed: the printer or its queue reports an error.</translation>
    </message>
    <message>
        <source>&amp;Kommentare drucken</source>
        <translation>Print &amp;comments</translation>
    </message>
    <message>
        <source>Die Kommentare der Elemente als Notizen rechts neben dem Rahmen</source>
        <translation>The elements&apos; comments as notes right of the frame</translation>
    </message>
</context>
<context>
    <name>velbrant::PrintProgressDialog</name>
    <message>
        <source>Drucke...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>Drucke </source>
        <translation>Printing </translation>
    </message>
    <message>
        <source>auf </source>
        <translation>on </translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velbrant::RecoveryDialog</name>
    <message>
        <source>Dokumente wiederherstellen</source>
        <translation>Restore documents</translation>
    </message>
    <message>
        <source>Velbrant wurde beendet, ohne diese Dokumente zu speichern. Angekreuzte werden wiederhergestellt, die anderen verworfen.</source>
        <translation>Velbrant ended without saving these documents. Those ticked are restored, the others dropped.</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Später</source>
        <translation>&amp;Later</translation>
    </message>
</context>
<context>
    <name>velbrant::RunCommands</name>
    <message>
        <source>&amp;Start/Weiter</source>
        <translation>&amp;Start/Continue</translation>
    </message>
    <message>
        <source>&amp;Einzelschritt</source>
        <translation>Step &amp;over</translation>
    </message>
    <message>
        <source>&amp;Hineinspringen</source>
        <translation>Step &amp;into</translation>
    </message>
    <message>
        <source>&amp;Anhalten</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Haltepunkt</source>
        <translation>&amp;Breakpoint</translation>
    </message>
    <message>
        <source>&amp;Ausführen</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>Ausführung gestartet</source>
        <translation>Run started</translation>
    </message>
    <message>
        <source>Fehler: </source>
        <translation>Error: </translation>
    </message>
    <message>
        <source>Ausführung beendet</source>
        <translation>Run ended</translation>
    </message>
    <message>
        <source>Ausführung abgebrochen: </source>
        <translation>Run stopped: </translation>
    </message>
    <message>
        <source>Ausführung beendet: das Struktogramm wurde geändert</source>
        <translation>Run ended: the structogram was changed</translation>
    </message>
</context>
<context>
    <name>velbrant::SpeedBar</name>
    <message>
        <source>Symbolleiste</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>velbrant::StatusLine</name>
    <message>
        <source>Einfügemodus: Klicken Sie, wohin die Elemente kommen sollen (linke Taste: dahinter, rechte: davor). Esc beendet den Einfügemodus.</source>
        <translation>Paste mode: click where the elements shall go (left button: after, right: before). Esc ends paste mode.</translation>
    </message>
</context>
<context>
    <name>velbrant::TextDock</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>velbrant::ToolPalette</name>
    <message>
        <source>Auswählen</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>Enter text</translation>
    </message>
    <message>
        <source>Anweisung</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Bedingte Anweisung</source>
        <translation>Conditional statement</translation>
    </message>
    <message>
        <source>Kopfgesteuerte Schleife</source>
        <translation>Pre-test loop</translation>
    </message>
    <message>
        <source>Fußgesteuerte Schleife</source>
        <translation>Post-test loop</translation>
    </message>
    <message>
        <source>Zählschleife</source>
        <translation>Counting loop</translation>
    </message>
    <message>
        <source>Fallunterscheidung</source>
        <translation>Case distinction</translation>
    </message>
    <message>
        <source>Aufruf</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Aussprung</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
</context>
<context>
    <name>velbrant::TraceDock</name>
    <message>
        <source>Schreibtischtest</source>
        <translation>Trace table</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Arbeitsblatt kopieren</source>
        <translation>Copy as &amp;worksheet</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&lt;h2 style=&quot;page-break-before: always&quot;&gt;Lösung&lt;/h2&gt;</source>
        <translation>&lt;h2 style=&quot;page-break-before: always&quot;&gt;Solution&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Schreibtischtest speichern</source>
        <translation>Save the trace table</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv);;LaTeX-Tabellen (*.tex)</source>
        <translation>CSV files (*.csv);;LaTeX tables (*.tex)</translation>
    </message>
    <message>
        <source>„%1“ lässt sich nicht schreiben: %2</source>
        <translation>“%1” cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>velbrant::VariablesDock</name>
    <message>
        <source>Variablen</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Variablen: </source>
        <translation>Variables: </translation>
    </message>
    <message>
        <source> → </source>
        <translation> → </translation>
    </message>
</context>
<context>
    <name>velbrant::command_line</name>
    <message>
        <source>ein Editor für Struktogramme (Nassi-Shneiderman-Diagramme)</source>
        <translation>an editor for structograms (Nassi-Shneiderman diagrams)</translation>
    </message>
    <message>
        <source>AUSGABE</source>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>Exportiert das Struktogramm ohne Fenster nach AUSGABE; die Endung wählt das Format: .png, .svg, .pdf, .tex (LaTeX mit TikZ), .nsd (Structorizer), .STR, .txt (als Text) oder ein Programm: .py, .java, .c, .pas. AUSGABE -.svg (jedes Format) schreibt auf die Standardausgabe, die Eingabe - liest die Text-Schreibweise von der Standardeingabe.</source>
        <translation>Exports the structogram to OUTPUT without a window; the extension chooses the format: .png, .svg, .pdf, .tex (LaTeX with TikZ), .nsd (Structorizer), .STR, .txt (as text) or a program: .py, .java, .c, .pas. OUTPUT -.svg (any format) writes to standard output, the input - reads the text notation from standard input.</translation>
    </message>
    <message>
        <source>PROZENT</source>
        <translation>PERCENT</translation>
    </message>
    <message>
        <source>Maßstab des Exports in Prozent (5 bis 400).</source>
        <translation>Scale of the export in percent (5 to 400).</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Auflösung eines PNG-Exports (Standard 300).</source>
        <translation>Resolution of a PNG export (default 300).</translation>
    </message>
    <message>
        <source>LÜCKEN</source>
        <translation>BLANKS</translation>
    </message>
    <message>
        <source>Exportiert ein Arbeitsblatt (PDF, PNG, SVG): die Texte der Anweisungen (anweisungen), der Bedingungen und Schleifenköpfe (bedingungen) oder aller Elemente (alles) bleiben leer, die Kästen stehen.</source>
        <translation>Exports a worksheet (PDF, PNG, SVG): the texts of the statements (anweisungen), of the conditions and loop heads (bedingungen) or of all elements (alles) stay blank, the boxes stay.</translation>
    </message>
    <message>
        <source>Hängt beim Arbeitsblatt die Lösung an: als zweite Seite eines PDF, bei PNG und SVG als zweite Datei NAME-loesung.</source>
        <translation>Adds the solution to a worksheet: as the second page of a PDF, for PNG and SVG as a second file NAME-loesung.</translation>
    </message>
    <message>
        <source>Schwarzweiß für den Kopierer: weiße Kästen, eine Lösung fett statt farbig.</source>
        <translation>Black and white for the copier: white boxes, a solution in bold instead of colour.</translation>
    </message>
    <message>
        <source>Schreibt bei .tex ein ganzes Dokument, das pdflatex so übersetzt, statt eines Bildes zum Einbinden.</source>
        <translation>For .tex, writes a whole document that pdflatex sets as it is, instead of a picture to include.</translation>
    </message>
    <message>
        <source>Führt das Struktogramm ohne Fenster aus: Eingaben von der Standardeingabe, Ausgaben auf die Standardausgabe.</source>
        <translation>Runs the structogram without a window: input from standard input, output to standard output.</translation>
    </message>
    <message>
        <source>Hält eine Ausführung nach N Schritten an (Rückgabewert 3).</source>
        <translation>Stops a run after N steps (exit status 3).</translation>
    </message>
    <message>
        <source>SPUR.csv</source>
        <translation>TRACE.csv</translation>
    </message>
    <message>
        <source>Schreibt bei --run den Schreibtischtest als CSV-Datei: eine Zeile je Schritt, eine Spalte je Variable.</source>
        <translation>With --run, writes the trace table as a CSV file: a row per step, a column per variable.</translation>
    </message>
    <message>
        <source>dateien</source>
        <translation>files</translation>
    </message>
    <message>
        <source>Struktogramm-Dateien (.STR, .nsd, .txt) oder Programme (.py, .java, .c).</source>
        <translation>Structogram files (.STR, .nsd, .txt) or programs (.py, .java, .c).</translation>
    </message>
    <message>
        <source>[DATEI.STR ...]</source>
        <translation>[FILE.STR ...]</translation>
    </message>
    <message>
        <source>Zeigt Hilfe zu den Kommandozeilenoptionen an.</source>
        <translation>Displays help on commandline options.</translation>
    </message>
    <message>
        <source>Zeigt Versionsinformation an.</source>
        <translation>Displays version information.</translation>
    </message>
    <message>
        <source>BESCHREIBUNG</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Velbrant baut den Ablauf eines Programms aus geschachtelten Blöcken auf: Anweisungen, Bedingungen, Schleifen, Fallunterscheidungen, Aufrufe und Aussprünge. Struktogramme erhalten einen Titel und Kommentarzeilen, werden formatiert, gedruckt, als Bild, Text oder Programm exportiert und in .STR-Dateien gespeichert; Structorizer-Dateien (.nsd) werden ohne Verlust gelesen und geschrieben. Programme in Python, Java und C (.py, .java, .c) öffnen als Struktogramme: das Hauptprogramm und eines je Funktion.</source>
        <translation>Velbrant builds the control flow of a program from nested blocks: statements, conditions, loops, cases, calls and exits. Structograms get a title and comment lines, are formatted, printed, exported as a picture, text or program and saved in .STR files; Structorizer files (.nsd) are read and written without loss. Programs in Python, Java and C (.py, .java, .c) open as structograms: the main program and one per function.</translation>
    </message>
    <message>
        <source>Ohne --export öffnet Velbrant den Editor mit den genannten Dateien; er braucht eine grafische Anzeige (X11 oder Wayland).</source>
        <translation>Without --export, Velbrant opens the editor with the files named; it needs a graphical display (X11 or Wayland).</translation>
    </message>
    <message>
        <source>Mit --export schreibt Velbrant die eine genannte Datei ohne Fenster und ohne Anzeige im Format, das die Endung von AUSGABE wählt. Ein Bild zeigt Rahmen, Titel, Kommentar und Struktogramm im Maßstab des Dokuments oder von --scale. Ein Programm enthält die Unterprogramme, die Struktogramme im selben Ordner festlegen; Zeilen, die sich nicht übersetzen lassen, stehen als Kommentar darin, und wo das Programm sie bräuchte, hält es dort mit Rückgabewert 3 an. Ihre Zahl geht auf die Standardfehlerausgabe. Aus einem Programm in Python, Java oder C wird ein Programm mit allen seinen Funktionen oder, in ein anderes Format, das Hauptprogramm und daneben je Funktion eine Datei mit ihrem Namen.</source>
        <translation>With --export, Velbrant writes the one file named without a window and without a display, in the format the extension of OUTPUT chooses. A picture shows frame, title, comment and structogram at the document&apos;s scale or that of --scale. A program holds the routines that structograms in the same folder define; lines that cannot be translated stand in it as comments, and where the program would need them it stops there with exit status 3. Their number goes to standard error. A program in Python, Java or C becomes a program with all its functions or, in another format, the main program and beside it a file per function, named after it.</translation>
    </message>
    <message>
        <source>Mit --run führt Velbrant das eine genannte Struktogramm aus, mit den Unterprogrammen aus demselben Ordner. Ein Fehler zur Laufzeit (Division durch null, ein Index außerhalb des Feldes, eine nicht übersetzte Zeile) hält die Ausführung an; die Meldung und der Text des Elements gehen auf die Standardfehlerausgabe, der Rückgabewert ist 3.</source>
        <translation>With --run, Velbrant runs the one structogram named, with the routines from the same folder. An error at run time (division by zero, an index outside the array, a line not translated) stops the run; the message and the text of the element go to standard error, and the exit status is 3.</translation>
    </message>
    <message>
        <source>RÜCKGABEWERT</source>
        <translation>EXIT STATUS</translation>
    </message>
    <message>
        <source>0, wenn der Editor regulär endet, der Export geschrieben wurde oder die Ausführung endet; 1 bei einem Fehler, 3 bei einem Fehler zur Laufzeit. Fehler stehen in einer Zeile auf der Standardfehlerausgabe; ein fehlgeschlagener Export schreibt nichts und lässt eine vorhandene Datei unverändert.</source>
        <translation>0 when the editor ends normally, the export was written or the run ends; 1 on an error, 3 on an error at run time. Errors stand in one line on standard error; a failed export writes nothing and leaves an existing file unchanged.</translation>
    </message>
    <message>
        <source>UMGEBUNG</source>
        <translation>ENVIRONMENT</translation>
    </message>
    <message>
        <source>LANGUAGE, LANG: beginnt die erste Angabe von LANGUAGE oder sonst LANG mit en, spricht Velbrant Englisch (Editor, Meldungen, Hilfe und erzeugte Programme), sonst Deutsch; eine Sprache, die unter „Ansicht / Sprache“ gewählt ist, geht vor.</source>
        <translation>LANGUAGE, LANG: when the first entry of LANGUAGE, or else LANG, begins with en, Velbrant speaks English (editor, messages, help and generated programs), otherwise German; a language chosen under “View / Language” comes first.</translation>
    </message>
    <message>
        <source>DATEIEN</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>~/.config/velbrant/velbrant.def: die Standardbeschriftung und die zuletzt geöffneten Dateien (eine INI-Datei in Windows-1252); liegt eine velbrant.def neben dem Programm, gilt diese.</source>
        <translation>~/.config/velbrant/velbrant.def: the default labels and the recently opened files (an INI file in Windows-1252); when a velbrant.def lies beside the program, that one counts.</translation>
    </message>
    <message>
        <source>BEISPIELE</source>
        <translation>EXAMPLES</translation>
    </message>
    <message>
        <source>velbrant suche.STR</source>
        <translation>velbrant search.STR</translation>
    </message>
    <message>
        <source>velbrant --export suche.png --dpi 150 suche.STR</source>
        <translation>velbrant --export search.png --dpi 150 search.STR</translation>
    </message>
    <message>
        <source>velbrant --export suche.py suche.STR</source>
        <translation>velbrant --export search.py search.STR</translation>
    </message>
    <message>
        <source>velbrant --run suche.STR &lt; eingabe.txt</source>
        <translation>velbrant --run search.STR &lt; input.txt</translation>
    </message>
    <message>
        <source>AUTOREN</source>
        <translation>AUTHORS</translation>
    </message>
    <message>
        <source>Das Velbrant-Team &lt;team@velbrant.de&gt;, https://velbrant.de</source>
        <translation>The Velbrant team &lt;team@velbrant.de&gt;, https://velbrant.de</translation>
    </message>
</context>
<context>
    <name>velbrant::manpage</name>
    <message>
        <source>OPTIONEN</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>ÜBERSICHT</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Benutzerbefehle</source>
        <translation>User Commands</translation>
    </message>
</context>
</TS>
