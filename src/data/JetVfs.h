// An SQLite VFS over the default one that keeps the Jet signature in the file's first
// sixteen bytes while showing the engine its own header.
#pragma once

namespace qiming::data {

// Registers the VFS on first call (not as the default) and returns its name.
const char *jetVfsName();

} // namespace qiming::data
