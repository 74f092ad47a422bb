#pragma once
// The recommendation screen of program 5: the preparations of the list chosen by sex and degree
// of risk under their category headings, the use table, the calendar plan, the self-help text of
// the user's age group ("ПОМОГИ СЕБЕ САМ"), the prescription sheet and the news page.
#include "recommendations/selection.h"
#include "recommendations/ui/recommendation_screen.h"

namespace recommendations {

class frmRecom5 : public RecommendationScreen {
    Q_OBJECT
  public:
    explicit frmRecom5(platform::AppContext& context);

    QLabel* Label8;
    QLabel* Label7;
    QPushButton* cmdRecom;  // the self-help text
    QLabel* Label5;
    QLabel* Label6;

  private:
    ListLayout LayOut() override;
    ScreenDocument UseDocument() const override;
    ScreenDocument PlanDocument() const override;
    ScreenDocument Description(const LayoutEntry& button) const override;
    std::vector<std::string> ListCodes() const override;
    std::string Heading() const override;
    ScreenDocument SelfHelpDocument() const;
    void cmdRecom_Click();

    int rating_ = -1;
    Selection selection_;
};

}  // namespace recommendations
