// Build-time helper: draws the interface's SVG icons at the size the window
// shows them into a C++ table of pixels (so that start-up decodes no
// picture and loads no SVG renderer for its toolbar and tree) and at twice
// that size into name@2x.png, added where the screen is dense.
// Usage: varkel-render-icons OUTDIR PIXELS.cpp SIZE:ICON.svg...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage Render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter, QRectF(0, 0, size, size));
    return image;
}

// The pixels as numbers (0xAARRGGBB, premultiplied), so the table means the
// same on a machine of either byte order.
QByteArray PixelTable(const QString& name, const QImage& image) {
    QByteArray text = "const unsigned int k" + name.toLatin1().replace('-', '_') + "[] = {";
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        text += "\n   ";
        for (int x = 0; x < image.width(); ++x)
            text += row[x] ? " 0x" + QByteArray::number(row[x], 16) + "u," : QByteArray(" 0,");
    }
    return text + "\n};\n";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: varkel-render-icons OUTDIR PIXELS.cpp SIZE:ICON.svg...\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    QByteArray tables;
    QByteArray entries;
    for (int i = 3; i < args.size(); ++i) {
        const qsizetype colon = args[i].indexOf(QLatin1Char(':'));
        bool sizeOk = false;
        const int size = args[i].left(colon).toInt(&sizeOk);
        const QString path = args[i].mid(colon + 1);
        QSvgRenderer svg(path);
        const QString name = QFileInfo(path).completeBaseName();
        if (colon < 0 || !sizeOk || size <= 0 || !svg.isValid() ||
            !Render(svg, 2 * size).save(out.filePath(name + QStringLiteral("@2x.png")), "PNG")) {
            std::fprintf(stderr, "varkel-render-icons: cannot draw %s\n", qPrintable(args[i]));
            return 1;
        }
        tables += PixelTable(name, Render(svg, size));
        entries += "    {\"" + name.toLatin1() + "\", " + QByteArray::number(size) + ", k" +
                   name.toLatin1().replace('-', '_') + "},\n";
    }
    QSaveFile source(args[2]);
    if (!source.open(QIODevice::WriteOnly))
        return 1;
    source.write("// Drawn by varkel-render-icons from the SVG sources: do not edit.\n"
                 "#include \"ui/ProgramIcon.h\"\n\nnamespace varkel {\nnamespace {\n\n" +
                 tables + "\n} // namespace\n\nconst IconPixels kIconPixels[] = {\n" + entries +
                 "};\nconst int kIconPixelsCount = " + QByteArray::number(args.size() - 3) +
                 ";\n\n} // namespace varkel\n");
    return source.commit() ? 0 : 1;
}
