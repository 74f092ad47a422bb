#pragma once
// Recommendations of program 2 (healthy long life): the list built from the overall rating and
// the factor marked on the conclusion, the self-help topics of that factor, the description of
// each preparation, the self-help documents with the yearly exercise programme chosen by age and
// squat-test result, and the use table reduced to the list.
#include <string>
#include <string_view>
#include <vector>

#include "recommendations/selection.h"
#include "recommendations/template_filter.h"
#include "state/shared_state.h"

namespace recommendations::program2 {

// Supplements, cosmetics, salts and peloids are listed; the category search runs up to 8.
inline constexpr int kLastCategory = 8;
// The self-help topics 1..12; topic 12 is the yearly exercise programme.
inline constexpr int kTopics = 12;
inline constexpr int kExerciseTopic = 12;

inline constexpr std::string_view kUseTablePath = "\\Doc\\G-Take-J.rtf";

// The catalogue key of list n (1..19): 270 + n.
long ListKey(int n);
// The catalogue key of the title of topic t (1..12): 250 + t.
long TopicKey(int t);

// The list items and the self-help topics, each normalised: "," + items + ",", without blanks,
// every ",," made "," in one pass from the left. "7-4" stands for preparation 7, use variant 4.
struct Lists {
    std::string recomList;
    std::string helpTopics;
};
// The base list of the overall rating (0: list 19, 3: list 18, 5: list 1), then the lists and
// topics of the marked factor (a catalogue key 231..250; 0 or any other key adds nothing).
Lists BuildLists(int overallRating, int factorKey, state::Sex sex);

// The list marked and put in category order.
Selection ChooseList(std::string_view recomList);
// The topics with a button, in ascending order, each once.
std::vector<int> Topics(std::string_view helpTopics);

// The description of preparation p: "\Doc\STAR-" + p + ".rtf".
std::string DescriptionPath(int p);
// The self-help document of a topic other than 12: "\Doc\G-J-" + t + ".rtf".
std::string SelfHelpPath(int t);
// The yearly exercise programme "\Doc\G-J-12-" + N + ".rtf" by the squat-test rating (5, 3, 0,
// -1: not given) and the age group 60–69, 70–75, 76 and over; "\Doc\G-J-12-" alone (reported
// missing) for an age below 60 or another rating.
std::string ExercisePath(int age, int squatRating);

// The use table keeps the rows whose tag (six characters from the marker, line breaks removed)
// stands in the list as an item of its own: variants count, so "7-4" keeps only the row "7-4".
TemplateRule UseTableRule(std::string_view recomList);

}  // namespace recommendations::program2
