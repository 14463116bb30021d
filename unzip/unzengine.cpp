#include "unzengine.h"

#include "unzcentral.h"
#include "unzpaths.h"
#include "unzpool.h"
#include "unzspliced.h"

#include <zip.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// Release of the engine reported by UzpVersion2.
constexpr std::uint8_t kEngineMajor = 1;
constexpr std::uint8_t kEngineMinor = 0;
constexpr std::uint8_t kEnginePatch = 0;
constexpr const char* kEngineDate = "2024-06-01";
constexpr std::uint8_t kInterfaceRevision = 1;

// Members are inflated and written in pieces of this size.
constexpr std::size_t kBufferSize = std::size_t{1} << 20;
// Archives up to this size are read into memory for an extraction pass.
constexpr std::uint64_t kInMemoryArchiveLimit = std::uint64_t{64} << 20;
// Folders kept open at once during a pass.
constexpr std::size_t kMaxOpenFolders = 64;
// Threads that inflate members beside the caller's, at most.
constexpr unsigned kMaxWorkers = 4;
// Members prepared ahead of the one being finished: enough to keep the
// workers busy on small files.
constexpr std::size_t kPlanAhead = 64;
// Longest time the caller goes without a progress call while it waits for
// a worker.
constexpr std::chrono::milliseconds kHeartbeat{10};
// Size of the buffer that UnzPassword fills, including the closing NUL.
constexpr std::int32_t kPasswordBufferSize = 257;

// Extended timestamp extra field: flags byte, then modification time (UTC).
constexpr zip_uint16_t kExtraTimestamp = 0x5455;

void copyText(char* field, std::size_t size, std::string_view text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}

UnzVersionNumber parseVersion(const char* text) {
    UnzVersionNumber v;
    unsigned a = 0;
    unsigned b = 0;
    unsigned c = 0;
    if (text != nullptr && std::sscanf(text, "%u.%u.%u", &a, &b, &c) >= 1) {
        v.major = static_cast<std::uint8_t>(a);
        v.minor = static_cast<std::uint8_t>(b);
        v.patchLevel = static_cast<std::uint8_t>(c);
    }
    return v;
}

std::string methodName(zip_uint16_t method) {
    switch (method) {
    case ZIP_CM_STORE:
        return "Stored";
    case ZIP_CM_SHRINK:
        return "Shrunk";
    case ZIP_CM_IMPLODE:
        return "Implode";
    case ZIP_CM_DEFLATE:
        return "Deflate";
    case ZIP_CM_DEFLATE64:
        return "Deflate64";
    case ZIP_CM_BZIP2:
        return "BZip2";
    case ZIP_CM_LZMA:
        return "LZMA";
    case ZIP_CM_XZ:
        return "XZ";
    case 93: // Zstandard
        return "Zstd";
    default:
        return "Unk#" + std::to_string(method);
    }
}

std::int32_t factorOf(std::uint64_t compressed, std::uint64_t uncompressed) {
    if (uncompressed == 0) {
        return 0;
    }
    const double f =
        (1.0 - static_cast<double>(compressed) / static_cast<double>(uncompressed)) * 100.0;
    return static_cast<std::int32_t>(std::lround(std::clamp(f, -2.0e9, 100.0)));
}

// Sums of declared sizes stop at the largest number: a hostile archive could
// otherwise declare members whose total wraps round to a small one.
std::uint64_t addSizes(std::uint64_t a, std::uint64_t b) {
    return b > std::numeric_limits<std::uint64_t>::max() - a
               ? std::numeric_limits<std::uint64_t>::max()
               : a + b;
}

bool isDiskFullError(int err) {
    return err == ENOSPC || err == EDQUOT || err == EFBIG;
}

// Writes all of data; returns 0 or the errno of the failure.
int writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return ENOSPC;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

bool isFolderName(const std::string& name) {
    return !name.empty() && name.back() == '/';
}

struct Member {
    zip_uint64_t index = 0;
    std::string name;
    std::uint64_t size = 0;
    std::uint64_t compSize = 0;
    std::time_t mtime = 0;
    std::uint32_t crc = 0;
    zip_uint16_t method = ZIP_CM_STORE;
    zip_uint16_t encryption = ZIP_EM_NONE;
    bool isLink = false;
    bool hasUnixMode = false;
    std::uint32_t unixMode = 0;
};

