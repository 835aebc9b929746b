#pragma once
// Windows locale ids (LCIDs) for the language tags a POSIX locale name turns into.

#include <QString>

namespace plat {

// "en_US.UTF-8" or "en-US" -> 1033; 0 for C, POSIX and unknown tags.
int lcidForLocaleName(const QString &name);

} // namespace plat
