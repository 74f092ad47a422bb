#pragma once
// A fresh temporary program directory, removed again at the end of the test.
#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes a file below the directory (folders made as needed) and returns its path.
    std::filesystem::path Write(const std::string& relative, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

}  // namespace testsupport
