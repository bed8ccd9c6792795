#pragma once

#include <QString>
#include <optional>

namespace store {

// The last look before a new report takes its name: another entry of the
// directory of path whose name is path's file name in other letter case (the
// capitals A to Z counting as small letters, as the name check counts them).
// A new file there would make two reports that the list shows, and the host
// finds, under one name. Its path; none when there is none or the directory
// cannot be read (the name check before has read it).
std::optional<QString> CaseTwinOf(const QString& path);

} // namespace store
