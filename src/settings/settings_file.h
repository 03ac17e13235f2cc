#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "settings/ini_text.h"

// One settings file (INI text whatever its suffix) open for reading and
// writing: the program's replacement for a QSettings object on a file.
//
// Why not QSettings itself: its write-back is where files were lost. On a
// nearly full disk it renames a cut file over the old one and reports
// success, and after a failed write it keeps the unsaved keys in its shared
// cache, where later reads find them and the next write stores them. This
// class keeps the parts the program relies on and does the write itself:
//   - values are parsed by QSettings (same keys, same text and list forms);
//   - setValue/remove change the object at once and reach the file at the
//     next pass of the event loop (or sync(), or destruction), so a page
//     that sets sixteen keys writes the file once;
//   - a write produces exactly the bytes QSettings would (iniText) and goes
//     through AtomicFile: all of it on the disk, or the old file unchanged;
//   - after a failed write the object is read again from the disk, so no
//     read and no later write returns what the disk does not hold;
//   - changes are kept apart from what was read, as QSettings keeps them,
//     so the same calls write a file exactly when QSettings would (removing
//     a key the file does not hold changes nothing), and a file replaced on
//     the disk since it was read is read again before a write, with the
//     unsaved changes on top, so a write never undoes a replacement it did
//     not see.
// Values set in this run keep their type (a list of numbers stays one) until
// the file is read again; values read from the file are text, lists of text
// or what QSettings makes of @-forms.
//
// Threads: created, used and destroyed on one thread (the GUI thread in the
// program); the deferred write needs that thread's event loop.
class SettingsFile : public QObject {
    Q_OBJECT

public:
    explicit SettingsFile(const QString& path, QObject* parent = nullptr);
    // Writes what is still unsaved.
    ~SettingsFile() override;

    QString fileName() const { return path; }

    QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
    bool contains(const QString& key) const;
    QStringList allKeys() const { return merged().keys(); }

    // Both reach the file at the next sync. remove() takes the key and every
    // key under it ("macro" removes "macro/0", "macro/1", ...).
    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);

    // Writes the unsaved changes. True when there were none or the file now
    // holds them all; false (with a warning in the log) when the write
    // failed: the file is unchanged and this object holds its content again.
    // Without changes, a file replaced on the disk is read again.
    bool sync();
    bool hasUnsavedChanges() const { return !added.isEmpty() || !removed.isEmpty(); }
    // True when the last read found lines QSettings could not parse.
    bool hasFormatError() const { return isFormatError; }

    // For an object whose file was replaced by another object's (import,
    // reset): it drops its unsaved changes and writes nothing ever again;
    // it still answers reads with what it held.
    void close();

protected:
    bool event(QEvent* event) override;

private:
    struct DiskState {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedMs = 0;
        bool operator==(const DiskState& other) const {
            return exists == other.exists && size == other.size && modifiedMs == other.modifiedMs;
        }
    };

    void read();
    SettingsMap merged() const;
    void requestSync();
    DiskState diskState() const;

    QString path;
    SettingsMap original;  // as read from the disk, or as last written
    SettingsMap added;     // set since; wins over original and removed
    SettingsMap removed;   // keys of original removed since (values unused)
    DiskState readState;   // the file as it was when original was read or written
    bool isFormatError = false;
    bool isSyncRequested = false;
    bool isClosed = false;
};
