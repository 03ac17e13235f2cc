// Draws the two skins into <out>/skin1 and <out>/skin2. A picture whose
// bytes did not change is not rewritten, so a build that runs this every
// time leaves the files (and their times) alone.
//
// Usage: q4skins <out folder>          (modules/img beside the program)
//        q4skins --list                (the picture table: name, width, height)
//        q4skins --sheet <file.png>    (every picture of both skins on one
//                                       dark sheet, for review)

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "skin_painting.h"
#include "skin_pictures.h"

namespace {

QImage paint(const QString& name, const skins::SkinStyle& style) {
    const bool isLit = name.endsWith("_1");
    QImage picture = skins::paintFramePicture(name, style, isLit);
    if (picture.isNull()) picture = skins::paintIconPicture(name, style, isLit);
    if (picture.isNull()) picture = skins::paintControlPicture(name, style, isLit);
    if (picture.isNull()) picture = skins::paintMousePicture(name, style);
    return picture;
}

QByteArray encodedPng(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

// Writes through a temporary file, so a reader never sees half a picture.
bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    QFile present(path);
    if (present.open(QIODevice::ReadOnly) && present.readAll() == bytes) return true;
    present.close();
    QDir().mkpath(QFileInfo(path).path());
    const QString temporary = path + ".part";
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    file.close();
    QFile::remove(path);
    return QFile::rename(temporary, path);
}

// Both skins side by side on a dark sheet, each picture under its name,
// the large ones scaled down.
QImage contactSheet() {
    const int columnWidth = 1000;
    QImage sheet(2 * columnWidth + 30, 4000, QImage::Format_ARGB32);
    sheet.fill(QColor(0x2A, 0x30, 0x38));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    painter.setFont(font);
    int bottom = 0;
    for (int skin = 1; skin <= 2; ++skin) {
        const skins::SkinStyle style = skins::styleOfSkin(skin);
        const int left = 10 + (skin - 1) * (columnWidth + 10);
        int x = left, y = 10, rowHeight = 0;
        for (const skins::Picture& picture : skins::kPictures) {
            QImage image = paint(QString::fromLatin1(picture.name), style);
            if (image.width() > 480) image = image.scaledToWidth(480, Qt::SmoothTransformation);
            if (x + image.width() > left + columnWidth) {
                x = left;
                y += rowHeight + 22;
                rowHeight = 0;
            }
            painter.setPen(QColor(0xC0, 0xC8, 0xD0));
            painter.drawText(x, y + 9, QString::fromLatin1(picture.name).section('/', -1));
            painter.drawImage(x, y + 12, image);
            x += qMax(image.width(), 90) + 10;
            rowHeight = qMax(rowHeight, image.height());
        }
        bottom = qMax(bottom, y + rowHeight + 30);
    }
    painter.end();
    return sheet.copy(0, 0, sheet.width(), bottom);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The platform plugin wants a runtime folder; a build has none.
    QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeFolder.path().toLocal8Bit());
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream out(stdout);
    if (arguments.size() == 2 && arguments[1] == "--list") {
        for (const skins::Picture& picture : skins::kPictures)
            out << picture.name << ".png " << picture.width << " " << picture.height << "\n";
        return 0;
    }
    if (arguments.size() == 3 && arguments[1] == "--sheet")
        return contactSheet().save(arguments[2]) ? 0 : 1;
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: q4skins <out folder> | --list | --sheet <file.png>\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    int failures = 0;
    for (int skin = 1; skin <= 2; ++skin) {
        const skins::SkinStyle style = skins::styleOfSkin(skin);
        for (const skins::Picture& picture : skins::kPictures) {
            const QString name = QString::fromLatin1(picture.name);
            const QImage image = paint(name, style);
            const QString path =
                folder.filePath(QStringLiteral("skin%1/%2.png").arg(skin).arg(name));
            if (image.size() != QSize(picture.width, picture.height)) {
                std::fprintf(stderr, "q4skins: %s is drawn %dx%d, the table says %dx%d\n",
                             picture.name, image.width(), image.height(), picture.width,
                             picture.height);
                ++failures;
            } else if (!writeIfChanged(path, encodedPng(image))) {
                std::fprintf(stderr, "q4skins: cannot write %s\n", qPrintable(path));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
