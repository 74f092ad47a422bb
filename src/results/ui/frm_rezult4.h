#pragma once
// Results of program 4: the risk marks of the seven sources of risk, the age risk, the body-mass
// class and the degree of carcinogenic risk of today's run, beside up to six earlier runs of the
// program, with the legend of the marks.
#include "results/ui/results_screen.h"

namespace results {

class frmRezult4 : public ResultsScreen {
    Q_OBJECT
  public:
    explicit frmRezult4(platform::AppContext& context);

  private:
    void Form_Load();
};

}  // namespace results
