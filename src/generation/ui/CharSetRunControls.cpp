#include "generation/ui/CharSetRunControls.h"

#include "generation/CharSetRun.h"

#include <QPushButton>

namespace qiming::generation {

void showCharSetRunState(const CharSetRun &run, QPushButton *pause)
{
    pause->setText(run.isPaused() ? QStringLiteral("恢复") : QStringLiteral("暂停"));
}

void toggleCharSetRun(CharSetRun &run, QPushButton *pause)
{
    if (run.isActive())
        run.pause();
    else if (run.isPaused())
        run.resume();
    showCharSetRunState(run, pause);
}

} // namespace qiming::generation
