#include "support/test_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace testsupport {

std::filesystem::path TestData(const std::string& relative) {
    return std::filesystem::path(TEST_DATA_DIR) / relative;
}

std::string ReadTestData(const std::string& relative) {
    std::ifstream file(TestData(relative), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    EXPECT_FALSE(bytes.str().empty()) << "fixture " << relative << " is missing or empty";
    return bytes.str();
}

}  // namespace testsupport
