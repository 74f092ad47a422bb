#include "docs/ui/rtf_builder.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <filesystem>

#include "base/text_codec.h"
#include "docs/rich_text.h"
#include "docs/rtf_reader.h"
#include "support/test_data.h"

namespace {

docs::RichText Fixture(const char* name) {
    docs::RichText text;
    EXPECT_EQ(text.LoadFile(testsupport::TestData(std::string("rtf/") + name)),
              docs::RichText::LoadResult::Loaded);
    return text;
}

// The viewer's positions are those of the QTextDocument: the plain text of both must be the same,
// character for character (Qt shows a no-break space as a blank in its plain text).
TEST(RtfBuilder, ShownTextHasExactlyThePositionsTheTextOperationsCount) {
    std::vector<docs::RichText> texts;
    for (const char* name : {"libreoffice_article.rtf", "libreoffice_plan.rtf", "word_cp1251.rtf",
                             "raw_cp1251.rtf", "unicode_escapes.rtf"}) {
        texts.push_back(Fixture(name));
    }
    for (
        const char* rtf :
        {"", R"({\rtf1\trowd\cellx100\intbl a\cell\row})",
         R"({\rtf1\trowd\cellx100\intbl a\cell\row\trowd\cellx100\cellx200\intbl b\cell c\par d\cell\row})"
         R"(\pard x\par\trowd\cellx100\cellx200\cellx300\intbl e\cell\row\pard\par\par})",
         R"({\rtf1 a\line b\tab c\par\par\par})"}) {
        docs::RichText text;
        text.SetRtfText(rtf);
        texts.push_back(std::move(text));
    }
    for (const docs::RichText& text : texts) {
        QTextDocument document;
        docs::BuildTextDocument(text.Document(), document);
        QString shown = QString::fromStdString(text.PlainText());
        shown.replace(QChar(0x00A0), QChar(' '));
        EXPECT_EQ(document.toPlainText().toStdString(), shown.toStdString());
        EXPECT_EQ(document.characterCount() - 1, text.Utf16Position(text.Length()));
    }
}

TEST(RtfBuilder, FormattingAlignmentAndTablesReachTheShownDocument) {
    const docs::RichText text = Fixture("word_cp1251.rtf");
    QTextDocument document;
    docs::BuildTextDocument(text.Document(), document);

    QTextCursor found = document.find(QStringLiteral("жирный"));
    ASSERT_FALSE(found.isNull());
    EXPECT_EQ(found.charFormat().fontWeight(), QFont::Bold);
    found = document.find(QStringLiteral("курсив"));
    EXPECT_TRUE(found.charFormat().fontItalic());
    EXPECT_NE(found.charFormat().fontWeight(), QFont::Bold);
    found = document.find(QStringLiteral("подчёркнутый"));
    EXPECT_TRUE(found.charFormat().fontUnderline());
    found = document.find(QStringLiteral("красный"));
    EXPECT_EQ(found.charFormat().foreground().color(), QColor(192, 0, 0));

    const QTextBlock title =
        document.findBlock(document.find(QStringLiteral("Здоровье")).position());
    EXPECT_TRUE(title.blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(document.find(QStringLiteral("Здоровье")).charFormat().fontPointSize(), 16.0);
    const QTextBlock body = document.findBlock(document.find(QStringLiteral("Обычный")).position());
    EXPECT_TRUE(body.blockFormat().alignment() & Qt::AlignJustify);
    EXPECT_GT(body.blockFormat().textIndent(), 0);
    const QTextBlock right =
        document.findBlock(document.find(QStringLiteral("По правому")).position());
    EXPECT_TRUE(right.blockFormat().alignment() & Qt::AlignRight);

    QTextCursor inTable = document.find(QStringLiteral("во время еды"));
    QTextTable* table = inTable.currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(table->cellAt(inTable).row(), 1);
    EXPECT_EQ(table->cellAt(inTable).column(), 1);
}

TEST(RtfBuilder, ARowWithFewerCellsSpansTheRestOfTheTable) {
    docs::RichText text;
    text.SetRtfText(R"({\rtf1\trowd\cellx1000\cellx2000\cellx3000\intbl a\cell b\cell c\cell\row)"
                    R"(\trowd\cellx3000\intbl wide\cell\row})");
    QTextDocument document;
    docs::BuildTextDocument(text.Document(), document);
    QTextCursor wide = document.find(QStringLiteral("wide"));
    ASSERT_NE(wide.currentTable(), nullptr);
    EXPECT_EQ(wide.currentTable()->cellAt(wide).columnSpan(), 3);
}

// A table stands apart from the text around it: the room a paragraph asks for below it (before a
// table) or above it (after a table) holds next to a table as it does between paragraphs.
TEST(RtfBuilder, TheTextAroundATableKeepsItsDistanceFromIt) {
    docs::RichText text;
    text.SetRtfText(R"({\rtf1\pard\sa240 before\par)"
                    R"(\trowd\cellx2000\intbl cell\cell\row)"
                    R"(\pard\sb360 after\par})");
    QTextDocument document;
    docs::BuildTextDocument(text.Document(), document);
    document.setTextWidth(400);
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const auto textRect = [&](const char* word) {
        const QTextBlock block =
            document.findBlock(document.find(QString::fromLatin1(word)).position());
        return block.layout()->boundingRect().translated(
            layout->blockBoundingRect(block).topLeft());
    };
    const QRectF before = textRect("before");
    const QRectF cell = textRect("cell");
    const QRectF after = textRect("after");
    const qreal lineHeight = QFontMetricsF(document.defaultFont()).height();
    EXPECT_GE(cell.top() - before.bottom(), 240 / 15.0) << "below the paragraph before";
    EXPECT_GE(after.top() - cell.bottom(), 360 / 15.0) << "above the paragraph after";
    EXPECT_LT(after.top() - cell.bottom(), 360 / 15.0 + lineHeight) << "and not much more";
}

}  // namespace
