// The shared controls of the screens for the keyboard and for screen readers.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "platform/widgets/accessible_names.h"
#include "platform/widgets/clickable_label.h"

namespace {

TEST(ScreenKitAccessibilityTest, TheLinkIsReachedAndOpenedWithTheKeyboardAndAnnouncedAsALink) {
    QWidget screen;
    auto* before = new QLineEdit(&screen);
    auto* link = new widgets::ClickableLabel(&screen);
    link->setText("https://example.org/news");
    auto* layout = new QVBoxLayout(&screen);
    layout->addWidget(before);
    layout->addWidget(link);
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    QSignalSpy clicked(link, &widgets::ClickableLabel::clicked);

    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Space);
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_A);  // other keys do nothing
    EXPECT_EQ(clicked.count(), 2);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    EXPECT_EQ(accessible->text(QAccessible::Name), "https://example.org/news");
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 3);
    link->setEnabled(false);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 3) << "a disabled link opened";
}

TEST(ScreenKitAccessibilityTest, ABoxIsNamedByItsCaptionAsTheCaptionStandsWhenShown) {
    QWidget screen;
    auto* caption = new QLabel("Вес  (кг)", &screen);
    auto* box = new QLineEdit(&screen);
    auto* example = new QLabel("(например:", &screen);
    auto* value = new QLabel(" 82)", &screen);
    auto* layout = new QVBoxLayout(&screen);
    for (QWidget* widget : {static_cast<QWidget*>(caption), static_cast<QWidget*>(box),
                            static_cast<QWidget*>(example), static_cast<QWidget*>(value)})
        layout->addWidget(widget);
    widgets::NameFromCaption(box, caption, {example, value});
    // A screen may complete its texts while it loads, before it is shown.
    value->setText(" 75)");
    screen.show();

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Вес (кг)");
    EXPECT_EQ(accessible->text(QAccessible::Description), "(например: 75)");
    EXPECT_EQ(caption->buddy(), box);
    const auto labels = accessible->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->object(), caption);
}

}  // namespace
