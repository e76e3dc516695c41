#include "model/code/text_helpers.h"

#include "model/files/windows1252.h"

#include <initializer_list>

namespace velbrant::code {

namespace {

struct Needs {
    bool letters = false;
    bool decode = false;
    bool encode = false;
    bool step = false;
};

bool uses(const std::set<Builtin>& used, std::initializer_list<Builtin> any) {
    for (const Builtin builtin : any) {
        if (used.count(builtin) != 0)
            return true;
    }
    return false;
}

Needs needsOf(const std::set<Builtin>& used) {
    Needs needs;
    needs.letters = uses(used, {Builtin::Uppercase, Builtin::Lowercase});
    needs.decode = needs.letters || uses(used, {Builtin::Ord});
    needs.encode = needs.letters || uses(used, {Builtin::Chr});
    needs.step = uses(used, {Builtin::Pos, Builtin::Copy});
    return needs;
}

// The small or the capital letters as one UTF-8 text.
std::string letterText(bool capital) {
    std::string text;
    for (const LetterCase& letter : caseLetters())
        appendUtf8(text, capital ? letter.capital : letter.small);
    return text;
}

// The small or the capital letters' code points: "97, 98, ...".
std::string letterCodes(bool capital) {
    std::string text;
    for (const LetterCase& letter : caseLetters())
        text +=
            (text.empty() ? "" : ", ") + std::to_string(capital ? letter.capital : letter.small);
    return text;
}

using Lines = std::vector<std::string>;

void add(Lines& lines, std::initializer_list<const char*> more) {
    lines.emplace_back();
    for (const char* line : more)
        lines.emplace_back(line);
}

} // namespace

std::vector<std::string> pythonTextHelpers(const std::set<Builtin>& used) {
    Lines lines;
    if (needsOf(used).letters) {
        lines.emplace_back();
        lines.push_back("KLEINBUCHSTABEN_ = \"" + letterText(false) + "\"");
        lines.push_back("GROSSBUCHSTABEN_ = \"" + letterText(true) + "\"");
    }
    if (uses(used, {Builtin::Uppercase}))
        add(lines,
            {"", "def gross_(text):",
             "    return text.translate(str.maketrans(KLEINBUCHSTABEN_, GROSSBUCHSTABEN_))"});
    if (uses(used, {Builtin::Lowercase}))
        add(lines,
            {"", "def klein_(text):",
             "    return text.translate(str.maketrans(GROSSBUCHSTABEN_, KLEINBUCHSTABEN_))"});
    if (uses(used, {Builtin::Trim}))
        add(lines, {"", "def trimmen_(text):", "    return text.strip(\" \\t\")"});
    if (uses(used, {Builtin::Ord}))
        add(lines, {"", "def ordnung_(text):", "    return ord(text[0]) if text else 0"});
    if (uses(used, {Builtin::Chr}))
        add(lines, {"", "def zeichen_(code):",
                    "    if code <= 0 or code >= 0x110000 or 0xD800 <= code <= 0xDFFF:",
                    "        return \"\"", "    return chr(code)"});
    if (uses(used, {Builtin::Pos}))
        add(lines, {"", "def position_(teil, text):", "    return text.find(teil) + 1"});
    if (uses(used, {Builtin::Copy}))
        add(lines,
            {"", "def teil_(text, anfang, anzahl):", "    von = min(max(anfang, 1) - 1, len(text))",
             "    return text[von:von + max(anzahl, 0)]"});
    return lines;
}

std::vector<std::string> javaTextHelpers(const std::set<Builtin>& used) {
    Lines lines;
    if (needsOf(used).letters) {
        lines.emplace_back();
        lines.push_back("static final String KLEINBUCHSTABEN_ = \"" + letterText(false) + "\";");
        lines.push_back("static final String GROSSBUCHSTABEN_ = \"" + letterText(true) + "\";");
        add(lines, {"static String umsetzen_(String text, String von, String nach) {",
                    "    StringBuilder neu = new StringBuilder();",
                    "    for (char zeichen : text.toCharArray()) {",
                    "        int stelle = von.indexOf(zeichen);",
                    "        neu.append(stelle >= 0 ? nach.charAt(stelle) : zeichen);", "    }",
                    "    return neu.toString();", "}"});
    }
    if (uses(used, {Builtin::Uppercase}))
        add(lines, {"static String gross_(String text) {",
                    "    return umsetzen_(text, KLEINBUCHSTABEN_, GROSSBUCHSTABEN_);", "}"});
    if (uses(used, {Builtin::Lowercase}))
        add(lines, {"static String klein_(String text) {",
                    "    return umsetzen_(text, GROSSBUCHSTABEN_, KLEINBUCHSTABEN_);", "}"});
    if (uses(used, {Builtin::Trim}))
        add(lines, {"static String trimmen_(String text) {",
                    "    return text.replaceAll(\"^[ \\\\t]+|[ \\\\t]+$\", \"\");", "}"});
    if (uses(used, {Builtin::Ord}))
        add(lines, {"static int ordnung_(String text) {",
                    "    return text.isEmpty() ? 0 : text.codePointAt(0);", "}"});
    if (uses(used, {Builtin::Chr}))
        add(lines,
            {"static String zeichen_(int code) {",
             "    if (code <= 0 || code >= 0x110000 || (code >= 0xD800 && code <= 0xDFFF))",
             "        return \"\";", "    return new String(Character.toChars(code));", "}"});
    if (uses(used, {Builtin::Pos}))
        add(lines, {"static int position_(String teil, String text) {",
                    "    int stelle = text.indexOf(teil);",
                    "    return stelle < 0 ? 0 : text.codePointCount(0, stelle) + 1;", "}"});
    if (uses(used, {Builtin::Copy}))
        add(lines, {"static String teil_(String text, int anfang, int anzahl) {",
                    "    int laenge = text.codePointCount(0, text.length());",
                    "    int von = Math.min(Math.max(anfang, 1) - 1, laenge);",
                    "    int bis = (int) Math.min((long) von + Math.max(anzahl, 0), laenge);",
                    "    return text.substring(text.offsetByCodePoints(0, von), "
                    "text.offsetByCodePoints(0, bis));",
                    "}"});
    return lines;
}

std::vector<std::string> cTextHelpers(const std::set<Builtin>& used) {
    const Needs needs = needsOf(used);
    Lines lines;
    if (needs.decode)
        add(lines,
            {"static int zeichen_lesen_(const char** text) {",
             "    const unsigned char* s = (const unsigned char*) *text;", "    int code = *s++;",
             "    int folgende = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : code >= 0xC0 ? 1 : 0;",
             "    code &= folgende == 3 ? 0x07 : folgende == 2 ? 0x0F : folgende == 1 ? 0x1F : "
             "0xFF;",
             "    for (; folgende > 0 && (*s & 0xC0) == 0x80; --folgende)",
             "        code = (code << 6) | (*s++ & 0x3F);", "    *text = (const char*) s;",
             "    return code;", "}"});
    if (needs.encode)
        add(lines,
            {"static char* zeichen_schreiben_(char* ziel, int code) {", "    if (code < 0x80) {",
             "        *ziel++ = (char) code;", "    } else if (code < 0x800) {",
             "        *ziel++ = (char) (0xC0 | (code >> 6));",
             "        *ziel++ = (char) (0x80 | (code & 0x3F));", "    } else if (code < 0x10000) {",
             "        *ziel++ = (char) (0xE0 | (code >> 12));",
             "        *ziel++ = (char) (0x80 | ((code >> 6) & 0x3F));",
             "        *ziel++ = (char) (0x80 | (code & 0x3F));", "    } else {",
             "        *ziel++ = (char) (0xF0 | (code >> 18));",
             "        *ziel++ = (char) (0x80 | ((code >> 12) & 0x3F));",
             "        *ziel++ = (char) (0x80 | ((code >> 6) & 0x3F));",
             "        *ziel++ = (char) (0x80 | (code & 0x3F));", "    }", "    return ziel;", "}"});
    if (needs.step)
        add(lines,
            {"static const char* naechstes_(const char* text) {", "    ++text;",
             "    while ((*text & 0xC0) == 0x80)", "        ++text;", "    return text;", "}"});
    if (needs.letters) {
        lines.emplace_back();
        lines.push_back("static const int KLEINBUCHSTABEN_[" + std::to_string(CaseLetterCount) +
                        "] = {" + letterCodes(false) + "};");
        lines.push_back("static const int GROSSBUCHSTABEN_[" + std::to_string(CaseLetterCount) +
                        "] = {" + letterCodes(true) + "};");
        add(lines,
            {"static const char* umsetzen_(const char* text, const int* von, const int* nach) {",
             "    char* neu = malloc(strlen(text) * 4 + 1);", "    if (neu == NULL)",
             "        return \"\";", "    char* ende = neu;", "    while (*text != '\\0') {",
             "        int code = zeichen_lesen_(&text);"});
        lines.push_back("        for (int i = 0; i < " + std::to_string(CaseLetterCount) +
                        "; ++i) {");
        for (const char* line :
             {"            if (von[i] == code) {", "                code = nach[i];",
              "                break;", "            }", "        }",
              "        ende = zeichen_schreiben_(ende, code);", "    }", "    *ende = '\\0';",
              "    return neu;", "}"})
            lines.emplace_back(line);
    }
    if (uses(used, {Builtin::Uppercase}))
        add(lines, {"static const char* gross_(const char* text) {",
                    "    return umsetzen_(text, KLEINBUCHSTABEN_, GROSSBUCHSTABEN_);", "}"});
    if (uses(used, {Builtin::Lowercase}))
        add(lines, {"static const char* klein_(const char* text) {",
                    "    return umsetzen_(text, GROSSBUCHSTABEN_, KLEINBUCHSTABEN_);", "}"});
    if (uses(used, {Builtin::Trim}))
        add(lines,
            {"static const char* trimmen_(const char* text) {",
             "    while (*text == ' ' || *text == '\\t')", "        ++text;",
             "    size_t laenge = strlen(text);",
             "    while (laenge > 0 && (text[laenge - 1] == ' ' || text[laenge - 1] == '\\t'))",
             "        --laenge;", "    char* neu = malloc(laenge + 1);", "    if (neu == NULL)",
             "        return \"\";", "    memcpy(neu, text, laenge);", "    neu[laenge] = '\\0';",
             "    return neu;", "}"});
    if (uses(used, {Builtin::Ord}))
        add(lines, {"static int ordnung_(const char* text) {",
                    "    return *text == '\\0' ? 0 : zeichen_lesen_(&text);", "}"});
    if (uses(used, {Builtin::Chr}))
        add(lines, {"static const char* zeichen_(int code) {",
                    "    if (code <= 0 || code >= 0x110000 || (code >= 0xD800 && code <= 0xDFFF))",
                    "        return \"\";", "    char* neu = malloc(5);", "    if (neu == NULL)",
                    "        return \"\";", "    *zeichen_schreiben_(neu, code) = '\\0';",
                    "    return neu;", "}"});
    if (uses(used, {Builtin::Pos}))
        add(lines, {"static int position_(const char* teil, const char* text) {",
                    "    const char* fund = strstr(text, teil);", "    if (fund == NULL)",
                    "        return 0;", "    int stelle = 1;",
                    "    for (; text < fund; text = naechstes_(text))", "        ++stelle;",
                    "    return stelle;", "}"});
    if (uses(used, {Builtin::Copy}))
        add(lines,
            {"static const char* teil_(const char* text, int anfang, int anzahl) {",
             "    for (int i = 1; i < anfang && *text != '\\0'; ++i)",
             "        text = naechstes_(text);", "    const char* ende = text;",
             "    for (int i = 0; i < anzahl && *ende != '\\0'; ++i)",
             "        ende = naechstes_(ende);", "    size_t laenge = (size_t) (ende - text);",
             "    char* neu = malloc(laenge + 1);", "    if (neu == NULL)", "        return \"\";",
             "    memcpy(neu, text, laenge);", "    neu[laenge] = '\\0';", "    return neu;", "}"});
    return lines;
}

std::vector<std::string> pascalTextHelpers(const std::set<Builtin>& used) {
    const Needs needs = needsOf(used);
    Lines lines;
    if (needs.decode)
        add(lines, {"function zeichenLesen_(const text: string; var stelle: integer): integer;",
                    "var",
                    "  folgende: integer;",
                    "begin",
                    "  Result := Ord(text[stelle]);",
                    "  Inc(stelle);",
                    "  folgende := 0;",
                    "  if Result >= $F0 then",
                    "    folgende := 3",
                    "  else if Result >= $E0 then",
                    "    folgende := 2",
                    "  else if Result >= $C0 then",
                    "    folgende := 1;",
                    "  case folgende of",
                    "    3: Result := Result and $07;",
                    "    2: Result := Result and $0F;",
                    "    1: Result := Result and $1F;",
                    "  end;",
                    "  while (folgende > 0) and (stelle <= Length(text)) and",
                    "        ((Ord(text[stelle]) and $C0) = $80) do",
                    "  begin",
                    "    Result := (Result shl 6) or (Ord(text[stelle]) and $3F);",
                    "    Inc(stelle);",
                    "    Dec(folgende);",
                    "  end;",
                    "end;"});
    if (needs.encode)
        add(lines,
            {"function zeichenSchreiben_(code: integer): string;", "begin", "  if code < $80 then",
             "    Result := Chr(code)", "  else if code < $800 then",
             "    Result := Chr($C0 or (code shr 6)) + Chr($80 or (code and $3F))",
             "  else if code < $10000 then",
             "    Result := Chr($E0 or (code shr 12)) + Chr($80 or ((code shr 6) and $3F)) +",
             "      Chr($80 or (code and $3F))", "  else",
             "    Result := Chr($F0 or (code shr 18)) + Chr($80 or ((code shr 12) and $3F)) +",
             "      Chr($80 or ((code shr 6) and $3F)) + Chr($80 or (code and $3F));", "end;"});
    if (needs.step)
        add(lines, {"function naechstes_(const text: string; stelle: integer): integer;", "begin",
                    "  Result := stelle + 1;",
                    "  while (Result <= Length(text)) and ((Ord(text[Result]) and $C0) = $80) do",
                    "    Inc(Result);", "end;"});
    if (needs.letters) {
        const std::string last = std::to_string(CaseLetterCount - 1);
        lines.emplace_back();
        lines.push_back("const");
        lines.push_back("  KLEINBUCHSTABEN_: array[0.." + last + "] of integer = (" +
                        letterCodes(false) + ");");
        lines.push_back("  GROSSBUCHSTABEN_: array[0.." + last + "] of integer = (" +
                        letterCodes(true) + ");");
        add(lines,
            {"function umsetzen_(const text: string; const von, nach: array of integer): string;",
             "var", "  stelle, code, i: integer;", "begin", "  Result := '';", "  stelle := 1;",
             "  while stelle <= Length(text) do", "  begin",
             "    code := zeichenLesen_(text, stelle);", "    for i := 0 to High(von) do",
             "      if von[i] = code then", "      begin", "        code := nach[i];",
             "        break;", "      end;", "    Result := Result + zeichenSchreiben_(code);",
             "  end;", "end;"});
    }
    if (uses(used, {Builtin::Uppercase}))
        add(lines, {"function gross_(const text: string): string;", "begin",
                    "  Result := umsetzen_(text, KLEINBUCHSTABEN_, GROSSBUCHSTABEN_);", "end;"});
    if (uses(used, {Builtin::Lowercase}))
        add(lines, {"function klein_(const text: string): string;", "begin",
                    "  Result := umsetzen_(text, GROSSBUCHSTABEN_, KLEINBUCHSTABEN_);", "end;"});
    if (uses(used, {Builtin::Trim}))
        add(lines,
            {"function trimmen_(const text: string): string;", "var", "  anfang, ende: integer;",
             "begin", "  anfang := 1;", "  ende := Length(text);",
             "  while (anfang <= ende) and (text[anfang] in [' ', #9]) do", "    Inc(anfang);",
             "  while (ende >= anfang) and (text[ende] in [' ', #9]) do", "    Dec(ende);",
             "  Result := Copy(text, anfang, ende - anfang + 1);", "end;"});
    if (uses(used, {Builtin::Ord}))
        add(lines, {"function ordnung_(const text: string): integer;", "var", "  stelle: integer;",
                    "begin", "  stelle := 1;", "  if text = '' then", "    Result := 0", "  else",
                    "    Result := zeichenLesen_(text, stelle);", "end;"});
    if (uses(used, {Builtin::Chr}))
        add(lines,
            {"function zeichen_(code: integer): string;", "begin",
             "  if (code <= 0) or (code >= $110000) or ((code >= $D800) and (code <= $DFFF)) then",
             "    Result := ''", "  else", "    Result := zeichenSchreiben_(code);", "end;"});
    if (uses(used, {Builtin::Pos}))
        add(lines, {"function position_(const teil, text: string): integer;",
                    "var",
                    "  fund, stelle: integer;",
                    "begin",
                    "  Result := 1;",
                    "  if teil = '' then",
                    "    exit;",
                    "  fund := Pos(teil, text);",
                    "  if fund = 0 then",
                    "  begin",
                    "    Result := 0;",
                    "    exit;",
                    "  end;",
                    "  stelle := 1;",
                    "  while stelle < fund do",
                    "  begin",
                    "    stelle := naechstes_(text, stelle);",
                    "    Inc(Result);",
                    "  end;",
                    "end;"});
    if (uses(used, {Builtin::Copy}))
        add(lines, {"function teil_(const text: string; anfang, anzahl: integer): string;",
                    "var",
                    "  von, bis, i: integer;",
                    "begin",
                    "  von := 1;",
                    "  i := 1;",
                    "  while (i < anfang) and (von <= Length(text)) do",
                    "  begin",
                    "    von := naechstes_(text, von);",
                    "    Inc(i);",
                    "  end;",
                    "  bis := von;",
                    "  i := 0;",
                    "  while (i < anzahl) and (bis <= Length(text)) do",
                    "  begin",
                    "    bis := naechstes_(text, bis);",
                    "    Inc(i);",
                    "  end;",
                    "  Result := Copy(text, von, bis - von);",
                    "end;"});
    return lines;
}

} // namespace velbrant::code