// Closes a file descriptor when it goes out of scope.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd)
        : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& other) noexcept
        : fd_(other.release()) {}
    Fd& operator=(Fd&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~Fd() { reset(); }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

struct ZipCloser {
    void operator()(zip_t* za) const { zip_discard(za); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* zf) const { zip_fclose(zf); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;
using ZipFilePtr = std::unique_ptr<zip_file_t, ZipFileCloser>;

// Reads exactly size bytes of the file into data.
bool readWholeFile(const char* path, std::uint64_t size, std::unique_ptr<char[]>& data) {
    Fd fd(::open(path, O_RDONLY | O_CLOEXEC));
    if (!fd) {
        return false;
    }
    data = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size));
    std::uint64_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::read(fd.get(), data.get() + done, static_cast<std::size_t>(size - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            data.reset();
            return false;
        }
        done += static_cast<std::uint64_t>(n);
    }
    return true;
}

// The archive over bytes in memory, which the caller keeps alive.
ZipPtr openInMemory(const char* data, std::uint64_t size, int& error) {
    zip_error_t zerr;
    zip_error_init(&zerr);
    ZipPtr za;
    zip_source_t* source = zip_source_buffer_create(data, size, 0, &zerr);
    if (source != nullptr) {
        za.reset(zip_open_from_source(source, ZIP_RDONLY, &zerr));
        if (!za) {
            zip_source_free(source);
        }
    }
    if (!za) {
        error = zip_error_code_zip(&zerr);
    }
    zip_error_fini(&zerr);
    return za;
}

// How a member ended.
enum class Outcome { Done, Kept, Failed, Refused, DiskFull, Stopped };

// The text of an errno value; strerror itself may not be called from
// several threads at once.
std::string errorText(int err) {
    char text[256];
    return ::strerror_r(err, text, sizeof text);
}

// Where a member's data goes: a file, the print callback, or nowhere.
struct CopySink {
    char* buffer = nullptr;     // kBufferSize bytes
    char* translated = nullptr; // kBufferSize bytes when line ends are translated
    int fd = -1;
    std::function<void(std::string_view)> print; // set when the data is printed
    // Told the member's bytes so far after each piece; false stops.
    std::function<bool(std::uint64_t)> progress;
};

// Inflates the member into the sink; checks its size and CRC.
Outcome copyData(zip_file_t* zf, const Member& m, const CopySink& sink, std::string& reason) {
    std::uint64_t total = 0;
    bool pendingCr = false;
    const auto put = [&](const char* data, std::size_t size) {
        if (sink.print) {
            sink.print(std::string_view(data, size));
        } else if (sink.fd >= 0) {
            const int err = writeAll(sink.fd, data, size);
            if (err != 0) {
                reason = "write error: " + errorText(err);
                return isDiskFullError(err) ? Outcome::DiskFull : Outcome::Failed;
            }
        }
        return Outcome::Done;
    };
    for (;;) {
        const zip_int64_t n = zip_fread(zf, sink.buffer, kBufferSize);
        if (n < 0) {
            const int code = zip_error_code_zip(zip_file_get_error(zf));
            if (code == ZIP_ER_CRC) {
                reason = "CRC error";
            } else if (code == ZIP_ER_WRONGPASSWD) {
                reason = "incorrect password";
            } else {
                reason = zip_file_strerror(zf);
            }
            return Outcome::Failed;
        }
        if (n == 0) {
            break;
        }
        const auto got = static_cast<std::uint64_t>(n);
        if (got > m.size - total) {
            reason = "inflates beyond its declared size";
            return Outcome::Refused;
        }
        total += got;
        const char* data = sink.buffer;
        std::size_t size = static_cast<std::size_t>(got);
        if (sink.translated != nullptr) {
            char* out = sink.translated;
            std::size_t k = 0;
            for (std::size_t i = 0; i < size; ++i) {
                const char c = data[i];
                if (pendingCr && c != '\n') {
                    out[k++] = '\r';
                }
                pendingCr = c == '\r';
                if (!pendingCr) {
                    out[k++] = c;
                }
            }
            data = out;
            size = k;
        }
        if (const Outcome written = put(data, size); written != Outcome::Done) {
            return written;
        }
        if (sink.progress && !sink.progress(total)) {
            reason = "stopped";
            return Outcome::Stopped;
        }
    }
    if (pendingCr) {
        if (const Outcome written = put("\r", 1); written != Outcome::Done) {
            return written;
        }
    }
    if (total != m.size) {
        reason = "shorter than its declared size";
        return Outcome::Failed;
    }
    return Outcome::Done;
}

// The key under which a path below the root is compared with others: case
// is ignored (in ASCII), as on the disc file systems that ignore it.
std::string pathKey(const std::vector<std::string>& parts, std::size_t count) {
    std::string key;
    for (std::size_t i = 0; i < count; ++i) {
        for (const char c : parts[i]) {
            key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        key += '/';
    }
    return key;
}

// One member of an extraction pass run with worker threads. A plain file is
// inflated by a worker into a new file beside its target; the caller's
// thread finishes the members in archive order, with the same lines,
// questions and progress as when they are extracted one by one (the
// progress of a member written ahead is told when its turn comes). Other
// members (folders, passwords, refusals) are done on the caller's thread.
struct MemberJob {
    bool onWorker = false;
    std::vector<std::string> parts;
    std::string targetKey;                // pathKey of a file's target; empty for others
    std::shared_ptr<Fd> folder;           // null when the folder could not be made
    std::vector<std::string> madeFolders; // made for this member, below the root
    std::string reason;                   // why the folder or the member failed
    // Written by the worker: the member's data opened, then the pieces
    // written (bytes so far after each), and its end.
    std::atomic<bool> opened{false};
    std::mutex piecesMutex;
    std::vector<std::uint64_t> pieces;
    Outcome outcome = Outcome::Failed; // with reason and tempName, once done
    std::string tempName;
    std::atomic<bool> done{false};
    // Set by the caller: the member is not wanted any more.
    std::atomic<bool> cancel{false};
};

// One call of Wiz_SingleEntryUnzip.
class Pass {
public:
    Pass(const UnzOptions& options, UnzCallbacks* callbacks)
        : opt_(options)
        , cb_(callbacks) {}

    std::int32_t run(std::int32_t includeCount, const UnzNameList* includeList,
                     std::int32_t excludeCount, const UnzNameList* excludeList);

private:
    // Output.
    void print(std::string_view text);
    void normalLine(std::string_view line, std::string_view end = {});
    void problemLine(std::string_view line, std::string_view reason);
    // The end of a file member's line, or its problem line when quiet.
    Outcome endLine(Outcome outcome, const std::string& shown, const std::string& why);

    bool selected(std::string_view name, std::int32_t includeCount, const UnzNameList* includeList,
                  std::int32_t excludeCount, const UnzNameList* excludeList) const;
    bool readMembers(zip_t* za, std::int32_t includeCount, const UnzNameList* includeList,
                     std::int32_t excludeCount, const UnzNameList* excludeList);
    void writeTotals(zip_t* za);
    void listMembers();
    std::int32_t extractMembers(zip_t* za);
    // Counts a member's outcome; the pass's result when the pass ends there.
    std::optional<std::int32_t> account(const Member& m, Outcome outcome);
    bool serviceStops(const Member& m);

    // The members one by one on this thread.
    std::optional<std::int32_t> extractInTurn(zip_t* za);
    // How many workers to use; 0 when they would not help or cannot share
    // the archive.
    unsigned workerCount() const;
    // The archive opened again, for one worker.
    ZipPtr reopen() const;
    // Plain files inflated on worker threads, finished here in order.
    std::optional<std::int32_t> extractWithWorkers(zip_t* za, unsigned workers);
    // Where a member goes below the root; no parts when it is refused.
    unz::MemberPath targetPath(const Member& m) const;
    // Prepares member i for extractWithWorkers; false when it must wait for
    // the members before it (a folder it needs is a file still to come).
    bool planJob(std::size_t i, MemberJob& job,
                 const std::unordered_map<std::string, std::size_t>& pendingFiles);
    void inflateJob(MemberJob& job, const Member& m, zip_t* za, const CopySink& sink);
    Outcome finishJob(MemberJob& job, const Member& m, unz::WorkerPool& pool);

    // The stored directory, read by the engine itself.
    std::optional<unz::CentralDirectory> readDirectory(std::uint64_t size);
    unz::ReadAt reader() const;
    // The archive through a directory of its trustworthy entries only; the
    // others are reported.
    ZipPtr openTrusted(const unz::CentralDirectory& directory, std::uint64_t size, int& error);

    // Tells the caller how far the pass has come; false when it asks to stop.
    bool progress(std::uint64_t bytesDone);

    Outcome processMember(zip_t* za, const Member& m);
    Outcome processFolder(const Member& m, const std::vector<std::string>& parts);
    // Opens member data, asking for a password when it is encrypted.
    ZipFilePtr openMember(zip_t* za, const Member& m, std::string& reason, Outcome& failure);
    // What to do with a file already where a member goes: nothing when it is
    // to be replaced, otherwise the member's outcome, with its line printed.
    std::optional<Outcome> existingFile(const struct stat& existing, const Member& m,
                                        const std::vector<std::string>& parts,
                                        const std::string& shown);
    // A new file beside leaf in the folder, named in tempName.
    Fd createTemp(int dirFd, const std::string& leaf, std::string& tempName);
    // Permissions and time of a member's new file, which is then closed.
    Outcome closeFile(Fd& out, const Member& m, Outcome outcome, std::string& reason) const;

    // The open folder below the root for the given parts; creates the folders
    // that are missing (listed in made when given). Never follows a symbolic
    // link. Null on failure.
    std::shared_ptr<Fd> folderOf(const std::vector<std::string>& parts, std::size_t count,
                                 std::string& reason, std::vector<std::string>* made = nullptr);
    int folderFd(const std::vector<std::string>& parts, std::size_t count, std::string& reason);
    std::string targetDisplay(const std::vector<std::string>& parts) const;

    const UnzOptions& opt_;
    UnzCallbacks* cb_;
    std::vector<Member> members_;
    // The archive's bytes when it is read into memory; outlives the zip_t.
    std::unique_ptr<char[]> archiveData_;
    std::uint64_t archiveSize_ = 0;
    // The archive file when it is not in memory, for the engine's own reads.
    Fd archiveFd_;
    // The archive was opened through a rebuilt directory.
    bool spliced_ = false;
    std::string root_;
    Fd rootFd_;
    // Open folders below the root by their path ("a/b/"), so that members
    // spread over many folders do not walk their path again each time.
    // Shared with the members being written into them.
    std::unordered_map<std::string, std::shared_ptr<Fd>> folders_;
    bool keepAllExisting_ = false;
    std::optional<std::string> password_;
    std::unique_ptr<char[]> buffer_;
    std::unique_ptr<char[]> translated_;
    struct FolderTime {
        std::string path;
        std::time_t mtime;
    };
    std::vector<FolderTime> folderTimes_;
    bool failed_ = false;
    bool refused_ = false;
    bool damaged_ = false;
    // Progress: declared bytes of the members finished, of all selected
    // members, and the members written.
    std::uint64_t bytesDone_ = 0;
    std::uint64_t bytesTotal_ = 0;
    std::uint64_t membersWritten_ = 0;
    // Set when the pass ends early: workers leave their members.
    std::atomic<bool> abandon_{false};
    unsigned tempSeed_ = std::random_device{}() % 1000000u;
    long pid_ = static_cast<long>(::getpid());
    std::atomic<unsigned> tempCounter_{0};
};

void Pass::print(std::string_view text) {
    if (cb_ != nullptr && cb_->print) {
        cb_->print(text.data(), static_cast<std::uint32_t>(text.size()));
    }
}

void Pass::normalLine(std::string_view line, std::string_view end) {
    if (opt_.quietLevel > 0) {
        return;
    }
    print(line);
    print(std::string(end) + "\n");
}

void Pass::problemLine(std::string_view line, std::string_view reason) {
    if (opt_.quietLevel > 1) {
        return;
    }
    print(line);
    print("  (" + std::string(reason) + ")\n");
}

bool Pass::selected(std::string_view name, std::int32_t includeCount,
                    const UnzNameList* includeList, std::int32_t excludeCount,
                    const UnzNameList* excludeList) const {
    const bool ignoreCase = opt_.caseInsensitive != 0;
    if (includeCount > 0 && includeList != nullptr) {
        bool any = false;
        for (std::int32_t i = 0; i < includeCount && !any; ++i) {
            const char* pattern = includeList->names[i];
            any = pattern != nullptr && unz::wildcardMatch(pattern, name, ignoreCase);
        }
        if (!any) {
            return false;
        }
    }
    if (excludeList != nullptr) {
        for (std::int32_t i = 0; i < excludeCount; ++i) {
            const char* pattern = excludeList->names[i];
            if (pattern != nullptr && unz::wildcardMatch(pattern, name, ignoreCase)) {
                return false;
            }
        }
    }
    return true;
}

bool Pass::readMembers(zip_t* za, std::int32_t includeCount, const UnzNameList* includeList,
                       std::int32_t excludeCount, const UnzNameList* excludeList) {
    const zip_int64_t count = zip_get_num_entries(za, 0);
    if (count < 0) {
        return false;
    }
    members_.reserve(static_cast<std::size_t>(count));
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st) != 0 ||
            (st.valid & ZIP_STAT_NAME) == 0) {
            return false;
        }
        Member m;
        m.index = static_cast<zip_uint64_t>(i);
        m.name = st.name;
        if (!selected(m.name, includeCount, includeList, excludeCount, excludeList)) {
            continue;
        }
        m.size = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
        m.compSize = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : 0;
        m.mtime = (st.valid & ZIP_STAT_MTIME) ? st.mtime : 0;
        m.crc = (st.valid & ZIP_STAT_CRC) ? st.crc : 0;
        m.method = (st.valid & ZIP_STAT_COMP_METHOD) ? st.comp_method : ZIP_CM_STORE;
        m.encryption = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) ? st.encryption_method : 0;

        zip_uint8_t opsys = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(za, m.index, 0, &opsys, &attributes) == 0 &&
            (opsys == ZIP_OPSYS_UNIX || opsys == ZIP_OPSYS_OS_X)) {
            const std::uint32_t mode = attributes >> 16;
            m.hasUnixMode = mode != 0;
            m.unixMode = mode;
            m.isLink = (mode & S_IFMT) == S_IFLNK;
        }

        // The extended timestamp, when present, is exact and in UTC; the DOS
        // time that libzip reports has two-second steps in local time.
        for (const zip_flags_t where : {ZIP_FL_CENTRAL, ZIP_FL_LOCAL}) {
            zip_uint16_t length = 0;
            const zip_uint8_t* data =
                zip_file_extra_field_get_by_id(za, m.index, kExtraTimestamp, 0, &length, where);
            if (data != nullptr && length >= 5 && (data[0] & 1) != 0) {
                const std::uint32_t t = std::uint32_t{data[1]} | (std::uint32_t{data[2]} << 8) |
                                        (std::uint32_t{data[3]} << 16) |
                                        (std::uint32_t{data[4]} << 24);
                m.mtime = static_cast<std::time_t>(static_cast<std::int32_t>(t));
                break;
            }
        }
        members_.push_back(std::move(m));
    }
    return true;
}

