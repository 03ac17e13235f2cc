// The program's settings writer against the settings library's: any file,
// read by both and written back after the same change, gives the same bytes.
// Keys no reader can address (an empty name, doubled slashes: only a
// hand-made file has them) are kept by the library and left out by the
// program, so such files are not compared.
//
// Input: the file. The shipped files are the seeds.

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <algorithm>
#include <cstdio>

#include "fuzz_support.h"
#include "settings/atomic_file.h"
#include "settings/ini_text.h"
#include "settings/settings_file.h"

namespace {

QString scratch(const QString& name) {
    return scratchFolder() + u'/' + name;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

template <typename Settings>
void touch(Settings& settings) {
    const QStringList keys = settings.allKeys();
    if (!keys.isEmpty()) settings.setValue(keys.first(), settings.value(keys.first()));
}

// The program's writer and the settings library write the file back after
// the same change. Both copies are placed by the program's writer, which
// stamps each later than the last, so the library parses the new input
// instead of answering from its cache.
void writeBack(const QByteArray& text) {
    const QString libraryPath = scratch("library.ini");
    require(writeFileAtomically(libraryPath, text), "input placed");
    bool isComparable = false;
    {
        QSettings library(libraryPath, QSettings::IniFormat);
        const QStringList keys = library.allKeys();
        isComparable = std::all_of(keys.cbegin(), keys.cend(), [](const QString& key) {
            return normalizedSettingsKey(key) == key;
        });
        touch(library);
        library.sync();
        isComparable = isComparable && library.status() != QSettings::AccessError;
    }
    const QByteArray expected = contentOf(libraryPath);

    const QString ourPath = scratch("ours.ini");
    require(writeFileAtomically(ourPath, text), "input placed");
    {
        SettingsFile ours(ourPath);
        touch(ours);
        require(ours.sync(), "program's write succeeds");
    }
    const QByteArray written = contentOf(ourPath);
    if (isComparable && written != expected) {
        // Both forms side by side for the report.
        writeFileAtomically(scratch("mismatch-library.ini"), expected);
        writeFileAtomically(scratch("mismatch-ours.ini"), written);
        fprintf(stderr, "Written forms in %s\n", qPrintable(scratch("mismatch-*.ini")));
        require(false, "same bytes as the library");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ensureApplication();
    writeBack(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    // No event loop runs here: what the settings objects posted is dropped
    // now, or the queue of posted events would grow with every input.
    QCoreApplication::sendPostedEvents();
    return 0;
}
