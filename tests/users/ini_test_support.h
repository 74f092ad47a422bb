#pragma once
// Helpers of the profile-file tests: whole files as bytes, Windows-1251 text, and running a step
// as an ordinary user (permissions do not bind the superuser).
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "base/text_codec.h"

namespace initest {

inline std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void Put(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// UTF-8 test text as the Windows-1251 bytes a profile holds.
inline std::string Cp(const std::string& utf8) { return *base::Utf8ToCp1251(utf8); }

inline std::string Fixture(const std::string& name) {
    return Bytes(std::filesystem::path(TEST_DATA_DIR) / "ini" / name);
}

// Runs step as a user without special rights: directly when the tests already run as one,
// otherwise in a child process that gives its rights up. True when step returned true.
inline bool AsOrdinaryUser(const std::function<bool()>& step) {
    if (::geteuid() != 0) return step();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && step();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace initest
