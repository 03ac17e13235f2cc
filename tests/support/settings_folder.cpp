#include "settings_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

QString SettingsFolder::path(const QString& name) const {
    return name.isEmpty() ? dir->path() : QDir(dir->path()).filePath(name);
}

void SettingsFolder::write(const QString& name, const QByteArray& text) const {
    QFile file(path(name));
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.fileName()));
    QCOMPARE(file.write(text), text.size());
}

QByteArray SettingsFolder::read(const QString& name) const {
    return readFile(path(name));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList quotedTexts(const QVariantList& values) {
    QStringList texts;
    for (const QVariant& value : values)
        texts.append(value.typeId() == QMetaType::QString ? '"' + value.toString() + '"'
                                                          : value.toString());
    return texts;
}
