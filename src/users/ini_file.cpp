#include "users/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "base/text_codec.h"
#include "text/catalogue.h"
#include "users/file_replace.h"
#include "users/ini_document.h"

namespace users {
namespace {

// What identifies one state of a file on disk: a rename puts a new inode in place, any write
// moves the modification and change times.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    int64_t modified = 0;
    int64_t changed = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp StampOf(const struct stat& s) {
    return {s.st_dev, s.st_ino, s.st_size,
            static_cast<int64_t>(s.st_mtim.tv_sec) * 1000000000 + s.st_mtim.tv_nsec,
            static_cast<int64_t>(s.st_ctim.tv_sec) * 1000000000 + s.st_ctim.tv_nsec};
}

int64_t NowNanoseconds() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The last few files parsed, each with the state of the file it was parsed from.
//
// File times are coarse (a clock tick, on some file systems seconds), so a file changed again
// within the same tick keeps its times and, written in place, its size. A file read soon after
// its last change is therefore parsed again at every use until its change lies safely before the
// reading; a file this program wrote itself is known byte for byte.
class ParsedFiles {
  public:
    static constexpr int64_t kTimeGrain = 2'000'000'000;  // ns

    std::shared_ptr<const IniDocument> Get(const std::string& file, const Stamp& stamp) {
        std::lock_guard lock(mutex_);
        const auto it = entries_.find(file);
        if (it == entries_.end() || !(it->second.stamp == stamp)) return nullptr;
        Entry& entry = it->second;
        if (!entry.settled) {
            if (entry.readAt - std::max(stamp.modified, stamp.changed) <= kTimeGrain)
                return nullptr;
            entry.settled = true;
        }
        entry.used = ++tick_;
        return entry.document;
    }
    // readAt: when the bytes were read (the file may have changed within the same tick since);
    // 0 for bytes this program has just written.
    void Put(const std::string& file, const Stamp& stamp,
             std::shared_ptr<const IniDocument> document, int64_t readAt) {
        std::lock_guard lock(mutex_);
        if (entries_.size() >= kCapacity && !entries_.count(file)) {
            auto oldest = entries_.begin();
            for (auto it = entries_.begin(); it != entries_.end(); ++it) {
                if (it->second.used < oldest->second.used) oldest = it;
            }
            entries_.erase(oldest);
        }
        entries_[file] = {stamp, std::move(document), ++tick_, readAt, readAt == 0};
    }

  private:
    static constexpr size_t kCapacity = 8;
    struct Entry {
        Stamp stamp;
        std::shared_ptr<const IniDocument> document;
        uint64_t used = 0;
        int64_t readAt = 0;
        bool settled = false;
    };
    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
    uint64_t tick_ = 0;
};

ParsedFiles& Parsed() {
    static ParsedFiles parsed;
    return parsed;
}

enum class FileState { Present, Absent, Unreadable, Folder };

struct Loaded {
    FileState state = FileState::Absent;
    int error = 0;
    std::shared_ptr<const IniDocument> document;
};

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

// Reads up to limit more bytes (all when limit is 0); false with errno on a read error.
bool ReadMore(int fd, std::string& into, size_t limit, bool& end) {
    char buffer[65536];
    size_t got = 0;
    end = false;
    while (limit == 0 || got < limit) {
        const size_t want = limit == 0 ? sizeof buffer : std::min(sizeof buffer, limit - got);
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            end = true;
            return true;
        }
        into.append(buffer, static_cast<size_t>(n));
        got += static_cast<size_t>(n);
    }
    return true;
}

Loaded Load(const std::string& file) {
    struct stat s {};
    if (::stat(file.c_str(), &s) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {FileState::Absent, errno, nullptr};
        return {FileState::Unreadable, errno, nullptr};
    }
    if (S_ISDIR(s.st_mode)) return {FileState::Folder, EISDIR, nullptr};
    if (!S_ISREG(s.st_mode)) return {FileState::Unreadable, EINVAL, nullptr};
    if (auto document = Parsed().Get(file, StampOf(s))) return {FileState::Present, 0, document};

    const int64_t readAt = NowNanoseconds();
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return {FileState::Unreadable, errno, nullptr};
    if (::fstat(fd.get(), &s) != 0) return {FileState::Unreadable, errno, nullptr};
    std::string bytes;
    bytes.reserve(static_cast<size_t>(s.st_size));
    bool end = false;
    if (!ReadMore(fd.get(), bytes, 0, end)) return {FileState::Unreadable, errno, nullptr};
    auto document = std::make_shared<const IniDocument>(std::move(bytes));
    Parsed().Put(file, StampOf(s), document, readAt);
    return {FileState::Present, 0, document};
}

// A value as the program sees it: UTF-8, at most kMaxValueChars characters. A UTF-8 profile's
// value is taken as it stands unless it is malformed (then its bytes are Windows-1251 letters).
std::string ValueText(std::optional<std::string_view> raw, std::string_view defaultValue,
                      bool utf8) {
    if (!raw) return std::string(defaultValue);
    if (utf8 && base::IsValidUtf8(*raw)) return base::CharLeft(*raw, kMaxValueChars);
    return base::Cp1251ToUtf8(raw->substr(0, kMaxValueChars));
}

// Program text as bytes of a file in the given encoding; nullopt when the file cannot hold it.
std::optional<std::string> FileBytes(std::string_view utf8Text, bool utf8File) {
    if (!base::IsValidUtf8(utf8Text)) return std::nullopt;
    if (utf8File) return std::string(utf8Text);
    return base::Utf8ToCp1251(utf8Text);
}

// Every CR and every LF becomes a blank, in the bytes that go into the file: no byte sequence of
// the text can become a line end afterwards.
void MakeOneLine(std::string& bytes) {
    for (char& c : bytes) {
        if (c == '\r' || c == '\n') c = ' ';
    }
}

// Whether a section or key name can stand in the file and be found there again: not empty, no
// blank at its ends (they are dropped when the file is read), no control character; a section
// name without "]", a key without "=" and not starting as a section, a comment or a blank.
bool UsableName(std::string_view name, bool isSection) {
    if (name.empty() || name.front() == ' ' || name.front() == '\t' || name.back() == ' ' ||
        name.back() == '\t') {
        return false;
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
        if (isSection && c == ']') return false;
        if (!isSection && c == '=') return false;
    }
    if (!isSection && (name.front() == '[' || name.front() == ';' || name.front() == '#'))
        return false;
    return true;
}

std::string Reason(int item, std::string_view subject = {}) {
    std::string reason = text::GetListItem(text::FormText("profiles", "WriteReasons"), item);
    if (const size_t at = reason.find("%1"); at != std::string::npos)
        reason.replace(at, 2, subject);
    return reason;
}

WriteResult Failure(int error, std::string reason) { return {false, error, std::move(reason)}; }

}  // namespace

