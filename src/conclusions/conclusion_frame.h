#pragma once
// What the five conclusion screens share: today's date, the salutations, the way
// from one screen to the next, and the rule by which a variable list is stacked.
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "state/shared_state.h"

namespace conclusions {

// Today's date as the conclusion shows it: "dd.mm.yyyy" of the computer's clock.
std::string TodayText(const base::Clock& clock);

// Salutations of the five screens.
// Screen 1: the design caption ("…, г-") + "н"/"жа" + " " + last name + " " + first name.
std::string Salutation1(std::string_view designCaption, const state::SharedState& state);
// Screens 2 and 4: "Уважаемый господин" / "Уважаемая госпожа", a line break, last name, first name.
std::string SalutationFormal(const state::SharedState& state);
// Screen 3 (the child): first name, last name, ", ", the year of birth, " года рождения".
std::string SalutationChild(const state::SharedState& state);
// Screen 5: the design caption ("Г-") + "н"/"жа" + " " + first name + " " + last name.
std::string Salutation5(std::string_view designCaption, const state::SharedState& state);

// The screens a conclusion screen leads to.
struct Route {
    std::string results;          // "ВЕРНУТЬСЯ"
    std::string recommendations;  // the continue button
};
Route RouteOf(int program);

// A list whose shown items stand one below the other in the order they were shown: an item's
// place depends only on how many items were shown before it.
class StackedList {
  public:
    // Shows member; returns its row (1 for the first shown item).
    int Show(int member) {
        shown_.push_back(member);
        return static_cast<int>(shown_.size());
    }
    const std::vector<int>& shown() const { return shown_; }
    int count() const { return static_cast<int>(shown_.size()); }
    bool IsShown(int member) const;

  private:
    std::vector<int> shown_;
};

}  // namespace conclusions