void Pass::writeTotals(zip_t* za) {
    if (cb_ == nullptr) {
        return;
    }
    std::uint64_t comp = 0;
    std::uint64_t size = 0;
    for (const Member& m : members_) {
        comp = addSizes(comp, m.compSize);
        size = addSizes(size, m.size);
    }
    cb_->totalSizeComp = comp;
    cb_->totalSize = size;
    cb_->compressionFactor = factorOf(comp, size);
    cb_->numMembers = members_.size();
    int length = 0;
    cb_->commentLength = 0;
    if (za != nullptr && zip_get_archive_comment(za, &length, ZIP_FL_ENC_RAW) != nullptr) {
        cb_->commentLength = static_cast<std::uint16_t>(std::clamp(length, 0, 0xffff));
    }
}

void Pass::listMembers() {
    for (const Member& m : members_) {
        std::tm tm{};
        localtime_r(&m.mtime, &tm);
        const bool folder = !m.name.empty() && m.name.back() == '/';
        const char kind = m.isLink ? 'l' : (folder ? 'd' : '-');
        const std::int32_t factor = factorOf(m.compSize, m.size);
        const std::string method = methodName(m.method);
        if (cb_ != nullptr && cb_->listEntry) {
            cb_->listEntry(m.size, m.compSize, factor, tm.tm_mon + 1, tm.tm_mday, tm.tm_year + 1900,
                           tm.tm_hour, tm.tm_min, kind, m.name.c_str(), method.c_str(), m.crc,
                           m.encryption != ZIP_EM_NONE ? 1 : 0);
        }
        char line[160];
        if (opt_.verbose != 0) {
            std::snprintf(line, sizeof line,
                          "%12llu  %-9s %12llu %4d%%  %04d-%02d-%02d %02d:%02d  %08x%s  ",
                          static_cast<unsigned long long>(m.size), method.c_str(),
                          static_cast<unsigned long long>(m.compSize), static_cast<int>(factor),
                          tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                          static_cast<unsigned>(m.crc), m.encryption != ZIP_EM_NONE ? "*" : " ");
        } else {
            std::snprintf(line, sizeof line, "%12llu  %04d-%02d-%02d %02d:%02d   ",
                          static_cast<unsigned long long>(m.size), tm.tm_year + 1900, tm.tm_mon + 1,
                          tm.tm_mday, tm.tm_hour, tm.tm_min);
        }
        normalLine(line + unz::printableName(m.name));
    }
}

