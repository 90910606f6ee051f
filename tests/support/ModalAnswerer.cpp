#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>

#include <gtest/gtest.h>

namespace qiming::test {

namespace {
int liveAnswerers = 0;
}

ModalAnswerer::ModalAnswerer()
{
    ++liveAnswerers;
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            if (auto *dialog = qobject_cast<QDialog *>(modal)) {
                m_windows << dialog->objectName();
                if (m_onWindow)
                    m_onWindow(dialog);
                if (dialog->isVisible()) // the handler may have answered it itself
                    dialog->reject();
            }
            return;
        }
        m_texts << box->text();
        m_captions << box->windowTitle();
        QAbstractButton *b = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton()) : box->buttons().value(0);
        if (m_reject)
            for (QAbstractButton *candidate : box->buttons())
                if (box->buttonRole(candidate) == QMessageBox::RejectRole)
                    b = candidate;
        if (b)
            b->click();
        else
            box->reject();
    });
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer()
{
    m_timer.stop();
    --liveAnswerers;
}

void guardUnansweredModals(int graceMs)
{
    static QTimer timer;
    static QPointer<QWidget> seen;
    static QElapsedTimer since;
    timer.disconnect();
    timer.setInterval(100);
    QObject::connect(&timer, &QTimer::timeout, [graceMs] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || liveAnswerers > 0) {
            seen = nullptr;
            return;
        }
        if (seen != modal) {
            seen = modal;
            since.start();
            return;
        }
        if (since.elapsed() < graceMs)
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        ADD_FAILURE() << "a modal window nobody answers: "
                      << (box ? box->text() : modal->objectName()).toStdString();
        seen = nullptr;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
    });
    timer.start();
}

} // namespace qiming::test
