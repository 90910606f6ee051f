#include "widgets/WindowDirectory.h"

#include <QHash>

namespace qiming::widgets {

namespace {

QHash<QString, std::function<void()>> &openers()
{
    static QHash<QString, std::function<void()>> map;
    return map;
}

} // namespace

void registerWindowOpener(const QString &name, std::function<void()> opener)
{
    if (opener)
        openers().insert(name, std::move(opener));
    else
        openers().remove(name);
}

bool openWindow(const QString &name)
{
    const auto opener = openers().value(name);
    if (!opener)
        return false;
    opener();
    return true;
}

} // namespace qiming::widgets