std::string Pass::targetDisplay(const std::vector<std::string>& parts) const {
    std::string path = root_;
    for (const std::string& part : parts) {
        if (!path.empty() && path.back() != '/') {
            path += '/';
        }
        path += part;
    }
    return path;
}

int Pass::folderFd(const std::vector<std::string>& parts, std::size_t count, std::string& reason) {
    const std::shared_ptr<Fd> folder = folderOf(parts, count, reason);
    return folder ? folder->get() : -1;
}

std::shared_ptr<Fd> Pass::folderOf(const std::vector<std::string>& parts, std::size_t count,
                                   std::string& reason, std::vector<std::string>* made) {
    if (count == 0) {
        // The root outlives every member; the pointer does not own it.
        return std::shared_ptr<Fd>(std::shared_ptr<Fd>(), &rootFd_);
    }
    std::string key;
    for (std::size_t i = 0; i < count; ++i) {
        key += parts[i];
        key += '/';
    }
    if (const auto it = folders_.find(key); it != folders_.end()) {
        return it->second;
    }
    if (folders_.size() >= kMaxOpenFolders) {
        folders_.clear();
    }
    // Start from the deepest folder already open on the way.
    Fd current;
    int parent = rootFd_.get();
    std::size_t first = 0;
    std::string prefix;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        prefix += parts[i];
        prefix += '/';
        if (const auto it = folders_.find(prefix); it != folders_.end()) {
            parent = it->second->get();
            first = i + 1;
        }
    }
    for (std::size_t i = first; i < count; ++i) {
        const char* name = parts[i].c_str();
        if (::mkdirat(parent, name, 0777) == 0) {
            if (made != nullptr) {
                std::string path;
                for (std::size_t k = 0; k <= i; ++k) {
                    path += (k == 0 ? "" : "/") + parts[k];
                }
                made->push_back(std::move(path));
            }
        } else if (errno != EEXIST) {
            reason = "cannot create folder " + unz::printableName(parts[i]) + ": " +
                     std::strerror(errno);
            return nullptr;
        }
        const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            reason = (errno == ELOOP || errno == ENOTDIR)
                         ? "path goes through a link or a file: " + unz::printableName(parts[i])
                         : "cannot open folder " + unz::printableName(parts[i]) + ": " +
                               std::strerror(errno);
            return nullptr;
        }
        current.reset(fd);
        parent = fd;
    }
    auto folder = std::make_shared<Fd>(std::move(current));
    folders_.emplace(std::move(key), folder);
    return folder;
}

ZipFilePtr Pass::openMember(zip_t* za, const Member& m, std::string& reason, Outcome& failure) {
    failure = Outcome::Failed;
    if (m.encryption == ZIP_EM_NONE) {
        ZipFilePtr zf(zip_fopen_index(za, m.index, 0));
        if (!zf) {
            reason = zip_strerror(za);
        }
        return zf;
    }
    if (zip_encryption_method_supported(m.encryption, 0) == 0) {
        reason = "unsupported encryption";
        return nullptr;
    }
    // The last password that opened a member is tried first, so that an
    // archive with one password for all its members asks only once.
    if (password_) {
        ZipFilePtr zf(zip_fopen_index_encrypted(za, m.index, 0, password_->c_str()));
        if (zf) {
            return zf;
        }
    }
    if (cb_ == nullptr || !cb_->password) {
        reason = "no password given";
        return nullptr;
    }
    std::vector<char> buffer(kPasswordBufferSize, '\0');
    const std::string prompt = "Enter the password for " + unz::printableName(m.name);
    const std::int32_t answer =
        cb_->password(buffer.data(), kPasswordBufferSize, prompt.c_str(), m.name.c_str());
    if (answer != UnzPasswordGiven) {
        reason = "no password given";
        return nullptr;
    }
    buffer.back() = '\0';
    const std::string given(buffer.data());
    std::fill(buffer.begin(), buffer.end(), '\0');
    ZipFilePtr zf(zip_fopen_index_encrypted(za, m.index, 0, given.c_str()));
    if (!zf) {
        const int code = zip_error_code_zip(zip_get_error(za));
        reason = (code == ZIP_ER_WRONGPASSWD) ? "incorrect password" : zip_strerror(za);
        return nullptr;
    }
    password_ = given;
    return zf;
}

Outcome Pass::processFolder(const Member& m, const std::vector<std::string>& parts) {
    const std::string shown = unz::printableName(m.name);
    if (opt_.recreateFolders == 0 || parts.empty()) {
        normalLine("   skipping: " + shown, "  (folder)");
        return Outcome::Kept;
    }
    std::string reason;
    if (folderFd(parts, parts.size(), reason) < 0) {
        problemLine("      error: " + shown, reason);
        return Outcome::Failed;
    }
    normalLine("   creating: " + shown);
    std::string path;
    for (const std::string& part : parts) {
        path += (path.empty() ? "" : "/") + part;
    }
    folderTimes_.push_back({path, m.mtime});
    return Outcome::Done;
}

std::optional<Outcome> Pass::existingFile(const struct stat& existing, const Member& m,
                                          const std::vector<std::string>& parts,
                                          const std::string& shown) {
    if (S_ISDIR(existing.st_mode)) {
        problemLine("      error: " + shown, "a folder of that name exists");
        return Outcome::Failed;
    }
    const bool older = existing.st_mtime < m.mtime;
    bool overwrite = false;
    if (opt_.extractOnlyNewer != 0 || opt_.updateMode != 0) {
        overwrite = older;
    } else if (opt_.overwriteAll != 0) {
        overwrite = true;
    } else if (opt_.promptToOverwrite != 0 && !keepAllExisting_ && cb_ != nullptr && cb_->replace) {
        const std::string target = targetDisplay(parts);
        const std::int32_t answer = cb_->replace(target.c_str());
        overwrite = answer == UnzReplaceYes;
        keepAllExisting_ = answer == UnzReplaceNoAll;
    }
    if (!overwrite) {
        normalLine("   skipping: " + shown, "  (kept)");
        return Outcome::Kept;
    }
    return std::nullopt;
}

