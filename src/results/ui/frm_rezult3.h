#pragma once
// Results of program 3: the ratings of the child's three tests, the body-mass class and the
// overall rating of today's run, beside up to six earlier runs of the program.
#include "results/ui/results_screen.h"

namespace results {

class frmRezult3 : public ResultsScreen {
    Q_OBJECT
  public:
    explicit frmRezult3(platform::AppContext& context);

  private:
    void Form_Load();
};

}  // namespace results
