#pragma once
// The recommendation screen of program 1: the course chosen for the user, its preparations under
// their section headings (each button opens the preparation's description), the use instructions,
// the calendar plan with the user's salutation, the prescription sheet and the news page.
#include <string>

#include "recommendations/ui/recommendation_screen.h"

namespace recommendations {

class frmRecom1 : public RecommendationScreen {
    Q_OBJECT
  public:
    explicit frmRecom1(platform::AppContext& context);

    // The course chosen at load: "1", "6", "7", "7A", "8", or "" for none.
    const std::string& courseCode() const { return courseCode_; }

    QLabel* Label2;
    QPushButton* cmdPrint;  // the use instructions
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;

  private:
    ListLayout LayOut() override;
    ScreenDocument UseDocument() const override;
    ScreenDocument PlanDocument() const override;
    ScreenDocument Description(const LayoutEntry& button) const override;
    std::string NotPrescribed() const override { return dietName_; }

    std::string prepList_;
    std::string dietName_;
    std::string courseCode_;
};

}  // namespace recommendations