Fd Pass::createTemp(int dirFd, const std::string& leaf, std::string& tempName) {
    Fd out;
    for (unsigned attempt = 0; attempt < 100 && !out; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".unz%ld-%u", pid_, tempSeed_ + tempCounter_++);
        tempName.assign(1, '.');
        tempName.append(leaf, 0, 200);
        tempName.append(suffix);
        out.reset(::openat(dirFd, tempName.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!out && errno != EEXIST) {
            break;
        }
    }
    return out;
}

Outcome Pass::closeFile(Fd& out, const Member& m, Outcome outcome, std::string& reason) const {
    if (outcome != Outcome::Done) {
        return outcome;
    }
    const bool restoreMode = opt_.restorePrivileges != 0 && m.hasUnixMode;
    const bool addExecute = m.hasUnixMode && (m.unixMode & S_IXUSR) != 0;
    // A plain file keeps the permissions it was created with.
    struct stat created {};
    if ((restoreMode || addExecute) && ::fstat(out.get(), &created) == 0) {
        mode_t mode = created.st_mode & 0777;
        if (restoreMode) {
            mode = m.unixMode & 0777;
        } else if (addExecute) {
            mode |= (mode & 0444) >> 2;
        }
        ::fchmod(out.get(), mode);
    }
    const struct timespec times[2] = {{0, UTIME_NOW}, {m.mtime, 0}};
    ::futimens(out.get(), times);
    if (::close(out.release()) != 0) {
        const int err = errno;
        reason = "write error: " + errorText(err);
        return isDiskFullError(err) ? Outcome::DiskFull : Outcome::Failed;
    }
    return Outcome::Done;
}

Outcome Pass::endLine(Outcome outcome, const std::string& shown, const std::string& why) {
    if (opt_.quietLevel == 0) {
        print(outcome == Outcome::Done ? "\n" : "  (" + why + ")\n");
    } else if (outcome != Outcome::Done && opt_.quietLevel == 1) {
        print("      error: " + shown);
        print("  (" + why + ")\n");
    }
    return outcome;
}

