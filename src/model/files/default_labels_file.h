#pragma once

#include "model/diagram/default_labels.h"
#include "model/files/profile_file.h"

namespace velbrant {

// The default labels in a settings file: section "defaults" with the ten
// texts, quoted, and section "autocorrect" with the arrow option as 1 or 0.

// The labels the file holds; a missing key keeps the current value, a value
// longer than 255 bytes is cut.
DefaultLabels readDefaultLabels(const ProfileFile& file, DefaultLabels current);
void writeDefaultLabels(ProfileFile& file, const DefaultLabels& labels);

} // namespace velbrant
