#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <mutex>

// Collects every line of Qt's debug output for its lifetime. The device link
// writes some lines from its worker and listener threads, so the collection
// is locked.
class DebugCapture {
public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture&) = delete;
    DebugCapture& operator=(const DebugCapture&) = delete;

    QStringList lines() const;
    bool contains(const QString& line) const { return lines().contains(line); }
    int count(const QString& line) const { return int(lines().count(line)); }
    void clear();

private:
    static void collect(QtMsgType, const QMessageLogContext&, const QString& text);

    QtMessageHandler previous = nullptr;
};