Outcome Pass::processMember(zip_t* za, const Member& m) {
    const std::string shown = unz::printableName(m.name);
    unz::MemberPath path = unz::splitMemberName(m.name);
    if (!path.refusal.empty()) {
        problemLine("    refused: " + shown, path.refusal);
        return Outcome::Refused;
    }
    if (m.isLink) {
        problemLine("    refused: " + shown, "symbolic link not created");
        return Outcome::Refused;
    }
    if (opt_.spaceToUnderscore != 0) {
        for (std::string& part : path.parts) {
            std::replace(part.begin(), part.end(), ' ', '_');
        }
    }
    const bool toFile = opt_.testArchive == 0 && opt_.writeToStdout == 0;
    if (path.isFolder) {
        if (!toFile) {
            normalLine("    testing: " + shown, "  OK");
            return Outcome::Done;
        }
        return processFolder(m, path.parts);
    }
    if (path.parts.empty()) {
        problemLine("    refused: " + shown, "empty name");
        return Outcome::Refused;
    }
    if (opt_.recreateFolders == 0) {
        path.parts.erase(path.parts.begin(), path.parts.end() - 1);
    }
    std::string reason;
    const std::string& leaf = path.parts.back();
    int dirFd = -1;
    if (toFile) {
        dirFd = folderFd(path.parts, path.parts.size() - 1, reason);
        if (dirFd < 0) {
            problemLine("      error: " + shown, reason);
            return Outcome::Failed;
        }
        struct stat existing {};
        if (::fstatat(dirFd, leaf.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
            if (const std::optional<Outcome> kept = existingFile(existing, m, path.parts, shown)) {
                return *kept;
            }
        } else if (opt_.extractOnlyNewer != 0) {
            normalLine("   skipping: " + shown, "  (not there before)");
            return Outcome::Kept;
        }
    }

    if (zip_compression_method_supported(static_cast<zip_int32_t>(m.method), 0) == 0) {
        problemLine("      error: " + shown, "unsupported method " + methodName(m.method));
        return Outcome::Failed;
    }
    Outcome failure = Outcome::Failed;
    ZipFilePtr zf = openMember(za, m, reason, failure);
    if (!zf) {
        problemLine("   skipping: " + shown, reason);
        return failure;
    }

    CopySink sink;
    sink.buffer = buffer_.get();
    sink.translated = translated_.get();
    sink.progress = [this](std::uint64_t total) { return progress(total); };
    if (!toFile) {
        if (opt_.writeToStdout != 0) {
            sink.print = [this](std::string_view data) { print(data); };
        }
        if (opt_.testArchive != 0) {
            print("    testing: " + shown);
        }
        const Outcome outcome = copyData(zf.get(), m, sink, reason);
        if (opt_.testArchive != 0) {
            print(outcome == Outcome::Done ? "  OK\n" : "  (" + reason + ")\n");
        }
        return outcome;
    }

    // The member goes into a new file beside its target, which replaces the
    // target only once the whole member has been read and checked.
    if (opt_.quietLevel == 0) {
        print((m.method == ZIP_CM_STORE ? " extracting: " : "  inflating: ") + shown);
    }
    std::string tempName;
    Fd out = createTemp(dirFd, leaf, tempName);
    if (!out) {
        const int err = errno;
        return endLine(isDiskFullError(err) ? Outcome::DiskFull : Outcome::Failed, shown,
                       "cannot create file: " + errorText(err));
    }
    sink.fd = out.get();
    Outcome outcome = copyData(zf.get(), m, sink, reason);
    zf.reset();
    outcome = closeFile(out, m, outcome, reason);
    if (outcome == Outcome::Done && ::renameat(dirFd, tempName.c_str(), dirFd, leaf.c_str()) != 0) {
        reason = "cannot replace file: " + errorText(errno);
        outcome = Outcome::Failed;
    }
    if (outcome != Outcome::Done) {
        out.reset();
        ::unlinkat(dirFd, tempName.c_str(), 0);
    }
    return endLine(outcome, shown, reason);
}

void Pass::inflateJob(MemberJob& job, const Member& m, zip_t* za, const CopySink& base) {
    ZipFilePtr zf(zip_fopen_index(za, m.index, 0));
    if (!zf) {
        job.reason = zip_strerror(za);
        return;
    }
    job.opened.store(true, std::memory_order_release);
    const int dirFd = job.folder->get();
    Fd out = createTemp(dirFd, job.parts.back(), job.tempName);
    if (!out) {
        const int err = errno;
        job.reason = "cannot create file: " + errorText(err);
        job.outcome = isDiskFullError(err) ? Outcome::DiskFull : Outcome::Failed;
        job.tempName.clear();
        return;
    }
    CopySink sink = base;
    sink.fd = out.get();
    sink.progress = [&](std::uint64_t total) {
        {
            const std::lock_guard lock(job.piecesMutex);
            job.pieces.push_back(total);
        }
        return base.progress(total) && !job.cancel;
    };
    Outcome outcome = copyData(zf.get(), m, sink, job.reason);
    zf.reset();
    outcome = closeFile(out, m, outcome, job.reason);
    if (outcome != Outcome::Done) {
        out.reset();
        ::unlinkat(dirFd, job.tempName.c_str(), 0);
        job.tempName.clear();
    }
    job.outcome = outcome;
}

Outcome Pass::finishJob(MemberJob& job, const Member& m, unz::WorkerPool& pool) {
    const std::string shown = unz::printableName(m.name);
    if (!job.folder) {
        problemLine("      error: " + shown, job.reason);
        return Outcome::Failed;
    }
    const int dirFd = job.folder->get();
    const std::string& leaf = job.parts.back();
    // Quick waits: each piece of a member is at most kBufferSize bytes.
    const auto awaitWorker = [&](const auto& condition) {
        while (!condition()) {
            pool.waitForNews(kHeartbeat);
        }
    };
    const auto dropJob = [&] {
        job.cancel = true;
        awaitWorker([&] { return job.done.load(std::memory_order_acquire); });
        if (!job.tempName.empty()) {
            ::unlinkat(dirFd, job.tempName.c_str(), 0);
            job.tempName.clear();
        }
    };
    struct stat existing {};
    if (::fstatat(dirFd, leaf.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (const std::optional<Outcome> kept = existingFile(existing, m, job.parts, shown)) {
            dropJob();
            return *kept;
        }
    }
    awaitWorker([&] {
        return job.opened.load(std::memory_order_acquire) ||
               job.done.load(std::memory_order_acquire);
    });
    if (!job.opened.load(std::memory_order_acquire)) {
        problemLine("   skipping: " + shown, job.reason);
        return Outcome::Failed;
    }
    if (opt_.quietLevel == 0) {
        print((m.method == ZIP_CM_STORE ? " extracting: " : "  inflating: ") + shown);
    }
    // The member's pieces are told in turn, as the worker writes them or as
    // it wrote them before; a stop then removes the member.
    std::size_t told = 0;
    std::uint64_t lastTotal = 0;
    auto lastTold = std::chrono::steady_clock::now();
    for (;;) {
        const bool finished = job.done.load(std::memory_order_acquire);
        std::vector<std::uint64_t> news;
        {
            const std::lock_guard lock(job.piecesMutex);
            news.assign(job.pieces.begin() + static_cast<std::ptrdiff_t>(told), job.pieces.end());
        }
        told += news.size();
        for (const std::uint64_t total : news) {
            lastTotal = total;
            lastTold = std::chrono::steady_clock::now();
            if (!progress(total)) {
                dropJob();
                return endLine(Outcome::Stopped, shown, "stopped");
            }
        }
        if (finished) {
            break;
        }
        pool.waitForNews(kHeartbeat);
        // A worker held up by the disk: the caller is still served.
        if (std::chrono::steady_clock::now() - lastTold >= kHeartbeat) {
            lastTold = std::chrono::steady_clock::now();
            if (!progress(lastTotal)) {
                dropJob();
                return endLine(Outcome::Stopped, shown, "stopped");
            }
        }
    }
    Outcome outcome = job.outcome;
    std::string reason = job.reason;
    if (outcome == Outcome::Done &&
        ::renameat(dirFd, job.tempName.c_str(), dirFd, leaf.c_str()) != 0) {
        reason = "cannot replace file: " + errorText(errno);
        outcome = Outcome::Failed;
        ::unlinkat(dirFd, job.tempName.c_str(), 0);
    }
    job.tempName.clear();
    return endLine(outcome, shown, reason);
}

unz::MemberPath Pass::targetPath(const Member& m) const {
    unz::MemberPath path = unz::splitMemberName(m.name);
    if (!path.refusal.empty() || m.isLink || path.parts.empty()) {
        path.parts.clear();
        return path;
    }
    if (opt_.spaceToUnderscore != 0) {
        for (std::string& part : path.parts) {
            std::replace(part.begin(), part.end(), ' ', '_');
        }
    }
    if (opt_.recreateFolders == 0 && !path.isFolder) {
        path.parts.erase(path.parts.begin(), path.parts.end() - 1);
    }
    return path;
}

bool Pass::planJob(std::size_t i, MemberJob& job,
                   const std::unordered_map<std::string, std::size_t>& pendingFiles) {
    const Member& m = members_[i];
    unz::MemberPath path = targetPath(m);
    if (path.isFolder || path.parts.empty()) {
        return true;
    }
    const std::size_t folders = path.parts.size() - 1;
    // A folder on the way that is a file still to come must wait for it.
    for (std::size_t k = 1; k <= folders; ++k) {
        if (pendingFiles.contains(pathKey(path.parts, k))) {
            return false;
        }
    }
    job.targetKey = pathKey(path.parts, path.parts.size());
    if (m.encryption != ZIP_EM_NONE ||
        zip_compression_method_supported(static_cast<zip_int32_t>(m.method), 0) == 0) {
        return true;
    }
    job.onWorker = true;
    job.folder = folderOf(path.parts, folders, job.reason, &job.madeFolders);
    job.parts = std::move(path.parts);
    return true;
}

unsigned Pass::workerCount() const {
    const unsigned cores = std::thread::hardware_concurrency();
    const auto files = static_cast<std::size_t>(std::count_if(
        members_.begin(), members_.end(), [](const Member& m) { return !isFolderName(m.name); }));
    if (spliced_ || cores < 2 || files < 2 || opt_.testArchive != 0 || opt_.writeToStdout != 0 ||
        opt_.extractOnlyNewer != 0) {
        return 0;
    }
    return std::min({cores, kMaxWorkers, static_cast<unsigned>(files)});
}

ZipPtr Pass::reopen() const {
    // One at a time: libzip converts each entry's time with mktime, whose
    // time zone state thread checkers do not see guarded.
    static std::mutex opening;
    const std::lock_guard lock(opening);
    int error = 0;
    return archiveData_ ? openInMemory(archiveData_.get(), archiveSize_, error)
                        : ZipPtr(unz::openSpliced(reader(), archiveSize_, {}, error));
}

std::optional<std::int32_t> Pass::extractWithWorkers(zip_t* za, unsigned workers) {
    // Each worker reads through an archive of its own, opened by the worker
    // itself at its first member: reading the directory again takes a while.
    std::vector<ZipPtr> archives(workers);
    const std::size_t count = members_.size();
    std::vector<std::unique_ptr<MemberJob>> jobs(count);
    // Files planned and not finished, by target, with how many.
    std::unordered_map<std::string, std::size_t> pendingFiles;
    // Folders that finished members are in: they stay whatever happens.
    std::unordered_set<std::string> keptFolders;
    std::size_t planned = 0;
    std::size_t head = 0;

    const bool translate = opt_.translateLineEnds != 0;
    std::vector<std::unique_ptr<char[]>> buffers;
    for (std::size_t i = 0; i < archives.size() * (translate ? 2 : 1); ++i) {
        buffers.push_back(std::make_unique_for_overwrite<char[]>(kBufferSize));
    }
    unz::WorkerPool pool(static_cast<unsigned>(archives.size()));
    // However the pass ends, the workers stop first; then what they made for
    // members not finished goes: new files, and the folders made for them.
    struct Cleanup {
        std::function<void()> run;
        ~Cleanup() { run(); }
    } cleanup{[&] {
        abandon_ = true;
        pool.stop();
        for (std::size_t i = planned; i-- > head;) {
            MemberJob& job = *jobs[i];
            if (job.folder && !job.tempName.empty()) {
                ::unlinkat(job.folder->get(), job.tempName.c_str(), 0);
            }
            for (auto it = job.madeFolders.rbegin(); it != job.madeFolders.rend(); ++it) {
                if (!keptFolders.contains(*it)) {
                    ::unlinkat(rootFd_.get(), it->c_str(), AT_REMOVEDIR);
                }
            }
        }
    }};

    while (head < count) {
        while (planned < count && planned - head < kPlanAhead) {
            auto job = std::make_unique<MemberJob>();
            if (!planJob(planned, *job, pendingFiles)) {
                if (planned > head) {
                    break;
                }
                // Nothing before it is pending any more.
                planJob(planned, *job, {});
            }
            if (!job->targetKey.empty()) {
                ++pendingFiles[job->targetKey];
            }
            if (job->onWorker && job->folder) {
                MemberJob* task = job.get();
                const Member* m = &members_[planned];
                pool.submit([this, task, m, &archives, &buffers, &pool, translate](unsigned w) {
                    CopySink sink;
                    sink.buffer = buffers[translate ? 2 * w : w].get();
                    sink.translated = translate ? buffers[2 * w + 1].get() : nullptr;
                    sink.progress = [this, &pool](std::uint64_t) {
                        pool.tell();
                        return !abandon_;
                    };
                    if (!archives[w]) {
                        archives[w] = reopen();
                    }
                    if (archives[w]) {
                        inflateJob(*task, *m, archives[w].get(), sink);
                    } else {
                        task->reason = "archive cannot be opened";
                    }
                    task->done.store(true, std::memory_order_release);
                    pool.tell();
                });
            }
            jobs[planned++] = std::move(job);
        }
        MemberJob& job = *jobs[head];
        const Member& m = members_[head];
        if (serviceStops(m)) {
            return UnzCancelled;
        }
        const Outcome outcome = job.onWorker ? finishJob(job, m, pool) : processMember(za, m);
        if (!job.targetKey.empty() && --pendingFiles[job.targetKey] == 0) {
            pendingFiles.erase(job.targetKey);
        }
        unz::MemberPath path = job.onWorker ? unz::MemberPath{job.parts, false, {}} : targetPath(m);
        std::string folder;
        for (std::size_t k = 0; k + (path.isFolder ? 0 : 1) < path.parts.size(); ++k) {
            folder += (k == 0 ? "" : "/") + path.parts[k];
            keptFolders.insert(folder);
        }
        ++head;
        if (const std::optional<std::int32_t> end = account(m, outcome)) {
            return end;
        }
        if (!progress(0)) {
            return UnzCancelled;
        }
        jobs[head - 1].reset();
    }
    return std::nullopt;
}

bool Pass::serviceStops(const Member& m) {
    return cb_ != nullptr && cb_->service &&
           cb_->service(m.name.c_str(), static_cast<std::uint32_t>(m.name.size())) != 0;
}

std::optional<std::int32_t> Pass::account(const Member& m, Outcome outcome) {
    if (!isFolderName(m.name)) {
        bytesDone_ = addSizes(bytesDone_, m.size);
    }
    switch (outcome) {
    case Outcome::Done:
        ++membersWritten_;
        break;
    case Outcome::Kept:
        break;
    case Outcome::Failed:
        failed_ = true;
        break;
    case Outcome::Refused:
        refused_ = true;
        break;
    case Outcome::DiskFull:
        return UnzDiskFull;
    case Outcome::Stopped:
        return UnzCancelled;
    }
    return std::nullopt;
}

std::optional<std::int32_t> Pass::extractInTurn(zip_t* za) {
    for (const Member& m : members_) {
        if (serviceStops(m)) {
            return UnzCancelled;
        }
        if (const std::optional<std::int32_t> end = account(m, processMember(za, m))) {
            return end;
        }
        if (!progress(0)) {
            return UnzCancelled;
        }
    }
    return std::nullopt;
}

std::int32_t Pass::extractMembers(zip_t* za) {
    const bool toFile = opt_.testArchive == 0 && opt_.writeToStdout == 0;
    if (toFile) {
        std::error_code ec;
        const std::filesystem::path root = root_.empty() ? "." : root_;
        std::filesystem::create_directories(root, ec);
        rootFd_.reset(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!rootFd_) {
            problemLine("      error: " + unz::printableName(root.string()),
                        std::string("cannot open extraction folder: ") + std::strerror(errno));
            return UnzMemberFailed;
        }
        // Nothing starts when the declared contents cannot fit.
        std::uint64_t needed = 0;
        for (const Member& m : members_) {
            if (!m.isLink && (m.name.empty() || m.name.back() != '/')) {
                needed = addSizes(needed, m.size);
            }
        }
        struct statvfs fs {};
        if (::fstatvfs(rootFd_.get(), &fs) == 0) {
            const std::uint64_t available = std::uint64_t{fs.f_bavail} * fs.f_frsize;
            if (needed > available) {
                problemLine("      error: not enough free space",
                            std::to_string(needed) + " bytes needed, " + std::to_string(available) +
                                " available");
                return UnzDiskFull;
            }
        }
    }
    buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    if (opt_.translateLineEnds != 0) {
        translated_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    }
    for (const Member& m : members_) {
        if (!isFolderName(m.name)) {
            bytesTotal_ = addSizes(bytesTotal_, m.size);
        }
    }
    if (!progress(0)) {
        return UnzCancelled;
    }
    const unsigned workers = workerCount();
    const std::optional<std::int32_t> end =
        workers == 0 ? extractInTurn(za) : extractWithWorkers(za, workers);
    if (end) {
        return *end;
    }
    // Folder times last, since writing their files changed them.
    for (auto it = folderTimes_.rbegin(); it != folderTimes_.rend(); ++it) {
        const struct timespec times[2] = {{0, UTIME_NOW}, {it->mtime, 0}};
        ::utimensat(rootFd_.get(), it->path.c_str(), times, AT_SYMLINK_NOFOLLOW);
    }
    if (damaged_) {
        return UnzDamaged;
    }
    return failed_ ? UnzMemberFailed : (refused_ ? UnzMemberRefused : UnzOk);
}

bool Pass::progress(std::uint64_t bytesDone) {
    if (cb_ == nullptr || !cb_->progress) {
        return true;
    }
    const std::uint64_t done = std::min(addSizes(bytesDone_, bytesDone), bytesTotal_);
    return cb_->progress(done, bytesTotal_, membersWritten_) == 0;
}

std::int32_t Pass::run(std::int32_t includeCount, const UnzNameList* includeList,
                       std::int32_t excludeCount, const UnzNameList* excludeList) {
    writeTotals(nullptr);
    if (opt_.zipFileName == nullptr || includeCount < 0 || includeCount > UnzNameListSize ||
        excludeCount < 0 || excludeCount > UnzNameListSize) {
        return UnzBadArguments;
    }
    root_ = opt_.extractionDirectory != nullptr ? opt_.extractionDirectory : "";

    struct stat st {};
    if (::stat(opt_.zipFileName, &st) != 0) {
        problemLine("      error: " + unz::printableName(opt_.zipFileName), "archive not found");
        return UnzArchiveMissing;
    }
    const std::string shownArchive = unz::printableName(opt_.zipFileName);
    int error = 0;
    ZipPtr za;
    const auto size = static_cast<std::uint64_t>(st.st_size);
    archiveSize_ = size;
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        // An extraction pass reads the whole archive anyway; read in one go,
        // libzip's many small reads and seeks become memory accesses.
        if (opt_.listOnly == 0 && size <= kInMemoryArchiveLimit &&
            readWholeFile(opt_.zipFileName, size, archiveData_)) {
            za = openInMemory(archiveData_.get(), size, error);
        } else {
            za.reset(zip_open(opt_.zipFileName, ZIP_RDONLY, &error));
        }
    }
    std::optional<unz::CentralDirectory> directory;
    if (!za && error == ZIP_ER_INCONS) {
        // One bad entry makes libzip refuse the whole archive; the others
        // are read through a directory of the entries that can be trusted.
        directory = readDirectory(size);
        if (directory) {
            za = openTrusted(*directory, size, error);
            spliced_ = true;
            if (!za) {
                problemLine("      error: " + shownArchive, "damaged zip archive");
                return UnzDamaged;
            }
        }
    }
    if (!za) {
        const bool unreadable = error == ZIP_ER_OPEN || error == ZIP_ER_READ;
        problemLine("      error: " + shownArchive,
                    unreadable ? "archive cannot be opened" : "not a zip archive");
        return unreadable ? UnzArchiveMissing : UnzNotAZip;
    }
    if (!readMembers(za.get(), includeCount, includeList, excludeCount, excludeList)) {
        problemLine("      error: " + shownArchive, zip_strerror(za.get()));
        return UnzNotAZip;
    }
    if (opt_.listOnly == 0) {
        // Entries that share their data would write the same bytes again and
        // again: refused before anything is written, as Info-ZIP unzip does.
        if (!directory) {
            directory = readDirectory(size);
        }
        const std::string overlap = directory ? unz::overlapRefusal(*directory) : std::string();
        if (!overlap.empty()) {
            writeTotals(za.get());
            problemLine("      error: " + shownArchive, overlap);
            return UnzArchiveRefused;
        }
    }
    writeTotals(za.get());

    if (opt_.showComment != 0) {
        int length = 0;
        const char* comment = zip_get_archive_comment(za.get(), &length, 0);
        if (comment != nullptr && length > 0) {
            normalLine(std::string_view(comment, static_cast<std::size_t>(length)));
        }
    }
    if (includeCount > 0 && members_.empty()) {
        problemLine("      error: " + unz::printableName(opt_.zipFileName), "no member matches");
        return UnzNoMatch;
    }
    if (opt_.listOnly != 0) {
        listMembers();
        return damaged_ ? UnzDamaged : UnzOk;
    }
    return extractMembers(za.get());
}

std::optional<unz::CentralDirectory> Pass::readDirectory(std::uint64_t size) {
    if (!archiveData_ && !archiveFd_) {
        archiveFd_.reset(::open(opt_.zipFileName, O_RDONLY | O_CLOEXEC));
    }
    return unz::readCentralDirectory(reader(), size);
}

unz::ReadAt Pass::reader() const {
    if (archiveData_) {
        return [data = archiveData_.get(), size = archiveSize_](std::uint64_t offset, void* out,
                                                                std::size_t length) {
            if (offset > size || length > size - offset) {
                return false;
            }
            std::memcpy(out, data + offset, length);
            return true;
        };
    }
    return [fd = archiveFd_.get()](std::uint64_t offset, void* out, std::size_t length) {
        auto* to = static_cast<char*>(out);
        while (length > 0) {
            const ssize_t n = ::pread(fd, to, length, static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            to += n;
            offset += static_cast<std::uint64_t>(n);
            length -= static_cast<std::size_t>(n);
        }
        return true;
    };
}

ZipPtr Pass::openTrusted(const unz::CentralDirectory& directory, std::uint64_t size, int& error) {
    damaged_ = true;
    if (directory.declaredCount != directory.entries.size()) {
        problemLine("    damaged: " + unz::printableName(opt_.zipFileName),
                    "the end record declares " + std::to_string(directory.declaredCount) +
                        " entries, the directory holds " +
                        std::to_string(directory.entries.size()));
    }
    std::vector<unz::CentralEntry> kept;
    for (const unz::CentralEntry& e : directory.entries) {
        const std::string fault = unz::entryFault(e);
        if (fault.empty()) {
            kept.push_back(e);
        } else {
            problemLine("    damaged: " + unz::printableName(e.name), fault);
            failed_ = true;
        }
    }
    if (directory.offset > size) {
        return nullptr;
    }
    return ZipPtr(unz::openSpliced(reader(), directory.offset,
                                   unz::rebuiltDirectory(directory, kept), error));
}

} // namespace

std::int32_t UzpVersion2(UnzVersion* version) {
    if (version == nullptr || version->structLength < sizeof(UnzVersion)) {
        return UnzBadArguments;
    }
    version->structLength = sizeof(UnzVersion);
    version->flag = UnzFlagLargeArchives;
    if (zip_encryption_method_supported(ZIP_EM_TRAD_PKWARE, 0) != 0) {
        version->flag |= UnzFlagTraditionalEncryption;
    }
    if (zip_encryption_method_supported(ZIP_EM_AES_256, 0) != 0) {
        version->flag |= UnzFlagAesEncryption;
    }
    copyText(version->betaLevel, sizeof version->betaLevel, "");
    copyText(version->date, sizeof version->date, kEngineDate);
    const char* libzip = zip_libzip_version();
    copyText(version->zlibVersion, sizeof version->zlibVersion, libzip != nullptr ? libzip : "");
    version->engine = {kEngineMajor, kEngineMinor, kEnginePatch, 0};
    version->compression = parseVersion(libzip);
    version->interfaceRevision = {kInterfaceRevision, 0, 0, 0};
    version->notUsed = {};
    return UnzOk;
}

std::int32_t Wiz_SingleEntryUnzip(std::int32_t includeCount, const UnzNameList* includeList,
                                  std::int32_t excludeCount, const UnzNameList* excludeList,
                                  const UnzOptions* options, UnzCallbacks* callbacks) {
    if (options == nullptr) {
        return UnzBadArguments;
    }
    Pass pass(*options, callbacks);
    return pass.run(includeCount, includeList, excludeCount, excludeList);
}
