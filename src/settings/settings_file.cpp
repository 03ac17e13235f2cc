#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFileInfo>
#include <QSettings>

#include "settings/atomic_file.h"

SettingsFile::SettingsFile(const QString& filePath, QObject* parent)
    : QObject(parent), path(filePath) {
    read();
}

SettingsFile::~SettingsFile() {
    if (hasUnsavedChanges()) sync();
}

QVariant SettingsFile::value(const QString& key, const QVariant& fallback) const {
    const QString name = normalizedSettingsKey(key);
    if (added.contains(name)) return added.value(name);
    if (removed.contains(name)) return fallback;
    return original.value(name, fallback);
}

bool SettingsFile::contains(const QString& key) const {
    const QString name = normalizedSettingsKey(key);
    return added.contains(name) || (original.contains(name) && !removed.contains(name));
}

void SettingsFile::setValue(const QString& key, const QVariant& value) {
    const QString name = normalizedSettingsKey(key);
    if (name.isEmpty()) return;
    if (isClosed) {
        qWarning().noquote() << "Settings file" << path << "was replaced; not storing" << name;
        return;
    }
    removed.remove(name);
    added.insert(name, value);
    requestSync();
}

// As QSettings: unsaved keys simply go, keys read from the file are marked
// removed; no key at all means every key.
void SettingsFile::remove(const QString& key) {
    if (isClosed) return;
    const QString name = normalizedSettingsKey(key);
    if (name.isEmpty()) {
        added.clear();
        removed = original;
        requestSync();
        return;
    }
    const QString group = name + u'/';
    const auto isUnder = [&group](const QString& candidate) { return candidate.startsWith(group); };
    for (auto entry = added.lowerBound(group); entry != added.end() && isUnder(entry.key());)
        entry = added.erase(entry);
    added.remove(name);
    for (auto entry = original.lowerBound(group); entry != original.end() && isUnder(entry.key());
         ++entry)
        removed.insert(entry.key(), QVariant());
    if (original.contains(name)) removed.insert(name, QVariant());
    if (hasUnsavedChanges()) requestSync();
}

bool SettingsFile::sync() {
    // Someone replaced the file since it was read: its content is the base,
    // this object's changes go on top.
    if (!(diskState() == readState)) read();
    if (!hasUnsavedChanges()) return true;

    const SettingsMap content = merged();
    QString error;
    const bool isWritten = writeFileAtomically(path, iniText(content), &error);
    added.clear();
    removed.clear();
    if (!isWritten) {
        qWarning().noquote() << "Settings not saved:" << error;
        // What was not saved must not be read back, nor written later.
        read();
        return false;
    }
    original = content;
    readState = diskState();
    return true;
}

void SettingsFile::close() {
    added.clear();
    removed.clear();
    isClosed = true;
}

bool SettingsFile::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        isSyncRequested = false;
        sync();
        return true;
    }
    return QObject::event(event);
}

void SettingsFile::read() {
    readState = diskState();
    original.clear();
    const QSettings file(path, QSettings::IniFormat);
    // A key with an empty name or doubled slashes (only a hand-made file has
    // one) cannot be read by anyone: the library answers such a name with
    // the value of its tidied form. It is left out, so a write drops it.
    for (const QString& key : file.allKeys())
        if (normalizedSettingsKey(key) == key) original.insert(key, file.value(key));
    isFormatError = file.status() == QSettings::FormatError;
}

SettingsMap SettingsFile::merged() const {
    SettingsMap result = original;
    for (auto key = removed.cbegin(); key != removed.cend(); ++key) result.remove(key.key());
    for (auto key = added.cbegin(); key != added.cend(); ++key)
        result.insert(key.key(), key.value());
    return result;
}

void SettingsFile::requestSync() {
    if (isSyncRequested) return;
    isSyncRequested = true;
    QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest));
}

SettingsFile::DiskState SettingsFile::diskState() const {
    const QFileInfo file(path);
    if (!file.exists()) return {};
    return {true, file.size(), file.lastModified().toMSecsSinceEpoch()};
}
