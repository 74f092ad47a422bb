#include "docs/ui/rtf_builder.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

namespace docs {
namespace {

// 1440 twips are an inch; the screen has 96 pixels to the inch.
qreal Pixels(int twips) { return twips / 15.0; }

QString ToQString(const std::u32string& text) {
    QString s = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QChar('\n'), QChar::LineSeparator);
    return s;
}

QTextCharFormat CharFormatOf(const CharFormat& format) {
    QTextCharFormat f;
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setFontUnderline(format.underline);
    f.setFontPointSize(format.halfPoints / 2.0);
    if (!format.font.empty()) f.setFontFamilies({QString::fromStdString(format.font)});
    if (format.colour)
        f.setForeground(QColor(format.colour->red, format.colour->green, format.colour->blue));
    return f;
}

QTextBlockFormat BlockFormatOf(const ParagraphFormat& format) {
    QTextBlockFormat f;
    switch (format.alignment) {
        case Alignment::Left:
            f.setAlignment(Qt::AlignLeft);
            break;
        case Alignment::Centre:
            f.setAlignment(Qt::AlignHCenter);
            break;
        case Alignment::Right:
            f.setAlignment(Qt::AlignRight);
            break;
        case Alignment::Justify:
            f.setAlignment(Qt::AlignJustify);
            break;
    }
    const qreal left = std::max<qreal>(0, Pixels(format.leftIndent));
    f.setLeftMargin(left);
    f.setRightMargin(std::max<qreal>(0, Pixels(format.rightIndent)));
    // A hanging first line never reaches left of the page.
    const qreal indent = std::max(-left, Pixels(format.firstLineIndent));
    f.setTextIndent(indent);
    f.setTopMargin(Pixels(format.spaceBefore));
    f.setBottomMargin(Pixels(format.spaceAfter));
    if (indent < 0) {
        // The tab after a bullet or a number goes to the paragraph's left indent (Qt counts tab
        // positions from where the line starts).
        f.setTabPositions({QTextOption::Tab(-indent, QTextOption::LeftTab)});
    }
    if (format.pageBreakBefore) f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return f;
}

// Writes a paragraph into the block the cursor stands in (fresh) or into a new block after it.
void WriteParagraph(QTextCursor& cursor, const Paragraph& paragraph, bool freshBlock) {
    const QTextBlockFormat blockFormat = BlockFormatOf(paragraph.format);
    const QTextCharFormat endFormat = CharFormatOf(paragraph.endFormat);
    if (freshBlock) {
        cursor.setBlockFormat(blockFormat);
        // Merged, not set: in a table cell the block's character format also holds the cell's span.
        cursor.mergeBlockCharFormat(endFormat);
    } else {
        cursor.insertBlock(blockFormat, endFormat);
    }
    for (const Run& run : paragraph.runs)
        cursor.insertText(ToQString(run.text), CharFormatOf(run.format));
}

QTextTableFormat TableFormatOf(const Table& table) {
    QTextTableFormat f;
    f.setBorder(1);
    f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    f.setBorderBrush(QColor(0x80, 0x80, 0x80));
    f.setBorderCollapse(true);
    f.setCellSpacing(0);
    f.setCellPadding(4);
    f.setAlignment(Qt::AlignLeft);
    // Column widths from the row with the most cells, when its cell edges make sense.
    const size_t columns = table.Columns();
    for (const TableRow& row : table.rows) {
        if (row.cells.size() != columns) continue;
        QList<QTextLength> widths;
        int left = 0;
        for (const TableCell& cell : row.cells) {
            if (cell.rightEdge <= left) return f;
            widths.append(QTextLength(QTextLength::FixedLength, Pixels(cell.rightEdge - left)));
            left = cell.rightEdge;
        }
        f.setColumnWidthConstraints(widths);
        break;
    }
    return f;
}

// The room the paragraphs around a table ask for: Qt lays a table out without the bottom margin of
// the block above it and the top margin of the block below it, so the table's frame keeps them.
void WriteTable(QTextCursor& cursor, const Table& table, qreal roomAbove, qreal roomBelow) {
    const int rows = static_cast<int>(table.rows.size());
    const int columns = static_cast<int>(table.Columns());
    QTextTableFormat format = TableFormatOf(table);
    format.setTopMargin(roomAbove);
    format.setBottomMargin(roomBelow);
    QTextTable* qtable = cursor.insertTable(rows, columns, format);
    // A row with fewer cells than the table has columns: its last cell takes the rest.
    for (int r = 0; r < rows; ++r) {
        const int cells = static_cast<int>(table.rows[r].cells.size());
        if (cells < columns) qtable->mergeCells(r, cells - 1, 1, columns - cells + 1);
    }
    for (int r = 0; r < rows; ++r) {
        const auto& cells = table.rows[r].cells;
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            QTextCursor cellCursor = qtable->cellAt(r, c).firstCursorPosition();
            bool fresh = true;
            for (const Paragraph& paragraph : cells[c].paragraphs) {
                WriteParagraph(cellCursor, paragraph, fresh);
                fresh = false;
            }
        }
    }
    cursor.movePosition(QTextCursor::End);
}

// Writes the blocks of source at the cursor: the first paragraph into the cursor's block when it
// is fresh, otherwise each into a new block after it.
void WriteBlocks(const RtfDocument& source, QTextCursor& cursor, bool fresh) {
    const Paragraph* previous = nullptr;
    for (size_t i = 0; i < source.blocks.size(); ++i) {
        if (const auto* paragraph = std::get_if<Paragraph>(&source.blocks[i])) {
            WriteParagraph(cursor, *paragraph, fresh);
            fresh = false;
            previous = paragraph;
        } else {
            const Paragraph* next = i + 1 < source.blocks.size()
                                        ? std::get_if<Paragraph>(&source.blocks[i + 1])
                                        : nullptr;
            WriteTable(cursor, std::get<Table>(source.blocks[i]),
                       previous ? std::max<qreal>(0, Pixels(previous->format.spaceAfter)) : 0,
                       next ? std::max<qreal>(0, Pixels(next->format.spaceBefore)) : 0);
            fresh = true;
            previous = nullptr;
        }
    }
}

}  // namespace

void BuildTextDocument(const RtfDocument& source, QTextDocument& document) {
    document.clear();
    document.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    WriteBlocks(source, cursor, true);
    cursor.endEditBlock();
    document.setModified(false);
}

void AppendToTextDocument(const RtfDocument& source, QTextDocument& document) {
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    WriteBlocks(source, cursor, document.isEmpty());
    cursor.endEditBlock();
}

}  // namespace docs
