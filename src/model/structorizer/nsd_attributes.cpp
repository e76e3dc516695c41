#include "model/structorizer/nsd_attributes.h"

#include "model/files/windows1252.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace velbrant {

std::optional<Color> NsdAttributes::fill() const {
    if (color.size() != 6)
        return std::nullopt;
    int value = 0;
    for (const char c : color) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0)
            return std::nullopt;
        value = value * 16 + (std::isdigit(static_cast<unsigned char>(c)) != 0
                                  ? c - '0'
                                  : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    }
    const Color parsed{static_cast<std::uint8_t>(value >> 16),
                       static_cast<std::uint8_t>((value >> 8) & 0xFF),
                       static_cast<std::uint8_t>(value & 0xFF)};
    if (parsed == White)
        return std::nullopt;
    return parsed;
}

namespace {

constexpr const char* BreakpointAttribute = "breakpoint";

bool isBreakpoint(const std::pair<std::string, std::string>& attribute) {
    return attribute.first == BreakpointAttribute;
}

} // namespace

bool NsdAttributes::breakpoint() const {
    return std::any_of(others.begin(), others.end(), [](const auto& attribute) {
        return isBreakpoint(attribute) && attribute.second == "1";
    });
}

namespace {

// A copy of the attributes changed as given; an element left with nothing
// but defaults is new again and holds none.
std::shared_ptr<const NsdAttributes>
changedAttributes(const NsdAttributes* attributes,
                  const std::function<void(NsdAttributes&)>& change) {
    auto changed = attributes != nullptr ? std::make_shared<NsdAttributes>(*attributes)
                                         : std::make_shared<NsdAttributes>();
    change(*changed);
    if (*changed == NsdAttributes{})
        return nullptr;
    return changed;
}

} // namespace

std::shared_ptr<const NsdAttributes> withBreakpoint(const NsdAttributes* attributes, bool on) {
    return changedAttributes(attributes, [on](NsdAttributes& changed) {
        std::erase_if(changed.others, isBreakpoint);
        if (on)
            changed.others.emplace_back(BreakpointAttribute, "1");
    });
}

std::shared_ptr<const NsdAttributes> withColor(const NsdAttributes* attributes,
                                               std::optional<Color> color) {
    return changedAttributes(attributes, [color](NsdAttributes& changed) {
        changed.color = color ? hexColor(*color) : std::string();
    });
}

std::shared_ptr<const NsdAttributes> withComment(const NsdAttributes* attributes,
                                                 std::vector<std::string> comment) {
    // Trailing empty lines are no comment.
    while (!comment.empty() && comment.back().empty())
        comment.pop_back();
    return changedAttributes(
        attributes, [&comment](NsdAttributes& changed) { changed.comment = std::move(comment); });
}

bool hasExactText(const NsdAttributes& attributes, const std::vector<std::string>& lines) {
    return isExactText(attributes.fileLines, attributes.shownLines, lines);
}

bool isExactText(const std::vector<std::string>& utf8, const std::vector<std::string>& made,
                 const std::vector<std::string>& lines) {
    if (utf8.empty() || lines != made || utf8.size() != lines.size())
        return false;
    // A case's shown text is its whole file text, a stand-in's may be made
    // up: only a text that converts to the lines is theirs.
    ReplacedCharacters replaced;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (windows1252FromUtf8(utf8[i], replaced) != lines[i])
            return false;
    return true;
}

std::shared_ptr<const NsdAttributes> withExactText(const NsdAttributes* attributes,
                                                   std::vector<std::string> utf8,
                                                   std::vector<std::string> lines) {
    return changedAttributes(attributes, [&](NsdAttributes& changed) {
        changed.fileLines = std::move(utf8);
        changed.shownLines = std::move(lines);
    });
}

TypedText typedText(const std::shared_ptr<const NsdAttributes>& attributes,
                    const std::vector<std::string>& utf8) {
    ReplacedCharacters replaced;
    TypedText typed{windows1252Lines(utf8, replaced), attributes};
    if (!replaced.empty())
        typed.attributes = withExactText(attributes.get(), utf8, typed.lines);
    else if (attributes != nullptr && hasExactText(*attributes, typed.lines) &&
             attributes->fileLines != utf8)
        typed.attributes = withExactText(attributes.get(), {}, {});
    return typed;
}

TypedHeader typedHeader(const std::shared_ptr<const NsdRoot>& root, const std::string& title,
                        const std::vector<std::string>& comment) {
    ReplacedCharacters replaced;
    TypedHeader typed{windows1252Lines({title}, replaced).front(),
                      windows1252Lines(comment, replaced), root};
    if (replaced.empty() && root == nullptr)
        return typed;
    auto exact = root ? std::make_shared<NsdRoot>(*root) : std::make_shared<NsdRoot>();
    if (!root)
        exact->attributes = {{"color", "ffffff"}, {"type", "program"}, {"style", "nice"}};
    exact->fileTitle = title;
    exact->shownTitle = typed.title;
    exact->fileComment = comment;
    exact->shownComment = typed.comment;
    typed.root = std::move(exact);
    return typed;
}

std::string hexColor(Color color) {
    constexpr const char* Digits = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t part : {color.red, color.green, color.blue}) {
        hex += Digits[part >> 4];
        hex += Digits[part & 0xF];
    }
    return hex;
}

} // namespace velbrant
