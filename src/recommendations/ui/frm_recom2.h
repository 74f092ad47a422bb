#pragma once
// The recommendation screen of program 2: the preparations of the list built from the overall
// rating and the factor marked on the conclusion, under their category headings; the use table
// reduced to that list; the «ПОМОГИ СЕБЕ САМ» buttons of the factor's self-help topics, with the
// yearly exercise programme for the user's age and squat-test result; the growing prescription
// sheet and the news page.
#include <map>

#include "recommendations/program2.h"
#include "recommendations/ui/recommendation_screen.h"

class QVBoxLayout;

namespace recommendations {

class frmRecom2 : public RecommendationScreen {
    Q_OBJECT
  public:
    explicit frmRecom2(platform::AppContext& context);

    QLabel* Label7;                        // the introduction of the self-help buttons
    std::map<int, QPushButton*> cmdRecom;  // 0 the block's heading, 1.. one per topic
    QLabel* Label5;

  private:
    ListLayout LayOut() override;
    ScreenDocument UseDocument() const override;
    ScreenDocument Description(const LayoutEntry& button) const override;
    std::string Heading() const override;
    ScreenDocument SelfHelpDocument(int topic) const;
    void ShowTopics();
    void cmdRecom_Click(int index);

    QVBoxLayout* topics_;
    program2::Lists lists_;
    Selection selection_;
};

}  // namespace recommendations
