#include "progressdialog.h"

#include "system.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QThread>

namespace {
constexpr int ShowAfter = 500;     // milliseconds
constexpr int UpdateInterval = 50; // milliseconds
ProgressDialog::CancelAnswer cancelAnswer;
} // namespace

// While the work cannot be stopped, Esc and the close box, which would only
// hide the dialog and let the other windows' input through, do nothing.
class ProgressWindow : public QProgressDialog
{
public:
    using QProgressDialog::QProgressDialog;
    bool stoppable = true;

    void reject() override
    {
        if (stoppable)
            QProgressDialog::reject();
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (stoppable)
            QProgressDialog::closeEvent(event);
        else
            event->ignore();
    }
};

ProgressDialog::ProgressDialog(QWidget &owner, const QString &title, int steps)
    : m_owner(owner), m_title(title), m_steps(steps)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_started.start();
}

ProgressDialog::~ProgressDialog()
{
    QGuiApplication::restoreOverrideCursor();
}

void ProgressDialog::setCancelAnswer(CancelAnswer answer)
{
    cancelAnswer = std::move(answer);
}

void ProgressDialog::show(int steps)
{
    m_dialog = std::make_unique<ProgressWindow>(m_title, "Cancel", 0, steps, &m_owner);
    m_dialog->setWindowTitle(m_title);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    m_dialog->show();
}

void ProgressDialog::waitFor(const QString &doing, const std::function<bool()> &finished)
{
    while (!finished()) {
        // As in advance, no event is handled before the dialog holds off
        // the other windows' input.
        if (!m_dialog && m_started.elapsed() < ShowAfter) {
            QThread::msleep(5);
            continue;
        }
        if (!m_dialog)
            show(0);
        if (m_dialog->labelText() != doing) {
            m_dialog->setLabelText(doing);
            m_dialog->setCancelButton(nullptr);
            m_dialog->stoppable = false;
            m_dialog->setRange(0, 0);
        }
        WaitForEvents(20);
    }
}

bool ProgressDialog::advance(int done)
{
    if (cancelAnswer)
        return !cancelAnswer(done);
    if (!m_dialog) {
        if (m_started.elapsed() < ShowAfter)
            return true;
        show(m_steps);
    } else if (m_lastUpdate.elapsed() < UpdateInterval) {
        return true;
    }
    m_lastUpdate.start();
    m_dialog->setValue(done);
    DoEvents();
    return !m_dialog->wasCanceled();
}
