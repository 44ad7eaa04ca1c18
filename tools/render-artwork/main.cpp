// render-artwork MANIFEST SVG_DIR OUT_DIR [--sheet SHEET.png]
//
// Renders every line of the manifest ("<set> <source.svg> <size> <path>", size N or WxH, path relative to
// OUT_DIR and possibly holding blanks) to a bitmap whose format follows the path's suffix (png, jpg, ico).
// With --sheet it also draws a contact sheet: every source once, at 16, 24, 32 and 48 pixels, on the
// window background and on white, so that a person can check that the icons read at small sizes.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

struct Entry {
    QString set;
    QString source;
    QSize size;
    QString path;
    int line = 0;
};

bool parseSize(const QString& text, QSize* size) {
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okWidth = false;
    bool okHeight = false;
    const int width = parts.value(0).toInt(&okWidth);
    const int height = parts.size() == 2 ? parts.at(1).toInt(&okHeight) : (okHeight = okWidth, width);
    if (parts.size() > 2 || !okWidth || !okHeight || width <= 0 || height <= 0 || width > 1024 || height > 1024)
        return false;
    *size = QSize(width, height);
    return true;
}

bool readManifest(const QString& path, std::vector<Entry>* entries, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    static const QRegularExpression pattern(QStringLiteral("^(\\S+)\\s+(\\S+\\.svg)\\s+(\\S+)\\s+(\\S.*?)\\s*$"));
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch match = pattern.match(line);
        Entry entry;
        if (!match.hasMatch() || !parseSize(match.captured(3), &entry.size)) {
            *error = QStringLiteral("%1:%2: expected \"<set> <source.svg> <size> <path>\"").arg(path).arg(number);
            return false;
        }
        entry.set = match.captured(1);
        entry.source = match.captured(2);
        entry.path = match.captured(4);
        entry.line = number;
        entries->push_back(entry);
    }
    return true;
}

QImage render(QSvgRenderer& renderer, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

bool save(const QImage& image, const QString& path, QString* error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray format = "png";
    QImage out = image;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        // JPEG has no transparency: lay the picture on white.
        format = "jpg";
        out = QImage(image.size(), QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter painter(&out);
        painter.drawImage(0, 0, image);
    } else if (suffix == QLatin1String("ico")) {
        format = "ico";
        out = image.convertToFormat(QImage::Format_ARGB32);
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot make the folder of %1").arg(path);
        return false;
    }
    QImageWriter writer(path, format);
    if (format == "jpg")
        writer.setQuality(92);
    if (!writer.write(out)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

void drawSheet(const std::vector<Entry>& entries, const QString& svgDir, const QString& path, QString* error) {
    QStringList sources;
    for (const Entry& entry : entries)
        if (!sources.contains(entry.source))
            sources << entry.source;

    const int sizes[] = {16, 24, 32, 48};
    const int columns = 4;
    const QSize cell(2 * (16 + 24 + 32 + 48 + 5 * 8) + 10, 80);
    const int rows = (int(sources.size()) + columns - 1) / columns;
    QImage sheet(columns * cell.width(), rows * cell.height(), QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 205));

    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (int i = 0; i < int(sources.size()); ++i) {
        const QRect area(QPoint((i % columns) * cell.width(), (i / columns) * cell.height()), cell);
        QSvgRenderer renderer(QDir(svgDir).filePath(sources.at(i)));
        // Left half on the main window's background, right half on white.
        const QColor backgrounds[] = {QColor(242, 242, 245), Qt::white};
        for (int half = 0; half < 2; ++half) {
            const QRect panel(area.left() + 2 + half * (cell.width() / 2), area.top() + 2, cell.width() / 2 - 4,
                              cell.height() - 4);
            painter.fillRect(panel, backgrounds[half]);
            int x = panel.left() + 8;
            for (int size : sizes) {
                painter.drawImage(x, panel.top() + 4 + (48 - size), render(renderer, QSize(size, size)));
                x += size + 8;
            }
        }
        painter.setPen(Qt::black);
        painter.drawText(area.adjusted(8, 0, 0, -6), Qt::AlignLeft | Qt::AlignBottom, sources.at(i));
    }
    painter.end();
    if (!sheet.save(path))
        *error = QStringLiteral("cannot write %1").arg(path);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList arguments = app.arguments();
    QString sheetPath;
    const int sheetOption = arguments.indexOf(QStringLiteral("--sheet"));
    if (sheetOption >= 0 && sheetOption + 1 < arguments.size()) {
        sheetPath = arguments.at(sheetOption + 1);
        arguments.remove(sheetOption, 2);
    }
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: render-artwork MANIFEST SVG_DIR OUT_DIR [--sheet SHEET.png]\n");
        return 2;
    }
    const QString svgDir = arguments.at(2);
    const QDir outDir(arguments.at(3));

    std::vector<Entry> entries;
    QString error;
    if (!readManifest(arguments.at(1), &entries, &error)) {
        std::fprintf(stderr, "render-artwork: %s\n", qPrintable(error));
        return 1;
    }
    for (const Entry& entry : entries) {
        QSvgRenderer renderer(QDir(svgDir).filePath(entry.source));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "render-artwork: manifest line %d: %s is not a valid SVG drawing\n", entry.line,
                         qPrintable(entry.source));
            return 1;
        }
        if (!save(render(renderer, entry.size), outDir.filePath(entry.path), &error)) {
            std::fprintf(stderr, "render-artwork: %s\n", qPrintable(error));
            return 1;
        }
    }
    if (!sheetPath.isEmpty()) {
        drawSheet(entries, svgDir, sheetPath, &error);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "render-artwork: %s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
