#pragma once

#include "daylog/dayevent.h"

#include <QString>

#include <optional>

// Stable names of the event kinds and reasons, for the log file: the
// database keeps the names, so reordering the enums never changes what an
// old log means.
namespace daylog {

QString kindName(EventKind kind);
std::optional<EventKind> kindFromName(const QString &name);

QString reasonName(Reason reason);
std::optional<Reason> reasonFromName(const QString &name);

} // namespace daylog
