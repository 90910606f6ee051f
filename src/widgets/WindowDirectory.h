// Opening a window of the window set by its name from anywhere, without knowing its class:
// pages and windows of one part open those of another (the favourites, the filters).
#pragma once

#include <QString>

#include <functional>

namespace qiming::widgets {

void registerWindowOpener(const QString &name, std::function<void()> opener);
// False when nothing is registered under that name.
bool openWindow(const QString &name);

} // namespace qiming::widgets
