#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// The settings files are INI text exactly as the settings library (QSettings,
// IniFormat, on Linux) writes it: stored files, exported profiles and other
// programs that read them rely on that form, byte for byte. This writer
// produces the same bytes in memory, so that the file writer can check that
// every one of them reached the disk, which the library's own write does not
// do on a nearly full disk.
//
// The form, for a map of keys (a key is "group/name"; a key without a slash
// belongs to [General]):
//   - one section per group, groups in ascending order, a blank line between
//     sections; keys of a section in ascending order, one "name=value" line
//     each, every line ended by '\n';
//   - names and groups escaped (letters, digits, '_', '-', '.' as they are,
//     '/' as '\', other characters as %XX or %UXXXX);
//   - values as the library turns them into text: lists as their entries
//     joined by ", ", an empty list as @Invalid(), texts starting with '@'
//     with a second '@', byte arrays as @ByteArray(...), other types as
//     @Variant(...) of their serialised form, quotes around values that hold
//     ',', ';' or '=' or start or end with a blank, C escapes for control
//     characters, other characters in UTF-8.
//
// Reading stays with the settings library: the files are parsed by
// QSettings, this only writes.
//
// Threads: pure function; any thread.

using SettingsMap = QMap<QString, QVariant>;

QByteArray iniText(const SettingsMap& keys);

// A key as the settings library stores it: no leading, trailing or doubled
// slashes ("//a///b/" is "a/b").
QString normalizedSettingsKey(const QString& key);
