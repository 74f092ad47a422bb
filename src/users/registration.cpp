#include "users/registration.h"

#include "base/numbers.h"
#include "base/text_codec.h"
#include "text/catalogue.h"
#include "users/profiles.h"

namespace users {
namespace {

std::string Replaced(std::string text, char from, char to) {
    for (char& c : text) {
        if (c == from) c = to;
    }
    return text;
}

std::string Without(const std::string& text, char removed) {
    std::string kept;
    for (char c : text) {
        if (c != removed) kept += c;
    }
    return kept;
}

// The boxes whose text a message names, as items of the message lists.
enum Box { kLastNameBox = 1, kNameBox = 2, kPasswordBox = 3 };

std::string BoxName(Box box) {
    return text::GetListItem(text::FormText("profiles", "BoxNames"), box);
}

// The message for a text with a character that Windows-1251, the profiles' code page, lacks.
std::string NotStorableText(Box box, const std::string& character) {
    return text::WithValues(
        text::FormText("profiles", "NotStorableBox"),
        {BoxName(box), character, text::GetListItem(text::FormText("profiles", "BoxAdvice"), box)});
}

// The message for a text that is not well-formed UTF-8 (it cannot have come from the keyboard).
std::string NotText(Box box) {
    return text::WithValues(text::FormText("profiles", "NotText"), {BoxName(box)});
}

}  // namespace

std::string NoFreeProfileText() { return text::FormText("profiles", "NoFreeProfile"); }

AgeRange ProgramAgeRange(int16_t menuChoice) {
    const std::string range = text::GetCatalogText((menuChoice % 10) * 100 + 4);
    const size_t comma = range.find(',');
    AgeRange admitted;
    admitted.min = static_cast<int>(base::Val(range.substr(0, comma)));
    admitted.max =
        comma == std::string::npos ? 0 : static_cast<int>(base::Val(range.substr(comma + 1)));
    return admitted;
}

RegistrationCheck CheckRegistration(const RegistrationForm& typed, bool newUser, int currentYear,
                                    AgeRange admitted) {
    RegistrationCheck check;
    RegistrationForm& form = check.form;
    form = typed;
    form.lastName = base::Trim(typed.lastName);
    form.name = base::Trim(typed.name);
    form.yearBirth = base::Trim(typed.yearBirth);
    form.password = base::Trim(typed.password);

    auto reject = [&](int item, Field focus) {
        check.outcome = RegistrationCheck::Outcome::Rejected;
        check.messageItem = item;
        check.focus = focus;
        return check;
    };
    auto refuse = [&](std::string message, Field focus) {
        check.outcome = RegistrationCheck::Outcome::Rejected;
        check.message = std::move(message);
        check.focus = focus;
        return check;
    };

    if (!base::IsValidUtf8(form.lastName)) return refuse(NotText(kLastNameBox), Field::LastName);
    if (!base::IsValidUtf8(form.name)) return refuse(NotText(kNameBox), Field::Name);
    if (!base::IsValidUtf8(form.password)) return refuse(NotText(kPasswordBox), Field::Password);
    if (form.lastName.empty()) return reject(1, Field::LastName);
    if (const auto bad = base::FirstCharNotInCp1251(form.lastName)) {
        return refuse(NotStorableText(kLastNameBox, *bad), Field::LastName);
    }
    if (form.name.empty()) return reject(2, Field::Name);
    if (const auto bad = base::FirstCharNotInCp1251(form.name)) {
        return refuse(NotStorableText(kNameBox, *bad), Field::Name);
    }
    if (form.yearBirth.empty()) return reject(3, Field::YearBirth);
    if (!base::IsNumeric(form.yearBirth)) return reject(4, Field::YearBirth);
    if (base::Val(form.yearBirth) < 1900) return reject(5, Field::YearBirth);
    check.yearBirth = base::CInt(base::Val(form.yearBirth));
    if (*check.yearBirth > currentYear) return reject(4, Field::YearBirth);
    if (form.chosenSex == 0) return reject(6, Field::None);
    if (newUser && base::CharLength(form.password) < 4) return reject(7, Field::Password);
    if (const auto bad = base::FirstCharNotInCp1251(form.password)) {
        return refuse(NotStorableText(kPasswordBox, *bad), Field::Password);
    }

    // Height and weight: a point or a comma as the decimal separator, stored with a point.
    auto measure = [&](std::string& box, double low, double high) -> std::optional<double> {
        if (!base::IsNumeric(Without(box, '.'))) return std::nullopt;
        box = Replaced(box, ',', '.');
        const double value = base::Val(box);
        if (value < low || value > high) return std::nullopt;
        return value;
    };
    const std::optional<double> height = measure(form.height, 0.5, 3);
    if (!height) return reject(8, Field::Height);
    const std::optional<double> weight = measure(form.weight, 8, 300);
    if (!weight) return reject(9, Field::Weight);
    check.weight = base::CInt(*weight);
    check.height = static_cast<float>(*height);

    const int age = currentYear - *check.yearBirth;
    check.outcome = admitted.Admits(age) ? RegistrationCheck::Outcome::Accepted
                                         : RegistrationCheck::Outcome::AgeMismatch;
    return check;
}

std::string SexCode(int chosenSex) { return chosenSex == 1 ? "m" : "f"; }

std::vector<IniEntry> SettingsEntries(const RegistrationCheck& accepted,
                                      const base::DateTime& now) {
    const std::string section(kSettings);
    const RegistrationForm& form = accepted.form;
    std::vector<IniEntry> entries;
    if (!form.password.empty()) entries.push_back({section, std::string(kPasswKey), form.password});
    entries.push_back({section, std::string(kNameKey), form.name});
    entries.push_back({section, std::string(kYearBirthKey),
                       " " + std::to_string(accepted.yearBirth.value_or(0))});
    entries.push_back({section, std::string(kSexKey), SexCode(form.chosenSex)});
    entries.push_back({section, std::string(kLastNameKey), form.lastName});
    entries.push_back({section, std::string(kDateRegKey), base::FormatDdMmYy(now)});
    entries.push_back({section, std::string(kTimeRegKey), base::FormatHhMmSs(now)});
    entries.push_back({section, std::string(kHeightKey), form.height});
    return entries;
}

}  // namespace users
