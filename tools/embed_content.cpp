// Turns the text content files into one C++ source, so that the program carries every text it
// says inside itself. Usage: embed_content OUTPUT.cpp CONTENT_ROOT FILE...
// Each file becomes an entry {path relative to CONTENT_ROOT, bytes}.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: embed_content OUTPUT.cpp CONTENT_ROOT FILE...\n";
        return 2;
    }
    const fs::path output = argv[1];
    const fs::path root = argv[2];
    fs::create_directories(output.parent_path());
    std::ofstream out(output, std::ios::binary);
    out << "// Made by embed_content from the files under content/. Do not edit.\n"
           "#include \"text/embedded_content.h\"\n\n"
           "namespace text {\n\n"
           "const std::vector<EmbeddedFile>& EmbeddedContent() {\n"
           "    static const std::vector<EmbeddedFile> files = {\n";
    for (int i = 3; i < argc; ++i) {
        const fs::path file = argv[i];
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "embed_content: cannot read " << file << "\n";
            return 1;
        }
        const std::string data((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        out << "        {\"" << fs::relative(file, root).generic_string()
            << "\", std::string_view(\"";
        int column = 0;
        for (unsigned char c : data) {
            static const char* hex = "0123456789abcdef";
            out << "\\x" << hex[c >> 4] << hex[c & 15];
            if (++column == 40) {
                out << "\"\n            \"";
                column = 0;
            }
        }
        out << "\", " << data.size() << ")},\n";
    }
    out << "    };\n    return files;\n}\n\n}  // namespace text\n";
    return out ? 0 : 1;
}
