#pragma once
// The maker's news page, shown and opened by every recommendation screen.
#include <string_view>

namespace recommendations {

inline constexpr std::string_view kNewsPageUrl =
    "http://www.mirvela.example/Russian/news/newzorvek.html";

}  // namespace recommendations
