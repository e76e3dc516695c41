#include "model/code/identifiers.h"

#include "model/files/windows1252.h"
#include "model/program/pseudocode.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_set>

namespace velbrant::code {

namespace {

// The languages' reserved words and the standard names a program must not
// shadow, with the names the generated programs use themselves.
constexpr std::string_view ReservedWords =
    // Python
    "false none true and as assert async await break class continue def del elif "
    "else except finally for from global if import in is lambda nonlocal not or "
    "pass raise return try while with yield match case print input int float str "
    "bool len range list sys main next exit abs min max type object id dict set "
    "iter open round sum random "
    // Java
    "abstract boolean byte catch char const default do double enum extends final "
    "goto implements instanceof interface long native new package private "
    "protected public short static strictfp super switch synchronized this throw "
    "throws transient void volatile var record sealed permits string system math "
    "integer args out java locale "
    // C
    "auto extern inline register restrict signed sizeof struct typedef union "
    "unsigned printf scanf strcmp malloc free memcpy strlen stdin stdout null "
    "errno fprintf stderr random rand srand index abort atoi atof exp log pow sqrt "
    "sin cos tan floor ceil fabs time clock strcpy strcat snprintf sprintf puts "
    "putchar getchar qsort bsearch labs strtol strtod "
    // Pascal
    "array begin div downto end file function label mod nil of packed procedure "
    "program repeat then to until absolute asm operator reintroduce self shl shr "
    "unit uses xor constructor destructor implementation inherited result halt "
    "read readln write writeln real eof eoln length ord chr sysutils floattostr "
    "booltostr specialize generic otherwise on out property threadvar try "
    "finalization initialization library export exports resourcestring objfpc "
    "dispose new output text randomize trunc sqr ln inc dec pos copy delete insert "
    "upcase lowercase uppercase trim inttostr strtoint ";

const std::unordered_set<std::string>& reservedWords() {
    static const std::unordered_set<std::string> words = [] {
        std::unordered_set<std::string> set;
        std::size_t start = 0;
        while (start < ReservedWords.size()) {
            const std::size_t end = std::min(ReservedWords.find(' ', start), ReservedWords.size());
            if (end > start)
                set.emplace(ReservedWords.substr(start, end - start));
            start = end + 1;
        }
        return set;
    }();
    return words;
}

// Windows-1252 letters as ASCII: "ä" "ae", "é" "e".
std::string asciiLetter(unsigned char c) {
    static const std::array<const char*, 64> upper = {
        "A", "A", "A", "A", "Ae", "A", "Ae", "C", "E", "E", "E", "E", "I",  "I", "I",  "I",
        "D", "N", "O", "O", "O",  "O", "Oe", "",  "O", "U", "U", "U", "Ue", "Y", "Th", "ss",
        "a", "a", "a", "a", "ae", "a", "ae", "c", "e", "e", "e", "e", "i",  "i", "i",  "i",
        "d", "n", "o", "o", "o",  "o", "oe", "",  "o", "u", "u", "u", "ue", "y", "th", "y"};
    if (c >= 0xC0)
        return upper[c - 0xC0];
    switch (c) {
    case 0x8A:
        return "S";
    case 0x8C:
        return "Oe";
    case 0x8E:
        return "Z";
    case 0x9A:
        return "s";
    case 0x9C:
        return "oe";
    case 0x9E:
        return "z";
    case 0x9F:
        return "Y";
    default:
        return "";
    }
}

std::string sanitized(std::string_view name) {
    std::string result;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80 && (std::isalnum(c) != 0 || c == '_'))
            result += ch;
        else
            result += asciiLetter(c);
    }
    while (!result.empty() && result.front() == '_')
        result.erase(0, 1);
    while (!result.empty() && result.back() == '_')
        result.pop_back();
    if (result.empty() || std::isdigit(static_cast<unsigned char>(result.front())) != 0)
        result.insert(0, "v");
    return result;
}

} // namespace

void Identifiers::take(std::string_view identifier) {
    m_taken.insert(lowered(identifier));
}

std::string Identifiers::unique(std::string_view name) {
    const std::string base = sanitized(name);
    std::string candidate = base;
    for (int n = 2;
         reservedWords().count(lowered(candidate)) != 0 || m_taken.count(lowered(candidate)) != 0;
         ++n)
        candidate = base + std::to_string(n);
    m_taken.insert(lowered(candidate));
    return candidate;
}

} // namespace velbrant::code
