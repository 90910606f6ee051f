// Pressing the high-score page's "生成名字" and waiting for its run to end, as a user would;
// shared by the page's tests alone and in the running program.
#pragma once

#include "ModalAnswerer.h"

#include "generation/HighScoreRun.h"

#include <QPushButton>
#include <QTest>

namespace qiming::test {

inline void waitForRunEnd(const generation::HighScoreRun &run)
{
    for (int i = 0; i < 500 && !run.isFinished(); ++i)
        QTest::qWait(10);
    QTest::qWait(50);
}

// Returns every message shown meanwhile.
inline QStringList generateAndWait(QPushButton *generate, const generation::HighScoreRun &run)
{
    ModalAnswerer answerer;
    generate->click();
    waitForRunEnd(run);
    return answerer.texts();
}

} // namespace qiming::test
