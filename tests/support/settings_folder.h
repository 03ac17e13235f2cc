#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

// Helpers for the tests of the settings files.

// A temporary folder for settings files. The settings library caches every
// file it parsed by name for the whole run, so a test that reuses a name sees
// the old contents: renew() gives every test (and every data row) a folder
// of its own.
class SettingsFolder {
public:
    SettingsFolder() { renew(); }
    void renew() { dir = std::make_unique<QTemporaryDir>(); }

    // A name in the folder; an absolute path is returned unchanged.
    QString path(const QString& name = QString()) const;
    // Writes the file, creating the folders on the way; fails the test when
    // it cannot.
    void write(const QString& name, const QByteArray& text) const;
    // The file's bytes, empty when it cannot be read.
    QByteArray read(const QString& name) const;

private:
    std::unique_ptr<QTemporaryDir> dir;
};

// The bytes of a file, empty when it cannot be read.
QByteArray readFile(const QString& path);
// Writes the file whole, creating its folders; false when it cannot.
bool writeFile(const QString& path, const QByteArray& bytes);
// Every file and link below the folder: relative path to the file's bytes,
// or to "-> target" for a link. Links are not followed.
QMap<QString, QByteArray> snapshotFolder(const QString& folder);

// The entries as text, text entries in quotes: comparing two of these also
// compares which entries are text and which numbers, where comparing the
// lists themselves would take "3" for 3.
QStringList quotedTexts(const QVariantList& values);
