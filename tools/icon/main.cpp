// Renders the program's SVG icon into the PNG sizes the desktop and the
// window use: q4icon SOURCE.svg FOLDER SIZE... writes FOLDER/q4config-SIZE.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: q4icon SOURCE.svg FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "q4icon: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QDir folder(arguments.at(2));
    if (!folder.mkpath(".")) return 1;
    for (const QString& sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        if (size <= 0) return 2;
        QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString path = folder.filePath(QStringLiteral("q4config-%1.png").arg(size));
        if (!picture.save(path)) {
            std::fprintf(stderr, "q4icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
