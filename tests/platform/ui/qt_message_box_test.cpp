// The message box users see: its words, its buttons, a width that suits a title bar, and the
// whole of its text whatever its length and the font size.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

#include "platform/qt_services.h"
#include "text/catalogue.h"

namespace {

struct Seen {
    QString text;
    QStringList buttons;
    int width = 0;
};

TEST(QtMessageBox, ShortMessagesGetABoxWideEnoughAndTheRussianButtons) {
    platform::QtMessageBox messages;
    for (const auto& [buttons, press, expected] :
         {std::tuple{platform::MessageBox::Buttons::Ok, QStringLiteral("OK"),
                     platform::MessageBox::Answer::Ok},
          std::tuple{platform::MessageBox::Buttons::OkCancel, QStringLiteral("Отмена"),
                     platform::MessageBox::Answer::Cancel}}) {
        Seen seen;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            timer.stop();
            seen.text = box->text();
            for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
            seen.width = box->width();
            for (QAbstractButton* b : box->buttons())
                if (b->text() == press) b->click();
        });
        timer.start(10);
        EXPECT_EQ(messages.Show("Введите пол", buttons, platform::MessageBox::Icon::None),
                  expected);
        EXPECT_EQ(seen.text, QStringLiteral("Введите пол"));
        EXPECT_TRUE(seen.buttons.contains(QStringLiteral("OK")));
        EXPECT_EQ(seen.buttons.contains(QStringLiteral("Отмена")),
                  buttons == platform::MessageBox::Buttons::OkCancel);
        EXPECT_GE(seen.width, 260);
    }
}

}  // namespace

namespace {

// The longest item of a message list ("^1…^2…").
std::string LongestItem(const std::string& list) {
    std::string longest;
    for (int n = 1; n <= 40; ++n) {
        const std::string item = text::GetListItem(list, n);
        if (item.size() > longest.size()) longest = item;
    }
    return longest;
}

// The longest text of the catalogue.
std::string LongestCatalogueText() {
    std::string longest;
    for (int table = 0; table < text::Catalogue::kTables; ++table) {
        const QStringList entries =
            QString::fromStdString(text::BuiltinCatalogue().Table(table)).split('^');
        for (const QString& entry : entries) {
            const std::string body = entry.mid(entry.indexOf('~') + 1).toStdString();
            if (body.size() > longest.size()) longest = body;
        }
    }
    return text::ReplaceBreaks(longest);
}

// What a person would miss of the text in the box on screen; empty when everything shows.
QString Clipped(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return QStringLiteral("no text label");
    if (!box.rect().contains(label->geometry())) return QStringLiteral("text outside the box");
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
        if (label->heightForWidth(label->width()) > label->height())
            return QStringLiteral("wrapped text taller than its room");
        const QFontMetrics metrics(label->font());
        for (const QString& word : label->text().split(QRegularExpression("\\s+")))
            if (metrics.horizontalAdvance(word) > room.width()) return "word cut: " + word;
    } else if (label->sizeHint().width() > label->width() ||
               label->sizeHint().height() > label->height()) {
        return QStringLiteral("line wider than its room (%1 > %2)")
            .arg(label->sizeHint().width())
            .arg(label->width());
    }
    if (box.frameGeometry().width() > box.screen()->availableGeometry().width())
        return QStringLiteral("box wider than the screen");
    return {};
}

TEST(QtMessageBox, EveryMessageShowsItsWholeTextAtEveryFontSize) {
    const std::string regist = text::FormText("frmRegist", "lblNumUser");
    std::vector<std::pair<const char*, std::string>> messages = {
        {"no users", text::GetListItem(text::GetBufText(6), 3)},
        {"age", text::GetBufText(2)},
        {"password", text::GetListItem(regist, 7)},
        {"registration", LongestItem(regist)},
        {"questionnaire", text::FormText("frmAnketa", "msgNoResults")},
        {"results", text::ReplaceBreaks(text::FormText("results", "RecordNotWritten"))},
        {"printer", text::FormText("platform", "NoPrinter")},
        {"catalogue", LongestCatalogueText()},
    };
    for (int slot = 0; slot <= 9; ++slot)
        messages.emplace_back("general holder", LongestItem(text::GetBufText(slot)));

    const QFont original = QApplication::font();
    platform::QtMessageBox box;
    for (const qreal points : {original.pointSizeF(), 14.0, 22.0}) {
        QFont font = original;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        for (const auto& [what, message] : messages) {
            QString clipped = QStringLiteral("never shown");
            QTimer timer;
            QObject::connect(&timer, &QTimer::timeout, [&] {
                auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!shown) return;
                timer.stop();
                clipped = Clipped(*shown);
                shown->button(QMessageBox::Ok)->click();
            });
            timer.start(10);
            box.Show(message, platform::MessageBox::Buttons::Ok,
                     platform::MessageBox::Icon::Warning);
            EXPECT_TRUE(clipped.isEmpty())
                << what << " at " << points << " pt: " << clipped.toStdString();
        }
    }
    QApplication::setFont(original);
}

}  // namespace
