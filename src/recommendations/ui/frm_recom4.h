#pragma once
// The recommendation screen of program 4: the preparations of the lists collected from the
// user's sources of risk under their category headings, each opening its description in its
// variant; the use table, the prescription sheet and the news page.
#include "recommendations/selection.h"
#include "recommendations/ui/recommendation_screen.h"

namespace recommendations {

class frmRecom4 : public RecommendationScreen {
    Q_OBJECT
  public:
    explicit frmRecom4(platform::AppContext& context);

    QLabel* Label9;
    QLabel* Label10;

  private:
    ListLayout LayOut() override;
    ScreenDocument UseDocument() const override;
    ScreenDocument Description(const LayoutEntry& button) const override;
    std::vector<std::string> ListCodes() const override;

    Selection selection_;
};

}  // namespace recommendations
