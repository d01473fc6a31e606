// Renders the program icon, an SVG file, into PNG files of the usual icon sizes, for the
// installed icon theme. Run by the build; never installed.
//
//   venkora_render_icon SVG FOLDER SIZE...     writes FOLDER/SIZExSIZE/venkora.png

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "Aufruf: venkora_render_icon SVG ORDNER GRÖSSE...\n");
        return 2;
    }
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        QImageReader reader(svg);
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        const QString name = QStringLiteral("%1x%1").arg(size);
        const QString png = folder.filePath(name + QStringLiteral("/venkora.png"));
        if (image.isNull() || !folder.mkpath(name) || !image.save(png, "PNG")) {
            std::fprintf(stderr, "venkora_render_icon: %s: %s\n", qPrintable(png),
                         qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}
