#include "conclusions/conclusion_frame.h"

#include <algorithm>

#include "state/programs.h"
#include "state/salutation.h"
#include "text/catalogue.h"

namespace conclusions {

std::string TodayText(const base::Clock& clock) { return base::FormatDdMmYyyy(clock.Now()); }

std::string Salutation1(std::string_view designCaption, const state::SharedState& state) {
    return state::AddressedHeading(designCaption, state.sex(), state.userLastName,
                                   state.userFirstName);
}

std::string SalutationFormal(const state::SharedState& state) {
    return text::GetCatalogText(state.sex() == state::Sex::Man ? 21 : 22) + "\r\n" +
           state.userLastName + " " + state.userFirstName;
}

std::string SalutationChild(const state::SharedState& state) {
    return state.userFirstName + " " + state.userLastName + ", " +
           std::to_string(state.userYearBirth) + " " + text::GetCatalogText(27);
}

std::string Salutation5(std::string_view designCaption, const state::SharedState& state) {
    return std::string(designCaption) + state::TitleEnding(state.sex()) + " " +
           state.userFirstName + " " + state.userLastName;
}

Route RouteOf(int program) {
    const state::Program* known = state::ProgramOf(program);
    if (!known) return {};
    return {std::string(known->results), std::string(known->recommendations)};
}

bool StackedList::IsShown(int member) const {
    return std::find(shown_.begin(), shown_.end(), member) != shown_.end();
}

}  // namespace conclusions
