// Renders the application icon's SVG drawing at the PNG sizes of the hicolor theme, for the
// desktops and software centres that ask for a bitmap rather than the scalable icon.
//
//   tunewright-icon-pngs ICON.svg OUTPUT_FOLDER NAME SIZE...
//
// writes OUTPUT_FOLDER/<SIZE>x<SIZE>/apps/NAME.png for every SIZE.

#include <QDir>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 4) {
        std::fputs("usage: tunewright-icon-pngs ICON.svg OUTPUT_FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args[0]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tunewright-icon-pngs: %s is not a drawing\n", qPrintable(args[0]));
        return 1;
    }
    const QDir output(args[1]);
    for (const QString& sizeText : args.mid(3)) {
        bool isNumber = false;
        const int pixels = sizeText.toInt(&isNumber);
        if (!isNumber || pixels <= 0) {
            std::fprintf(stderr, "tunewright-icon-pngs: %s is not a size\n", qPrintable(sizeText));
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(pixels);
        const QString path = output.filePath(folder + u'/' + args[2] + QStringLiteral(".png"));
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (!output.mkpath(folder) || !image.save(path)) {
            std::fprintf(stderr, "tunewright-icon-pngs: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
