// Build-time helper: draws the interface's SVG icons into PNG files at the
// size the window shows them and at twice that size (name@2x.png, which Qt
// picks on a high-density screen), so that the program starts without
// loading an SVG renderer for its toolbar and tree.
// Usage: varkel-render-icons OUTDIR SIZE ICON.svg...
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool Render(QSvgRenderer& svg, int size, const QString& path) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sizeOk = false;
    const int size = args.size() > 2 ? args[2].toInt(&sizeOk) : 0;
    if (args.size() < 4 || !sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: varkel-render-icons OUTDIR SIZE ICON.svg...\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    for (int i = 3; i < args.size(); ++i) {
        QSvgRenderer svg(args[i]);
        const QString name = QFileInfo(args[i]).completeBaseName();
        if (!svg.isValid() || !Render(svg, size, out.filePath(name + QStringLiteral(".png"))) ||
            !Render(svg, 2 * size, out.filePath(name + QStringLiteral("@2x.png")))) {
            std::fprintf(stderr, "varkel-render-icons: cannot draw %s\n", qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}
