#pragma once
// The framed notice of a conclusion screen that lists the danger signs found in this run. It
// stays hidden when there are none; it is part of the screen, so it is printed with it.
#include <QFrame>

#include "state/shared_state.h"

class QLabel;

namespace conclusions {

class DangerNotice : public QFrame {
  public:
    // Fills the notice from the answers of the program under way.
    DangerNotice(const state::SharedState& state, QWidget* parent);

    QLabel* lblDanger;
};

}  // namespace conclusions
