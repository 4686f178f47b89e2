// Prints the user guide from Markdown into an A4 PDF:
//   kelvro_helpgen GUIDE.md OUTPUT.pdf

#include "HelpDocument.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>

namespace {
int Fail(const QString& message) {
    std::fprintf(stderr, "kelvro_helpgen: %s\n", qPrintable(message));
    return 1;
}
} // namespace

int main(int argc, char** argv) {
    // Fonts need the application object, and the application a platform (offscreen will do).
    QGuiApplication application(argc, argv);
    if (argc != 3)
        return Fail(QStringLiteral("usage: kelvro_helpgen GUIDE.md OUTPUT.pdf"));
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);

    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1: %2").arg(source, input.errorString()));
    const QString markdown = QString::fromUtf8(input.readAll());
    if (markdown.trimmed().isEmpty())
        return Fail(QStringLiteral("%1 is empty").arg(source));

    THelpDocument document(markdown);
    // A build stopped half-way leaves the previous document or none, never a truncated one.
    QSaveFile output(target);
    if (!output.open(QIODevice::WriteOnly))
        return Fail(QStringLiteral("cannot write %1: %2").arg(target, output.errorString()));
    QPdfWriter writer(&output);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setTitle(document.Title());
    writer.setCreator(QStringLiteral("Kelvro"));
    document.Layout(&writer, QSizeF(writer.width(), writer.height()));

    QPainter painter;
    if (!painter.begin(&writer))
        return Fail(QStringLiteral("cannot print to %1").arg(target));
    for (int page = 0; page < document.PageCount(); ++page) {
        if (page > 0)
            writer.newPage();
        document.PaintPage(painter, page);
    }
    painter.end();
    if (!output.commit())
        return Fail(QStringLiteral("cannot write %1: %2").arg(target, output.errorString()));
    return 0;
}
