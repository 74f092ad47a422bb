#include "users/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "base/text_codec.h"
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

enum class FileState { Present, Absent, Unreadable };

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
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
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
    if (!S_ISREG(s.st_mode)) return {FileState::Unreadable, EISDIR, nullptr};
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

std::string ValueText(std::optional<std::string_view> raw, std::string_view defaultValue) {
    if (!raw) return std::string(defaultValue);
    return base::Cp1251ToUtf8(raw->substr(0, kMaxValueChars));
}

std::string OneLine(std::string_view value) {
    std::string line(value);
    for (char& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

std::string ErrorReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "нет права на запись в папку программы";
        case EROFS:
            return "диск или папка программы доступны только для чтения";
        case ENOSPC:
        case EDQUOT:
            return "на диске нет свободного места";
        case EFBIG:
            return "файл стал бы больше, чем допускает диск";
        case ENOENT:
        case ENOTDIR:
            return "папка программы не найдена";
        case EIO:
            return "ошибка чтения или записи диска";
        case EISDIR:
            return "на месте файла профиля находится папка";
        default:
            return "системная ошибка номер " + std::to_string(error);
    }
}

WriteResult Failure(int error, std::string reason) { return {false, error, std::move(reason)}; }

}  // namespace

std::string ReadIni(const std::string& file, std::string_view section, std::string_view key,
                    std::string_view defaultValue) {
    const auto sectionBytes = base::Utf8ToCp1251(section);
    const auto keyBytes = base::Utf8ToCp1251(key);
    if (!sectionBytes || !keyBytes) return std::string(defaultValue);
    const Loaded loaded = Load(file);
    if (!loaded.document) return std::string(defaultValue);
    return ValueText(loaded.document->Find(*sectionBytes, *keyBytes), defaultValue);
}

std::vector<std::string> ReadIniSection(const std::string& file, std::string_view section,
                                        const std::vector<std::string_view>& keys,
                                        std::string_view defaultValue) {
    std::vector<std::string> values(keys.size(), std::string(defaultValue));
    const auto sectionBytes = base::Utf8ToCp1251(section);
    if (!sectionBytes) return values;
    auto answer = [&](const IniDocument& document) {
        for (size_t i = 0; i < keys.size(); ++i) {
            if (const auto keyBytes = base::Utf8ToCp1251(keys[i])) {
                values[i] = ValueText(document.Find(*sectionBytes, *keyBytes), defaultValue);
            }
        }
        return values;
    };

    struct stat s {};
    if (::stat(file.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) return values;
    if (auto document = Parsed().Get(file, StampOf(s))) return answer(*document);

    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return values;
    std::string bytes;
    for (;;) {
        bool end = false;
        if (!ReadMore(fd.get(), bytes, 16384, end)) return values;
        if (end) return answer(IniDocument(std::move(bytes)));
        // Only whole lines count; the section is complete once another one has begun after it.
        const size_t lastLineEnd = bytes.rfind('\n');
        if (lastLineEnd == std::string::npos) continue;
        IniDocument prefix(bytes.substr(0, lastLineEnd + 1));
        if (prefix.SectionIsClosed(*sectionBytes)) return answer(prefix);
    }
}

WriteResult WriteIni(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value) {
    return WriteIni(file, {IniEntry{std::string(section), std::string(key), std::string(value)}});
}

WriteResult WriteIni(const std::string& file, const std::vector<IniEntry>& entries) {
    struct Encoded {
        std::string section, key, value;
    };
    std::vector<Encoded> encoded;
    for (const IniEntry& entry : entries) {
        const std::string value = OneLine(entry.value);
        for (const std::string* text : {&entry.section, &entry.key, &value}) {
            if (const auto bad = base::FirstCharNotInCp1251(*text)) {
                return Failure(EILSEQ, "в тексте «" + *text + "» есть знак «" + *bad +
                                           "», который нельзя сохранить в файле профиля");
            }
        }
        encoded.push_back({*base::Utf8ToCp1251(entry.section), *base::Utf8ToCp1251(entry.key),
                           *base::Utf8ToCp1251(value)});
    }

    const Loaded loaded = Load(file);
    if (loaded.state == FileState::Unreadable) {
        // Writing without the old content would lose it.
        return Failure(loaded.error, "прежнее содержание файла не удаётся прочитать");
    }
    IniDocument document = loaded.document ? *loaded.document : IniDocument();
    for (const Encoded& entry : encoded) document.Set(entry.section, entry.key, entry.value);
    std::string bytes = document.Bytes();

    const ReplaceResult replaced = ReplaceFileContent(file, bytes);
    if (!replaced.ok()) return Failure(replaced.error, ErrorReason(replaced.error));
    struct stat s {};
    if (::stat(file.c_str(), &s) == 0) {
        Parsed().Put(file, StampOf(s), std::make_shared<const IniDocument>(std::move(bytes)), 0);
    }
    return {};
}

std::string WriteFailureText(const std::string& file, const WriteResult& result) {
    return "Не удалось сохранить данные в файле\r\n" + file + "\r\n\r\nПричина: " + result.reason +
           ".\r\nДанные не сохранены.";
}

}  // namespace users
