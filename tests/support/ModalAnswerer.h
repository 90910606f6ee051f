// Window tests: modal message boxes and windows answered by a timer, and a guard that fails
// a test a box would otherwise hang.
#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

namespace qiming::test {

// Answers every modal box that appears while it lives, recording each box's text, and
// closes any other modal window, recording its name. Keep one alive for as long as anything
// that may show a box can still run, waits included.
class ModalAnswerer final {
public:
    ModalAnswerer();
    ~ModalAnswerer();
    const QStringList &texts() const { return m_texts; }
    const QStringList &captions() const { return m_captions; }
    const QStringList &windows() const { return m_windows; }
    // Runs once when a modal window that is not a message box appears, before it is closed
    // (unless the handler closed it, e.g. accepted a file dialog).
    void onWindow(std::function<void(QWidget *)> handler) { m_onWindow = std::move(handler); }
    // Questions are answered with their reject button (Cancel) instead of OK.
    void rejectQuestions(bool reject) { m_reject = reject; }

private:
    QTimer m_timer;
    QStringList m_texts;
    QStringList m_captions;
    QStringList m_windows;
    std::function<void(QWidget *)> m_onWindow;
    bool m_reject = false;
};

// From then on a modal window left open for graceMs with no ModalAnswerer alive fails the
// running test and is closed: a box nobody answers must fail the run, not hang it.
void guardUnansweredModals(int graceMs = 3000);

} // namespace qiming::test
