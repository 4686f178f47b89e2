// Draws the application icon from its SVG into PNG files of the given sizes:
//   kelvro_icongen ICON.svg FOLDER SIZE...
// writes FOLDER/NxN/apps/kelvro.png for every SIZE N, the layout of an icon theme.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

namespace {
int Fail(const QString& message) {
    std::fprintf(stderr, "kelvro_icongen: %s\n", qPrintable(message));
    return 1;
}

bool WriteIcon(QSvgRenderer& renderer, int size, const QString& fileName) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    // A build stopped half-way leaves the old icon or none, never a truncated one.
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return Fail(QStringLiteral("usage: kelvro_icongen ICON.svg FOLDER SIZE..."));
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return Fail(QStringLiteral("cannot read the icon %1").arg(source));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 4096)
            return Fail(
                QStringLiteral("not an icon size: %1").arg(QString::fromLocal8Bit(argv[i])));
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir))
            return Fail(QStringLiteral("cannot create the folder %1").arg(dir));
        const QString fileName = dir + QStringLiteral("/kelvro.png");
        if (!WriteIcon(renderer, size, fileName))
            return Fail(QStringLiteral("cannot write %1").arg(fileName));
    }
    return 0;
}
