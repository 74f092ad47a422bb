#pragma once
// The maker's preparations: their names and categories in the catalogue, and the preparation list
// of program 1 in the general text holder.
#include <cstdint>
#include <string>
#include <vector>

namespace recommendations {

// Key 900: the category of each preparation, element 0 first; keys 901.. the names; 951..954 the
// titles of the categories 1..4.
inline constexpr long kCategoryListKey = 900;
inline constexpr long kCategoryTitleKey = 950;

// Category 0 means "not listed": such a preparation is never shown.
inline constexpr int kNotListed = 0;

// The category list of key 900, element i the category of preparation i (elements trimmed and
// read as numbers).
std::vector<int16_t> CategoryList();
std::vector<int16_t> ParseCategoryList(std::string_view text);
// The category of preparation p; 0 for an index the list does not reach.
int Category(const std::vector<int16_t>& categories, int p);

// The preparation's name in upper case (catalogue key 900 + p).
std::string PreparationName(int p);

// Program 1 names its preparations from the list in holder slot 3: item 0 is the diet, items 1..15
// the preparations of the same index, item 16 the salts again with a description of its own.
inline constexpr int kProgram1ListSlot = 3;
inline constexpr int kDietItem = 0;
std::string Program1List();

}  // namespace recommendations
