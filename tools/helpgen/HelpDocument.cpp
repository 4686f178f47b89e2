#include "HelpDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {
const QColor kAccent(0x23, 0x46, 0x6e);
const QColor kRule(0xa0, 0xa8, 0xb4);
const QColor kShade(0xee, 0xf1, 0xf5);
const QColor kMuted(0x55, 0x5d, 0x68);

// Lengths in text formats are in pixels of a 96 dpi screen; the layout scales them to the device.
constexpr qreal Pt(qreal points) {
    return points * 96.0 / 72.0;
}

QFont Font(const QStringList& families, qreal points, QFont::Weight weight = QFont::Normal) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

const QStringList kSerif = {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                            QStringLiteral("serif")};
const QStringList kSans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                           QStringLiteral("sans-serif")};
const QStringList kMono = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                           QStringLiteral("monospace")};

constexpr qreal kBodyPoints = 10.5;
constexpr std::array<qreal, 4> kHeadingPoints = {0, 24, 16, 12.5};

// Changes the character format of every piece of text in the block. Formats are set whole, so
// a change may also remove a property the importer gave them.
template <typename Change> void RestyleText(const QTextBlock& block, Change change) {
    std::vector<std::pair<int, int>> spans;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        spans.emplace_back(it.fragment().position(), it.fragment().length());
    QTextCursor cursor(block);
    for (const auto& [position, length] : spans) {
        cursor.setPosition(position + 1);
        QTextCharFormat chars = cursor.charFormat();
        change(chars);
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(chars);
    }
}

bool IsCodeBlock(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    return block.isValid() &&
           (format.hasProperty(QTextFormat::BlockCodeFence) || format.nonBreakableLines());
}

void StyleHeading(QTextCursor& cursor, int level) {
    const QFont font = Font(kSans, kHeadingPoints[std::min(level, 3)], QFont::Bold);
    RestyleText(cursor.block(), [&font](QTextCharFormat& chars) {
        // The importer sizes headings relative to the body; these sizes are absolute.
        chars.clearProperty(QTextFormat::FontSizeAdjustment);
        chars.setFont(font);
        chars.setForeground(kAccent);
    });
    QTextBlockFormat block = cursor.blockFormat();
    block.setAlignment(level == 1 ? Qt::AlignHCenter : Qt::AlignLeft);
    block.setTopMargin(Pt(level == 1 ? 0 : level == 2 ? 16 : 10));
    block.setBottomMargin(Pt(level == 1 ? 14 : level == 2 ? 8 : 4));
    block.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
    cursor.setBlockFormat(block);
}

// Each line of a code listing is a block of its own; the listing as a whole keeps its distance.
void StyleCode(QTextCursor& cursor) {
    const QFont font = Font(kMono, 9);
    RestyleText(cursor.block(), [&font](QTextCharFormat& chars) { chars.setFont(font); });
    QTextBlockFormat block = cursor.blockFormat();
    block.setBackground(kShade);
    block.setLeftMargin(Pt(6));
    block.setTopMargin(IsCodeBlock(cursor.block().previous()) ? 0 : Pt(2));
    block.setBottomMargin(IsCodeBlock(cursor.block().next()) ? 0 : Pt(8));
    block.setAlignment(Qt::AlignLeft);
    cursor.setBlockFormat(block);
}

void StyleParagraph(QTextCursor& cursor, bool inTable) {
    QTextBlockFormat block = cursor.blockFormat();
    // Without hyphenation, justified lines with long German words gape; ragged right reads better.
    block.setAlignment(Qt::AlignLeft);
    block.setTopMargin(0);
    qreal below = Pt(6);
    if (inTable) {
        below = 0;
    } else if (QTextList* list = cursor.currentList()) {
        // Items sit close together; the list as a whole keeps a paragraph's distance.
        if (list->itemNumber(cursor.block()) < list->count() - 1)
            below = Pt(2);
    }
    block.setBottomMargin(below);
    block.setLineHeight(112, QTextBlockFormat::ProportionalHeight);
    cursor.setBlockFormat(block);
}

// Inline code keeps a monospaced face, a little smaller than the text around it.
void StyleInlineCode(const QTextBlock& block) {
    RestyleText(block, [](QTextCharFormat& chars) {
        if (!chars.fontFixedPitch())
            return;
        chars.setFontFamilies(kMono);
        chars.setFontPointSize(kBodyPoints - 1.5);
    });
}

