#pragma once
// Results of program 2: the marks of the eight recorded tests under their two headings, the
// body-mass mark and the overall risk mark of today's run, beside up to six earlier runs of the
// program, with the legend of the marks.
#include "results/ui/results_screen.h"

namespace results {

class frmRezult2 : public ResultsScreen {
    Q_OBJECT
  public:
    explicit frmRezult2(platform::AppContext& context);

  private:
    void Form_Load();
};

}  // namespace results
