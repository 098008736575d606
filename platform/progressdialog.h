#pragma once

// A long piece of work that the user can watch and cancel. Until it has
// taken half a second there is only the busy cursor; then a modal progress
// dialog shows how far it is, and events are handled as it advances, at
// most every 50 ms. The dialog holds off every other window's input, so no
// other handler runs meanwhile.

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>

class ProgressWindow;
class QWidget;

class ProgressDialog
{
public:
    ProgressDialog(QWidget &owner, const QString &title, int steps);
    ~ProgressDialog();

    // Records that done of the steps are done; false once the user has
    // cancelled.
    bool advance(int done);

    // Handles events until finished() is true, while work that cannot be
    // cancelled runs beside the event loop; the dialog, once shown, says
    // what is being done, without Cancel, and stays until the work ends.
    void waitFor(const QString &doing, const std::function<bool()> &finished);

    // A test seam: while set, the answer stands in for the user at every
    // step; true cancels.
    using CancelAnswer = std::function<bool(int done)>;
    static void setCancelAnswer(CancelAnswer answer);

private:
    void show(int steps);

    QWidget &m_owner;
    QString m_title;
    int m_steps;
    std::unique_ptr<ProgressWindow> m_dialog;
    QElapsedTimer m_started;
    QElapsedTimer m_lastUpdate;
};
