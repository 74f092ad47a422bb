#include "platform/widgets/print_screen.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "support/ui_fixture.h"

namespace {

// A screen like the result screens: a text and its four buttons.
class PrintScreenTest : public testsupport::UiFixture {
  protected:
    PrintScreenTest() {
        auto* layout = new QVBoxLayout(&screen);
        for (const char* name : {"cmdContinue", "cmdReturn", "cmdClose", "cmdPrint"}) {
            auto* button = new QPushButton(QString::fromLatin1(name), &screen);
            button->setObjectName(QString::fromLatin1(name));
            layout->addWidget(button);
            buttons.push_back(button);
        }
        screen.show();
    }

    QWidget screen;
    std::vector<QWidget*> buttons;
};

TEST_F(PrintScreenTest, TheButtonsAreHiddenWhileTheScreenIsPrintedAndComeBack) {
    std::vector<bool> hiddenWhilePrinting;
    printer.onPrintWidget = [&](QWidget& printed) {
        EXPECT_EQ(&printed, &screen);
        for (QWidget* button : buttons) hiddenWhilePrinting.push_back(button->isHidden());
    };
    widgets::PrintScreen(context, screen, buttons);
    EXPECT_EQ(hiddenWhilePrinting, std::vector<bool>(4, true));
    EXPECT_EQ(printer.widgetsPrinted, 1);
    EXPECT_TRUE(messages.shown.empty());
    for (QWidget* button : buttons)
        EXPECT_FALSE(button->isHidden()) << button->objectName().toStdString();
}

TEST_F(PrintScreenTest, AFailingPrinterIsReportedAndTheButtonsStillComeBack) {
    printer.fail = true;
    printer.errorNumber = 482;
    printer.description = "Принтер не найден";
    widgets::PrintScreen(context, screen, buttons);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "482 Принтер не найден");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Critical);
    EXPECT_EQ(messages.shown[0].buttons, platform::MessageBox::Buttons::Ok);
    for (QWidget* button : buttons)
        EXPECT_FALSE(button->isHidden()) << button->objectName().toStdString();

    // Every print is a step of its own: a second failing print is reported again.
    widgets::PrintScreen(context, screen, buttons);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(PrintScreenTest, AButtonHiddenBeforeStaysHiddenAndAMissingOneIsPassedOver) {
    buttons[1]->hide();
    buttons.push_back(nullptr);
    widgets::PrintScreen(context, screen, buttons);
    EXPECT_TRUE(buttons[1]->isHidden());
    EXPECT_FALSE(buttons[0]->isHidden());
    EXPECT_FALSE(buttons[3]->isHidden());
    EXPECT_EQ(printer.widgetsPrinted, 1);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
