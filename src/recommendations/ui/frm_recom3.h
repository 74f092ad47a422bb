#pragma once
// The recommendation screen of program 3: the preparations of the list chosen by the child's
// result variant and age group, in list order under their category headings, each opening its
// description in the child's dose; the use table and the child's prescription sheet.
#include "recommendations/selection.h"
#include "recommendations/ui/recommendation_screen.h"

namespace recommendations {

class frmRecom3 : public RecommendationScreen {
    Q_OBJECT
  public:
    explicit frmRecom3(platform::AppContext& context);

    QLabel* Label10;  // the call to act on the risks found
    QLabel* Label5;   // the parents' safety note

  private:
    ListLayout LayOut() override;
    ScreenDocument UseDocument() const override;
    ScreenDocument Description(const LayoutEntry& button) const override;
    std::string Heading() const override;
    std::string SheetHeading() const override;

    Selection list_;
};

}  // namespace recommendations
