#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, a service manager, Ctrl+C in a
// terminal) end the program the way its close button does: every window
// closes, so the settings objects write their files, instead of the process
// dying with unsaved changes. A box that is open (the "Can not detect" box)
// closes too, and the start goes on to its end.
//
// The handler only writes a byte to a socket pair; the GUI thread's event
// loop reads it. One object per process, owned by the GUI thread.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isRequested() const { return isTerminationRequested; }

private:
    void closeEverything();

    QSocketNotifier* notifier = nullptr;
    bool isTerminationRequested = false;
};
