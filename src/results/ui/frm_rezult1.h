#pragma once
// Results of program 1: the ratings of the four tests, the body-mass class and the overall
// rating of today's run, beside up to six earlier runs of the program.
#include <string>

#include "results/ui/results_screen.h"

namespace results {

class frmRezult1 : public ResultsScreen {
    Q_OBJECT
  public:
    explicit frmRezult1(platform::AppContext& context);

  private:
    void Form_Load();

    std::string bodyMassWords_;  // the word list kept from the design caption of Label10(5)
};

}  // namespace results
