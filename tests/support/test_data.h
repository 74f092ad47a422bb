#pragma once
// Fixture files below tests/data.
#include <filesystem>
#include <string>

namespace testsupport {

// The path of a fixture, e.g. TestData("rtf/wordpad.rtf").
std::filesystem::path TestData(const std::string& relative);
// The whole content of a fixture as bytes; a missing or empty fixture fails the test.
std::string ReadTestData(const std::string& relative);

}  // namespace testsupport
