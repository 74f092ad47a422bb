#include "recommendations/ui/recept_sheet.h"

#include <QLabel>
#include <QPushButton>

#include "base/failure.h"
#include "support/ui_fixture.h"

namespace {

using recommendations::ReceptSheet;

class ReceptSheetTest : public testsupport::UiFixture {
  protected:
    ReceptSheetTest() {
        sharedState.userSex = "f";
        sharedState.userLastName = "Петрова";
        sharedState.userFirstName = "Анна";
        clock.now = {2004, 3, 5, 9, 0, 0};
    }
    ReceptSheet* Sheet(const std::string& name) {
        return qobject_cast<ReceptSheet*>(forms.Load(name));
    }
    static std::vector<std::string> Lines(int count) {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i) lines.push_back(" Препарат " + std::to_string(i));
        return lines;
    }
    static int VisibleLines(ReceptSheet& sheet) {
        int visible = 0;
        for (QLabel* line :
             sheet.findChildren<QLabel*>(QRegularExpression("^lblName\\(\\d+\\)$"))) {
            if (!line->isHidden()) ++visible;
        }
        return visible;
    }
};

TEST_F(ReceptSheetTest, HeadingAndDateAndNoLineBeforeTheSheetIsFilled) {
    for (const char* name : {"frmRecept1", "frmRecept2"}) {
        ReceptSheet* sheet = Sheet(name);
        ASSERT_NE(sheet, nullptr) << name;
        EXPECT_EQ(Find<QLabel>(sheet, "Label1")->text().toStdString(),
                  "Препараты фирмы «Доктор Мирвела», рекомендуемые Вам,  Г-жа Петрова Анна");
        EXPECT_EQ(Find<QLabel>(sheet, "Label3")->text().toStdString(), "Препарат");
        EXPECT_EQ(Find<QLabel>(sheet, "lblDate")->text().toStdString(), "05.03.04");
        EXPECT_EQ(Find<QPushButton>(sheet, "cmdPrint")->text().toStdString(), "РАСПЕЧАТАТЬ");
        EXPECT_EQ(Find<QPushButton>(sheet, "cmdClose")->text().toStdString(), "ЗАКРЫТЬ");
        EXPECT_EQ(VisibleLines(*sheet), 0) << name;
        sheet->FillLines({});
        EXPECT_EQ(VisibleLines(*sheet), 0) << name;
    }
}

TEST_F(ReceptSheetTest, LinesAreFilledInOrderAndARefillHidesWhatIsNoLongerListed) {
    ReceptSheet* sheet = Sheet("frmRecept1");
    sheet->FillLines(Lines(5));
    forms.Show("frmRecept1");
    EXPECT_EQ(VisibleLines(*sheet), 5);
    EXPECT_EQ(Find<QLabel>(sheet, "lblName(0)")->text().toStdString(), " Препарат 1");
    EXPECT_EQ(Find<QLabel>(sheet, "lblName(4)")->text().toStdString(), " Препарат 5");
    sheet->FillLines(Lines(2));
    EXPECT_EQ(VisibleLines(*sheet), 2);
    EXPECT_TRUE(Find<QLabel>(sheet, "lblName(2)")->text().isEmpty());
}

TEST_F(ReceptSheetTest, TheSecondSheetGrowsLineByLineAndTheButtonsMoveDown) {
    ReceptSheet* sheet = Sheet("frmRecept2");
    forms.Show("frmRecept2");
    sheet->FillLines(Lines(13));
    ProcessEvents();
    EXPECT_EQ(VisibleLines(*sheet), 13);
    QLabel* twelfth = Find<QLabel>(sheet, "lblName(11)");
    QLabel* thirteenth = Find<QLabel>(sheet, "lblName(12)");
    EXPECT_EQ(thirteenth->text().toStdString(), " Препарат 13");
    EXPECT_GT(thirteenth->y(), twelfth->y());
    const int printTop = sheet->cmdPrint->y();
    EXPECT_GT(printTop, thirteenth->y());

    sheet->FillLines(Lines(15));
    ProcessEvents();
    EXPECT_EQ(VisibleLines(*sheet), 15);
    QLabel* fifteenth = Find<QLabel>(sheet, "lblName(14)");
    ASSERT_NE(fifteenth, nullptr);
    EXPECT_EQ(fifteenth->text().toStdString(), " Препарат 15");
    EXPECT_GT(fifteenth->y(), Find<QLabel>(sheet, "lblName(13)")->y());
    EXPECT_GT(sheet->cmdPrint->y(), printTop);
    EXPECT_GT(sheet->cmdClose->y(), fifteenth->y());
    EXPECT_GE(sheet->height(), sheet->cmdClose->geometry().bottom());
}

TEST_F(ReceptSheetTest, TheFirstSheetHoldsThirteenLinesAndNoMore) {
    ReceptSheet* sheet = Sheet("frmRecept1");
    sheet->FillLines(Lines(13));
    EXPECT_EQ(VisibleLines(*sheet), 13);
    EXPECT_THROW(sheet->FillLines(Lines(14)), base::RuntimeFailure);
}

TEST_F(ReceptSheetTest, PrintsWithoutItsButtonsAndAPrinterFailureLeavesThemThere) {
    ReceptSheet* sheet = Sheet("frmRecept1");
    sheet->FillLines(Lines(3));
    forms.Show("frmRecept1");
    bool buttonsHidden = false;
    printer.onPrintWidget = [&](QWidget& printed) {
        EXPECT_EQ(&printed, sheet);
        buttonsHidden = sheet->cmdPrint->isHidden() && sheet->cmdClose->isHidden();
    };
    sheet->cmdPrint->click();
    EXPECT_TRUE(buttonsHidden);
    EXPECT_EQ(printer.widgetsPrinted, 1);
    EXPECT_TRUE(messages.shown.empty());

    printer.fail = true;
    sheet->cmdPrint->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "482 Принтер не найден");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageBox::Icon::Critical);
    EXPECT_FALSE(sheet->cmdPrint->isHidden());
    EXPECT_FALSE(sheet->cmdClose->isHidden());
}

TEST_F(ReceptSheetTest, CloseUnloadsTheSheet) {
    ReceptSheet* sheet = Sheet("frmRecept2");
    forms.Show("frmRecept2");
    sheet->cmdClose->click();
    ProcessEvents();
    EXPECT_FALSE(forms.IsLoaded("frmRecept2"));
}

}  // namespace
