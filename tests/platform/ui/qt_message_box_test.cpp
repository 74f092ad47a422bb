// The message box users see: its words, its buttons, and a width that suits a title bar.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt_services.h"

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
