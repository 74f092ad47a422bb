// Turns one document source of content/doc/ into the RTF document the program shows.
// Usage: make_doc SOURCE.md OUTPUT.rtf
// The output is written beside its final name first and then renamed, so a failed run never
// leaves half a document behind.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "docs/markdown_rtf.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_doc SOURCE.md OUTPUT.rtf\n";
        return 2;
    }
    const fs::path source = argv[1];
    const fs::path output = argv[2];
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        std::cerr << "make_doc: cannot read " << source.string() << "\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (const std::string problem = docs::SourceProblem(text); !problem.empty()) {
        std::cerr << source.string() << ": " << problem << "\n";
        return 1;
    }
    const std::string rtf = docs::MarkdownToRtf(text);

    std::error_code error;
    if (output.has_parent_path()) fs::create_directories(output.parent_path(), error);
    const fs::path temporary = output.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(rtf.data(), static_cast<std::streamsize>(rtf.size()));
        if (!out.flush()) {
            std::cerr << "make_doc: cannot write " << temporary.string() << "\n";
            fs::remove(temporary, error);
            return 1;
        }
    }
    fs::rename(temporary, output, error);
    if (error) {
        std::cerr << "make_doc: cannot write " << output.string() << ": " << error.message()
                  << "\n";
        fs::remove(temporary, error);
        return 1;
    }
    return 0;
}
