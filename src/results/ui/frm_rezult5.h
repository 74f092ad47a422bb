#pragma once
// Results of program 5: the risk marks of the two tests, the body-mass rating and the degree of
// risk of today's run, beside up to six earlier runs of the program, with the legend of the marks.
#include <string>

#include "results/ui/results_screen.h"

namespace results {

class frmRezult5 : public ResultsScreen {
    Q_OBJECT
  public:
    explicit frmRezult5(platform::AppContext& context);

  private:
    void Form_Load();
};

}  // namespace results
