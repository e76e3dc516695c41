#pragma once

#include <QString>

namespace velbrant {

// The system's reason for a failed file operation in German, for the
// common cases; any other reason as the system gave it.
QString germanReason(const QString& systemReason);

} // namespace velbrant
