#include "recommendations/program1.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace recommendations::program1 {

int ScoreClass(float score) {
    const double r = base::RoundHalfEven(score);
    if (r >= 71 && r <= 100) return 100;
    if (r >= 36 && r <= 70) return 10;
    return 0;
}

std::string ChooseCourse(float bodyMassClass, const std::array<float, 4>& scores) {
    const float m = bodyMassClass;
    if (m == 1.0f) return "8";
    if (m >= 2.0f && m <= 3.0f) return "7A";
    if (m == 4.0f) return "7";
    if (m == 5.0f) return "6";
    if (m == 6.0f) {
        int sum = 0;
        for (float score : scores) sum += ScoreClass(score);
        // Four classes of 0, 10 or 100 add up to 400 or to less than 390, so the courses "2" to
        // "5" (meant for one test just below the others) are never chosen.
        return sum == 400 ? "1" : "6";
    }
    return "";
}

std::string ChooseCourse(const state::SharedState& state) {
    return ChooseCourse(state.bodyMassClassValue(), {state.copiedScore(1), state.copiedScore(2),
                                                     state.copiedScore(3), state.copiedScore(4)});
}

std::vector<Section> CourseSections(std::string_view course) {
    if (course == "1") return {{1, {1, 3}}, {2, {4, 8}}, {3, {7}}};
    if (course == "6") return {{1, {1, 3, 9, 13, 15}}, {2, {4, 8, 11}}, {3, {16}}};
    if (course == "7") return {{1, {1, 3, 10, 13}}, {2, {4, 8}}, {3, {7}}};
    if (course == "7A") return {{1, {1, 3, 10, 13}}, {2, {4, 8}}, {3, {7}}, {kDietHeading, {0}}};
    if (course == "8") return {{1, {1, 3, 10, 14}}, {2, {4, 8}}, {3, {7}}};
    return {};
}

ListLayout LayOutCourse(std::string_view course, std::string_view prepList) {
    ListLayout layout;
    layout.designRows = 1;
    bool first = true;
    for (const Section& section : CourseSections(course)) {
        if (!first) layout.row = base::Add16(layout.row, 2);
        first = false;
        layout.entries.push_back(
            {LayoutEntry::Kind::Heading, section.heading, layout.row, 0, 0, "", ""});
        for (int item : section.items) {
            layout.entries.push_back({LayoutEntry::Kind::Button, layout.button, layout.row, item, 0,
                                      text::GetListItem(prepList, item), DescriptionPath(item)});
            layout.row = base::Add16(layout.row, 1);
            layout.button = base::Add16(layout.button, 1);
        }
    }
    return layout;
}

std::string DescriptionPath(int item) {
    return "\\Doc\\ZRV-r-12-1-" + std::to_string(item) + ".rtf";
}

std::string UseInstructionsPath(std::string_view course) {
    return "\\Doc\\ZRV-Rec-" + std::string(course.substr(0, 1)) + ".rtf";
}

std::string CalendarPath(std::string_view course) {
    return "\\Doc\\KALEND1" + std::string(course.substr(0, 1)) + ".rtf";
}

}  // namespace recommendations::program1
