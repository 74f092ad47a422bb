#pragma once
// Program 1 ("Укрепление и восстановление здоровья"): the course chosen from the body-mass class
// and the scores of the four tests, its preparations in fixed sections, and its documents.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "recommendations/list_layout.h"
#include "state/shared_state.h"

namespace recommendations::program1 {

// The buttons cmdPreparat(1..9).
inline constexpr int kButtons = 9;

// The class of a test score: 100 for 71..100, 10 for 36..70, 0 otherwise (the score rounded
// halves to even first: 70.5 is 70, 71.5 is 72).
int ScoreClass(float score);

// The course: "8" for body-mass class 1, "7A" for 2..3, "7" for 4, "6" for 5; for 6 (normal
// weight) "1" when all four tests are of class 100, else "6"; "" for any other class.
std::string ChooseCourse(float bodyMassClass, const std::array<float, 4>& scores);
// The same from the shared state: testRating(15) and testRating(11..14).
std::string ChooseCourse(const state::SharedState& state);

struct Section {
    int heading;             // lblRazdel(heading)
    std::vector<int> items;  // items of the program-1 preparation list, in the order shown
};
// The sections of a course; none for an unknown or empty course.
std::vector<Section> CourseSections(std::string_view course);

// The screen's list: sections one below the other with a free row between them, each heading
// above its preparations. Buttons carry the caption from prepList and their description document.
ListLayout LayOutCourse(std::string_view course, std::string_view prepList);

// Documents, below the program's directory.
std::string DescriptionPath(int item);
std::string UseInstructionsPath(std::string_view course);
std::string CalendarPath(std::string_view course);

}  // namespace recommendations::program1
