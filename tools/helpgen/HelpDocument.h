#pragma once

#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QTextDocument>

class QPainter;
class QPaintDevice;

// The user guide, read from Markdown and set as a printed manual: serif body text, sans-serif
// headings, framed tables, shaded code, a running head and page numbers on A4 pages.
class THelpDocument {
public:
    explicit THelpDocument(const QString& markdown);

    // Lays the text out in the device's pixels on pages of the given size (the whole sheet);
    // the margins are the document's own.
    void Layout(QPaintDevice* device, QSizeF page);
    int PageCount() const;
    // Paints page `page` (from 0) with the painter's origin at the sheet's top-left corner.
    void PaintPage(QPainter& painter, int page) const;
    // The text of the first top-level heading.
    QString Title() const;

private:
    void ApplyStyles();
    void KeepTogether();
    qreal Mm(qreal mm) const;

    QTextDocument FDocument;
    QPaintDevice* FDevice = nullptr;
    QSizeF FPage;
    QMarginsF FMargins;
    QSizeF FBody;
};