std::string SystemErrorReason(int error) {
    const auto reason = [](int item) {
        return text::GetListItem(text::FormText("profiles", "WriteErrors"), item);
    };
    switch (error) {
        case EACCES:
        case EPERM:
            return reason(1);
        case EROFS:
            return reason(2);
        case ENOSPC:
        case EDQUOT:
            return reason(3);
        case EFBIG:
            return reason(4);
        case ENOENT:
        case ENOTDIR:
            return reason(5);
        case EIO:
            return reason(6);
        case EISDIR:
            return reason(7);
        default:
            return text::WithValues(reason(8), {std::to_string(error)});
    }
}

std::string ReadIni(const std::string& file, std::string_view section, std::string_view key,
                    std::string_view defaultValue) {
    const Loaded loaded = Load(file);
    if (!loaded.document) return std::string(defaultValue);
    const bool utf8 = loaded.document->IsUtf8();
    const auto sectionBytes = FileBytes(section, utf8);
    const auto keyBytes = FileBytes(key, utf8);
    if (!sectionBytes || !keyBytes) return std::string(defaultValue);
    return ValueText(loaded.document->Find(*sectionBytes, *keyBytes), defaultValue, utf8);
}

std::vector<std::string> ReadIniSection(const std::string& file, std::string_view section,
                                        const std::vector<std::string_view>& keys,
                                        std::string_view defaultValue) {
    std::vector<std::string> values(keys.size(), std::string(defaultValue));
    auto answer = [&](const IniDocument& document, bool utf8) {
        const auto sectionBytes = FileBytes(section, utf8);
        if (!sectionBytes) return values;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (const auto keyBytes = FileBytes(keys[i], utf8)) {
                values[i] = ValueText(document.Find(*sectionBytes, *keyBytes), defaultValue, utf8);
            }
        }
        return values;
    };

    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return values;
    struct stat s {};
    if (::fstat(fd.get(), &s) != 0 || !S_ISREG(s.st_mode)) return values;
    if (auto document = Parsed().Get(file, StampOf(s)))
        return answer(*document, document->IsUtf8());

    // Lines are looked at once each as the bytes come in, from the first (one kilobyte holds the
    // settings of every profile this program writes) in growing steps; reading stops at the line
    // that starts the section after the wanted one.
    // The file's encoding is decided by its first line beyond ASCII (see IniDocument::IsUtf8);
    // until then every line is ASCII and reads the same either way.
    const std::optional<std::string> cp1251Section = base::Utf8ToCp1251(section);
    std::optional<bool> utf8;
    std::string bytes;
    size_t lineStart = 0;
    size_t sectionStart = std::string::npos;
    size_t step = 1024;
    for (bool end = false; !end;) {
        if (!ReadMore(fd.get(), bytes, step, end)) return values;
        step = std::min<size_t>(step * 2, 1 << 20);
        for (;;) {
            size_t lineEnd = bytes.find('\n', lineStart);
            if (lineEnd == std::string::npos) {
                if (!end || lineStart >= bytes.size()) break;
                lineEnd = bytes.size();
            }
            std::string_view line(bytes.data() + lineStart, lineEnd - lineStart);
            if (lineStart == 0 && line.starts_with("\xEF\xBB\xBF")) {
                line.remove_prefix(3);
                utf8 = true;
            }
            if (!utf8 && std::any_of(line.begin(), line.end(), [](char c) { return c & 0x80; }))
                utf8 = base::IsValidUtf8(line);
            // The header without its line end: a CR before the LF is no part of a name (it would
            // be, in a header without its closing bracket).
            std::string_view header = line;
            if (header.ends_with('\r')) header.remove_suffix(1);
            if (const auto name = IniDocument::HeaderName(header)) {
                if (sectionStart != std::string::npos) {
                    bytes.resize(lineStart);
                    end = true;
                    break;
                }
                const bool matches = utf8.value_or(false)
                                         ? EqualFolded(*name, section, true)
                                         : cp1251Section && EqualFolded(*name, *cp1251Section);
                if (matches) sectionStart = lineStart;
            }
            lineStart = lineEnd + 1;
        }
    }
    if (sectionStart == std::string::npos) return values;
    // The section alone, in the encoding of the whole: its header comes first, so it is the
    // section of that name found.
    bytes.erase(0, sectionStart);
    return answer(IniDocument(std::move(bytes), utf8.value_or(false)), utf8.value_or(false));
}

