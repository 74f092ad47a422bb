#pragma once
// Where the program's UTF-8 texts meet Qt: CR LF line breaks of the text tables become the
// single line feeds Qt draws, and twips become pixels.
#include <QString>
#include <string>
#include <string_view>

namespace platform {

inline QString ToQt(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

inline std::string FromQt(const QString& text) { return text.toStdString(); }

// 15 twips are one pixel at 96 dpi.
constexpr int Twips(int twips) { return twips / 15; }

}  // namespace platform
