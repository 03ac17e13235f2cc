#include "settings_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

QString SettingsFolder::path(const QString& name) const {
    return name.isEmpty() ? dir->path() : QDir(dir->path()).filePath(name);
}

void SettingsFolder::write(const QString& name, const QByteArray& text) const {
    QVERIFY2(writeFile(path(name), text), qPrintable(path(name)));
}

QByteArray SettingsFolder::read(const QString& name) const {
    return readFile(path(name));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(file).absolutePath()) &&
           file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QStringList quotedTexts(const QVariantList& values) {
    QStringList texts;
    for (const QVariant& value : values)
        texts.append(value.typeId() == QMetaType::QString ? '"' + value.toString() + '"'
                                                          : value.toString());
    return texts;
}

QMap<QString, QByteArray> snapshotFolder(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QFileInfo info(path);
        const QString relative = root.relativeFilePath(path);
        if (info.isSymLink()) {
            files.insert(relative, "-> " + info.symLinkTarget().toUtf8());
        } else if (info.isFile()) {
            QFile file(path);
            files.insert(relative, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
    }
    return files;
}
