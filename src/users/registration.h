#pragma once
// The rules of the registration screen: the checks of the typed data in their order, the age
// range of the chosen program and the [Settings] entries a registration writes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "users/ini_file.h"

namespace users {

// The boxes of the registration screen a check can send the user back to.
enum class Field { None, LastName, Name, YearBirth, Weight, Height, Password };

// The screen's data as typed.
struct RegistrationForm {
    std::string lastName;
    std::string name;
    std::string yearBirth;
    std::string weight;
    std::string height;
    std::string password;
    int chosenSex = 0;  // 0 not chosen, 1 male, 2 female
};

struct AgeRange {
    int min = 0;
    int max = 0;
    bool Admits(int age) const { return age >= min && age <= max; }
};
// The admitted ages of the program of a menu item (catalogue text "min,max").
AgeRange ProgramAgeRange(int16_t menuChoice);

struct RegistrationCheck {
    enum class Outcome { Rejected, AgeMismatch, Accepted };
    Outcome outcome = Outcome::Rejected;
    int messageItem = 0;        // item of the screen's message list; 0 when `message` says it
    std::string message;        // a message of its own (a text the profile cannot hold)
    Field focus = Field::None;  // where the user corrects; None leaves the focus where it is
    RegistrationForm form;      // the boxes' texts afterwards: trimmed, commas of numbers as points
    // Set as far as the checks got: the year from its check on, weight and height once both passed.
    std::optional<int16_t> yearBirth;
    std::optional<int16_t> weight;
    std::optional<float> height;
};

// Checks the typed data in the screen's order and stops at the first field that is wrong.
// newUser: the password is asked for (no user is known yet).
RegistrationCheck CheckRegistration(const RegistrationForm& typed, bool newUser, int currentYear,
                                    AgeRange admitted);

// The [Settings] entries of an accepted registration, in the order they are written: the
// password (only when one was typed), Name, YearBirth with one leading blank, Sex, LastName,
// DateReg "dd.mm.yy", TimeReg "HH:MM:SS", Height as typed.
std::vector<IniEntry> SettingsEntries(const RegistrationCheck& accepted, const base::DateTime& now);

// "m" for a chosen sex of 1, "f" otherwise.
std::string SexCode(int chosenSex);

// Said when all profile numbers are taken.
std::string NoFreeProfileText();

}  // namespace users