WriteResult WriteIni(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value) {
    return WriteIni(file, {IniEntry{std::string(section), std::string(key), std::string(value)}});
}

WriteResult WriteIni(const std::string& file, const std::vector<IniEntry>& entries) {
    for (const IniEntry& entry : entries) {
        for (const std::string* text : {&entry.section, &entry.key, &entry.value}) {
            if (!base::IsValidUtf8(*text)) return Failure(EILSEQ, Reason(1));
        }
        if (!UsableName(entry.section, true)) return Failure(EINVAL, Reason(2, entry.section));
        if (!UsableName(entry.key, false)) return Failure(EINVAL, Reason(2, entry.key));
        for (const std::string* text : {&entry.section, &entry.key, &entry.value}) {
            if (const auto bad = base::FirstCharNotInCp1251(*text)) {
                return Failure(EILSEQ, text::WithValues(text::FormText("profiles", "NotStorable"),
                                                        {*text, *bad}));
            }
        }
    }

    // A profile that is a symbolic link is written through to the file it points to; a link to
    // nothing is not replaced by a file of its own.
    std::string target = file;
    struct stat link {};
    if (::lstat(file.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        std::error_code error;
        const std::filesystem::path resolved = std::filesystem::canonical(file, error);
        if (error) {
            std::error_code readError;
            const std::filesystem::path pointsTo = std::filesystem::read_symlink(file, readError);
            const int code = error.value();
            return Failure(code,
                           code == ENOENT ? Reason(3, pointsTo.string()) : SystemErrorReason(code));
        }
        target = resolved.string();
    }

    const Loaded loaded = Load(target);
    if (loaded.state == FileState::Folder) return Failure(EISDIR, SystemErrorReason(EISDIR));
    if (loaded.state == FileState::Unreadable) {
        // Writing without the old content would lose it.
        return Failure(loaded.error, text::FormText("profiles", "UnreadableBefore"));
    }
    IniDocument document = loaded.document ? *loaded.document : IniDocument();
    if (document.IsMixed()) return Failure(EILSEQ, Reason(4));
    const bool utf8 = document.IsUtf8();
    for (const IniEntry& entry : entries) {
        std::string value = *FileBytes(entry.value, utf8);
        MakeOneLine(value);
        document.Set(*FileBytes(entry.section, utf8), *FileBytes(entry.key, utf8), value);
    }
    std::string bytes = document.Bytes();

    const ReplaceResult replaced = ReplaceFileContent(target, bytes);
    if (!replaced.ok()) return Failure(replaced.error, SystemErrorReason(replaced.error));
    struct stat s {};
    if (::stat(file.c_str(), &s) == 0) {
        auto written = std::make_shared<const IniDocument>(std::move(bytes));
        Parsed().Put(target, StampOf(s), written, 0);
        if (target != file) Parsed().Put(file, StampOf(s), written, 0);
    }
    return {};
}

std::string WriteFailureText(const std::string& file, const WriteResult& result) {
    return text::WithValues(text::FormText("profiles", "WriteFailed"), {file, result.reason});
}

}  // namespace users