void StyleTable(QTextTable* table) {
    QTextTableFormat format = table->format();
    format.setBorder(Pt(0.5));
    format.setBorderBrush(kRule);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellSpacing(0);
    format.setCellPadding(Pt(3));
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setTopMargin(Pt(4));
    format.setBottomMargin(Pt(8));
    format.setHeaderRowCount(1);
    format.setAlignment(Qt::AlignLeft);
    table->setFormat(format);
    for (int column = 0; column < table->columns(); ++column) {
        QTextTableCell cell = table->cellAt(0, column);
        QTextCharFormat head = cell.format();
        head.setBackground(kShade);
        head.setFontWeight(QFont::Bold);
        cell.setFormat(head);
    }
    // Tables hold short entries; a smaller sans face keeps them compact.
    QTextCursor cursor = table->firstCursorPosition();
    cursor.setPosition(table->lastPosition(), QTextCursor::KeepAnchor);
    QTextCharFormat chars;
    chars.setFontFamilies(kSans);
    chars.setFontPointSize(9.5);
    cursor.mergeCharFormat(chars);
}
void BreakBefore(const QTextBlock& block) {
    QTextCursor cursor(block);
    QTextBlockFormat format = cursor.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
}

} // namespace

THelpDocument::THelpDocument(const QString& markdown) {
    // The importer derives its paragraph spacing from the default font, so it comes first.
    FDocument.setDefaultFont(Font(kSerif, kBodyPoints));
    FDocument.setDocumentMargin(0);
    FDocument.setMarkdown(markdown);
    ApplyStyles();
}

void THelpDocument::ApplyStyles() {
    QTextCursor cursor(&FDocument);
    for (QTextBlock block = FDocument.begin(); block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        const int level = block.blockFormat().headingLevel();
        if (level > 0) {
            StyleHeading(cursor, level);
        } else if (IsCodeBlock(block)) {
            StyleCode(cursor);
        } else {
            StyleParagraph(cursor, cursor.currentTable() != nullptr);
            StyleInlineCode(block);
        }
    }
    for (QTextFrame* frame : FDocument.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            StyleTable(table);
}

qreal THelpDocument::Mm(qreal mm) const {
    return mm / 25.4 * FDevice->logicalDpiY();
}

void THelpDocument::Layout(QPaintDevice* device, QSizeF page) {
    FDevice = device;
    FPage = page;
    FMargins = QMarginsF(Mm(22), Mm(22), Mm(22), Mm(20));
    FBody = QSizeF(page.width() - FMargins.left() - FMargins.right(),
                   page.height() - FMargins.top() - FMargins.bottom());
    FDocument.documentLayout()->setPaintDevice(device);
    FDocument.setPageSize(FBody);
    KeepTogether();
}

// A heading at the foot of a page, with its text on the next, moves to the next page; so does a
// table that would be split but fits on one page, with the heading right above it.
void THelpDocument::KeepTogether() {
    QAbstractTextDocumentLayout* layout = FDocument.documentLayout();
    const qreal pageHeight = FBody.height();
    const auto pageEnd = [pageHeight](qreal y) {
        return (std::floor(y / pageHeight) + 1) * pageHeight;
    };
    // Room for the first few lines of text below a heading.
    const qreal reserve = Mm(16);
    QTextBlock heading;
    for (auto it = FDocument.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            // Unlike a block's, a frame's rectangle does not bring the layout up to date itself.
            layout->documentSize();
            const QRectF rect = layout->frameBoundingRect(table);
            if (rect.height() < pageHeight * 0.8 && rect.bottom() > pageEnd(rect.top())) {
                if (heading.isValid()) {
                    BreakBefore(heading);
                } else {
                    QTextTableFormat format = table->format();
                    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                    table->setFormat(format);
                }
            }
            heading = QTextBlock();
            continue;
        }
        const QTextBlock block = it.currentBlock();
        heading = block.blockFormat().headingLevel() > 1 ? block : QTextBlock();
        if (!heading.isValid())
            continue;
        const QRectF rect = layout->blockBoundingRect(block);
        if (rect.bottom() + reserve > pageEnd(rect.top()))
            BreakBefore(block);
    }
}

int THelpDocument::PageCount() const {
    return FDocument.pageCount();
}

QString THelpDocument::Title() const {
    for (QTextBlock block = FDocument.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == 1)
            return block.text();
    return QString();
}

void THelpDocument::PaintPage(QPainter& painter, int page) const {
    const QRectF clip(0, page * FBody.height(), FBody.width(), FBody.height());
    painter.save();
    painter.translate(FMargins.left(), FMargins.top() - clip.top());
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, Qt::black);
    FDocument.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.save();
    painter.setFont(Font(kSans, 8.5));
    painter.setPen(kMuted);
    const qreal left = FMargins.left();
    const qreal width = FBody.width();
    const qreal textHeight = painter.fontMetrics().height();
    // The running head leaves the title page alone.
    if (page > 0) {
        const qreal base = FMargins.top() - Mm(8);
        painter.drawText(QRectF(left, base - textHeight, width, textHeight),
                         Qt::AlignLeft | Qt::AlignBottom, Title());
        painter.setPen(QPen(kRule, Mm(0.2)));
        painter.drawLine(QPointF(left, base + Mm(1.5)), QPointF(left + width, base + Mm(1.5)));
        painter.setPen(kMuted);
    }
    const qreal foot = FPage.height() - FMargins.bottom() + Mm(10);
    painter.drawText(QRectF(left, foot, width, textHeight), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Seite %1 von %2").arg(page + 1).arg(PageCount()));
    painter.restore();
}
