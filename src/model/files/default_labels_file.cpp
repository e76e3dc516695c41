#include "model/files/default_labels_file.h"

#include "model/files/binary_io.h"

#include <array>
#include <utility>

namespace velbrant {

namespace {

constexpr const char* Section = "defaults";

// The keys in the order they are written.
std::array<std::pair<const char*, std::string DefaultLabels::*>, 10> textKeys() {
    return {{
        {"default_strukt_prefix", &DefaultLabels::structName},
        {"default_yes", &DefaultLabels::yes},
        {"default_no", &DefaultLabels::no},
        {"default_if", &DefaultLabels::ifText},
        {"default_while", &DefaultLabels::whileText},
        {"default_repeat", &DefaultLabels::repeatText},
        {"default_for", &DefaultLabels::forText},
        {"default_case", &DefaultLabels::caseText},
        {"default_case_prefix", &DefaultLabels::casePrefix},
        {"default_case_else", &DefaultLabels::caseElse},
    }};
}

} // namespace

DefaultLabels readDefaultLabels(const ProfileFile& file, DefaultLabels current) {
    for (const auto& [key, field] : textKeys()) {
        if (const auto value = file.value(Section, key))
            current.*field = value->substr(0, MaxTextLength);
    }
    const auto arrow = file.integer("autocorrect", "Arrow");
    current.replaceArrow = arrow.value_or(0) != 0;
    return current;
}

void writeDefaultLabels(ProfileFile& file, const DefaultLabels& labels) {
    for (const auto& [key, field] : textKeys())
        file.setValue(Section, key, "\"" + labels.*field + "\"");
    file.setValue("autocorrect", "Arrow", labels.replaceArrow ? "1" : "0");
}

} // namespace velbrant
