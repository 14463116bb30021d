// Extraction speed of the zip engine through the unzip window's binding
// (UnzRun, every callback on, the bar drawn offscreen), next to Info-ZIP's
// "unzip -o -q" when that program is installed.
//
// Three archives are generated in a temporary folder: 2,000 small files in
// twenty folders, five files of 40 MiB, and one member of 700 MiB of mixed
// data (text, random bytes, zeros). In each round (nine for the small files,
// six for the large, two for the 700 MiB member) each archive is extracted
// into fresh folders by the binding's two passes, by the window's Start
// button and by unzip; the best time of each counts, with the range of all
// rounds beside it, and the peak memory of each tool. A round's folders are
// removed before the next round, after a sync, so that no run pays for
// another's deletions, and the tools take turns at going first. Beside them,
// the archive's files are created and written without inflating anything:
// the file system's own share, which no extractor can go below.
//
// Arguments choose the archives: "small", "large", "huge" (all by default).

#include "prompts.h"
#include "unzengine.h"
#include "unzipwindow.h"

#include <zip.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// Text-like data: words from a small vocabulary, so that it deflates to
// roughly a third, as documents and programs on a disc do.
std::string makeData(std::size_t size, std::mt19937& rng) {
    static const char* words[] = {"menu ",    "install ", "archive ", "program ", "folder ",
                                  "picture ", "sound ",   "disc ",    "readme\n", "setup ",
                                  "0x1f2e ",  "data ",    "window ",  "config ",  "version "};
    std::string out;
    out.reserve(size + 16);
    std::uniform_int_distribution<int> pick(0, 14);
    std::uniform_int_distribution<int> noise(33, 126);
    while (out.size() < size) {
        out += words[pick(rng)];
        if (pick(rng) == 0) {
            out += static_cast<char>(noise(rng));
        }
    }
    out.resize(size);
    return out;
}

// Writes the archive; level is the deflate level (1 fastest, 9 smallest).
bool writeArchive(const fs::path& zip,
                  const std::vector<std::pair<std::string, std::string>>& files,
                  zip_uint32_t level) {
    int error = 0;
    zip_t* za = zip_open(zip.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (za == nullptr) {
        return false;
    }
    for (const auto& [name, data] : files) {
        zip_source_t* src = zip_source_buffer(za, data.data(), data.size(), 0);
        const zip_int64_t index =
            src != nullptr ? zip_file_add(za, name.c_str(), src, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(src);
            zip_discard(za);
            return false;
        }
        zip_set_file_compression(za, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, level);
    }
    if (zip_close(za) != 0) {
        zip_discard(za);
        return false;
    }
    return true;
}

// Peak resident memory of this process since the last reset, in MiB. The
// kernel's high-water mark is reset through clear_refs, so that each run
// shows its own peak; where that is not possible it is getrusage's peak of
// the whole process so far.
void resetOwnPeak() {
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}
double ownPeakMiB() {
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        long kib = -1;
        while (std::fgets(line, sizeof line, f) != nullptr) {
            if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) {
                break;
            }
        }
        std::fclose(f);
        if (kib >= 0) {
            return static_cast<double>(kib) / 1024.0;
        }
    }
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Processor time of this process so far (user and system), which the other
// work on a shared machine does not stretch as it stretches the wall clock.
double ownCpuSeconds() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct EngineRun {
    double listing = 0;
    double extraction = 0;
    std::int32_t result = 0;
    std::uint64_t members = 0;
    double prints = 0;
};

// Answers the questions of a pass: the benchmark extracts into fresh
// folders, so any question means something went wrong; it is counted.
class BenchPrompts : public Prompts {
public:
    int asked = 0;
    Answer messageBox(const QString& text, const QString&, Buttons, Icon, Answer) override {
        ++asked;
        std::fprintf(stderr, "unexpected question: %s\n", qPrintable(text));
        return Answer::Cancel;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        ++asked;
        return std::nullopt;
    }
    std::optional<QString> openFileDialog(const FileDialogRequest&) override { return {}; }
    std::optional<QString> saveFileDialog(const FileDialogRequest&) override { return {}; }
    std::optional<QColor> colourDialog(const QColor&, const QList<QColor>&) override { return {}; }
};

// The two passes of the unzip window's Start, through UnzRun with every
// callback on and the bar and summary drawn into the (offscreen) window.
EngineRun runEngine(VBUnzFrm& window, const fs::path& zip, const fs::path& dir) {
    EngineRun r;
    UnzState& s = window.unzState();
    s.reportErrors = 0;
    s.memberCount = 0;
    s.option(unzoption::promptToOverwrite) = 1;
    s.option(unzoption::overwriteAll) = 0;
    s.option(unzoption::showComment) = 0;
    s.option(unzoption::listOnly) = 1;
    s.option(unzoption::recreateFolders) = 1;
    s.zipFileName = QFile::decodeName(zip.c_str());
    s.extractionDirectory = QFile::decodeName(dir.c_str());
    s.printCount = 0;
    const auto t0 = std::chrono::steady_clock::now();
    window.binding().UnzRun();
    const auto t1 = std::chrono::steady_clock::now();
    if (s.memberCount > 0) {
        s.memberTotal = s.memberCount;
    }
    s.option(unzoption::listOnly) = 0;
    s.printCount = 0;
    s.reportErrors = -1;
    r.result = window.binding().UnzRun();
    const auto t2 = std::chrono::steady_clock::now();
    r.listing = seconds(t1 - t0);
    r.extraction = seconds(t2 - t1);
    r.members = s.callbacks.numMembers;
    r.prints = s.printCount;
    return r;
}

// The whole Start button, both passes and the folder step, as the user waits.
double runStart(VBUnzFrm& window, const fs::path& zip, const fs::path& dir) {
    window.openFor(QFile::decodeName(zip.c_str()), QFile::decodeName(dir.c_str()) + u'/');
    QCoreApplication::processEvents();
    auto* start = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    const auto t0 = std::chrono::steady_clock::now();
    start->click();
    return seconds(std::chrono::steady_clock::now() - t0);
}

// What any extractor pays the file system at least: the archive's folders
// made and its files created, written (zeros, in pieces of at most 1 MiB)
// and closed, one after the other, with nothing inflated. Returns the time.
double runCreateOnly(const fs::path& zip, const fs::path& dir, double& cpu) {
    struct File {
        std::string name;
        std::uint64_t size;
    };
    std::vector<File> files;
    int error = 0;
    if (zip_t* za = zip_open(zip.c_str(), ZIP_RDONLY, &error)) {
        for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
            zip_stat_t st;
            if (zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st) == 0) {
                files.push_back({st.name, st.size});
            }
        }
        zip_discard(za);
    }
    const std::string zeros(std::size_t{1} << 20, '\0');
    const double cpu0 = ownCpuSeconds();
    const auto t0 = std::chrono::steady_clock::now();
    fs::create_directories(dir);
    std::set<fs::path> made;
    for (const File& f : files) {
        const fs::path target = dir / f.name;
        if (made.insert(target.parent_path()).second) {
            fs::create_directories(target.parent_path());
        }
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        for (std::uint64_t left = f.size; fd >= 0 && left > 0;) {
            const ssize_t n =
                ::write(fd, zeros.data(), std::min<std::uint64_t>(left, zeros.size()));
            left = n > 0 ? left - static_cast<std::uint64_t>(n) : 0;
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    const double taken = seconds(std::chrono::steady_clock::now() - t0);
    cpu = ownCpuSeconds() - cpu0;
    return taken;
}

// unzip started by GNU time where it is installed: a child's peak memory as
// the kernel reports it counts the memory of the process it was started
// from, so unzip must come from a small one to show its own. The peak is
// -1 without GNU time.
double runUnzip(const fs::path& zip, const fs::path& dir, const fs::path& note, double& peakMiB,
                double& cpu) {
    const bool measured = ::access("/usr/bin/time", X_OK) == 0;
    std::vector<std::string> args;
    if (measured) {
        args = {"/usr/bin/time", "-f", "%M %U %S", "-o", note.string()};
    }
    for (const std::string& a : {std::string("unzip"), std::string("-o"), std::string("-q"),
                                 zip.string(), std::string("-d"), dir.string()}) {
        args.push_back(a);
    }
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    const auto t0 = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return -1.0;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const auto t1 = std::chrono::steady_clock::now();
    peakMiB = -1;
    cpu = -1;
    if (FILE* f = measured ? std::fopen(note.c_str(), "r") : nullptr) {
        long kib = 0;
        double user = 0;
        double system = 0;
        if (std::fscanf(f, "%ld %lf %lf", &kib, &user, &system) == 3) {
            peakMiB = static_cast<double>(kib) / 1024.0;
            cpu = user + system;
        }
        std::fclose(f);
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds(t1 - t0) : -1.0;
}

// Best and worst of the rounds, and the largest peak memory.
struct Figures {
    double best = 1e9;
    double worst = 0;
    double peakMiB = -1;
    double bestCpu = 1e9;
    std::vector<double> rounds; // wall time of each round, in order
    void add(double t, double peak, double cpu) {
        if (t >= 0) {
            best = std::min(best, t);
            worst = std::max(worst, t);
            rounds.push_back(t);
        }
        peakMiB = std::max(peakMiB, peak);
        if (cpu >= 0) {
            bestCpu = std::min(bestCpu, cpu);
        }
    }
    void print(const char* label) const {
        std::printf("  %-24s: %8.3f s  (rounds %.3f-%.3f s)  cpu %6.3f s", label, best, best, worst,
                    bestCpu < 1e9 ? bestCpu : -1.0);
        if (peakMiB >= 0) {
            std::printf("  peak %6.1f MiB\n", peakMiB);
        } else {
            std::printf("  peak n/a (no /usr/bin/time)\n");
        }
    }
};

// The median over the rounds of a's time divided by b's in the same round.
// The tools of a round run back to back, so each round's ratio compares them
// in the same state of the file system, which varies far more between rounds
// than any tool's own cost.
double medianRoundRatio(const Figures& a, const Figures& b) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < std::min(a.rounds.size(), b.rounds.size()); ++i) {
        if (b.rounds[i] > 0) {
            ratios.push_back(a.rounds[i] / b.rounds[i]);
        }
    }
    if (ratios.empty()) {
        return -1;
    }
    std::sort(ratios.begin(), ratios.end());
    const std::size_t mid = ratios.size() / 2;
    return ratios.size() % 2 != 0 ? ratios[mid] : (ratios[mid - 1] + ratios[mid]) / 2;
}

void compare(const char* title, int rounds, VBUnzFrm& window, const fs::path& zip,
             const fs::path& work, bool haveUnzip) {
    Figures engine;
    Figures listing;
    Figures bothPasses; // listing and extraction: what Start runs
    Figures start;
    Figures unzip;
    Figures createOnly;
    EngineRun last;
    for (int round = 0; round < rounds; ++round) {
        const std::string n = std::to_string(round);
        // Each run starts with the earlier runs' data written back. The tools
        // take turns at going first: the first run after a round's deletions
        // pays for the file system's catching up, which is no tool's cost.
        const auto runEngineOnce = [&] {
            ::sync();
            resetOwnPeak();
            const double cpu0 = ownCpuSeconds();
            last = runEngine(window, zip, work / ("engine-" + n));
            const double enginePeak = ownPeakMiB();
            engine.add(last.extraction, enginePeak, ownCpuSeconds() - cpu0);
            listing.add(last.listing, enginePeak, -1);
            bothPasses.add(last.listing + last.extraction, enginePeak, -1);
        };
        const auto runStartOnce = [&] {
            ::sync();
            resetOwnPeak();
            const double cpu0 = ownCpuSeconds();
            const double t = runStart(window, zip, work / ("start-" + n));
            start.add(t, ownPeakMiB(), ownCpuSeconds() - cpu0);
        };
        const auto runUnzipOnce = [&] {
            if (haveUnzip) {
                ::sync();
                double peak = 0;
                double cpu = 0;
                const double taken =
                    runUnzip(zip, work / ("unzip-" + n), work / "unzip-peak", peak, cpu);
                unzip.add(taken, peak, cpu);
            }
        };
        const auto runCreateOnce = [&] {
            ::sync();
            resetOwnPeak();
            double cpu = 0;
            const double taken = runCreateOnly(zip, work / ("create-" + n), cpu);
            createOnly.add(taken, ownPeakMiB(), cpu);
        };
        const std::function<void()> tools[] = {runEngineOnce, runStartOnce, runUnzipOnce,
                                               runCreateOnce};
        for (int k = 0; k < 4; ++k) {
            tools[(round + k) % 4]();
        }
        ::sync();
        for (const char* tool : {"engine-", "start-", "unzip-", "create-"}) {
            fs::remove_all(work / (tool + n));
        }
    }
    std::printf("%s (%llu members, result %d, %.0f print calls)\n", title,
                static_cast<unsigned long long>(last.members), static_cast<int>(last.result),
                last.prints);
    listing.print("engine listing pass");
    engine.print("engine extraction pass");
    bothPasses.print("engine, both passes");
    start.print("Start (both passes)");
    if (haveUnzip && unzip.best < 1e9) {
        unzip.print("unzip -o -q");
        createOnly.print("files alone, no inflate");
        std::printf("  ratio extraction / unzip: %8.3f\n", engine.best / unzip.best);
        std::printf("  ratio Start / unzip     : %8.3f\n", start.best / unzip.best);
        std::printf("  ratio Start / extraction: %8.3f\n", start.best / engine.best);
        std::printf("  ratio files alone / unzip: %7.3f\n", createOnly.best / unzip.best);
        std::printf("  cpu ratios: extraction / unzip %.3f, Start / extraction %.3f\n",
                    engine.bestCpu / unzip.bestCpu, start.bestCpu / engine.bestCpu);
        std::printf("  median of the rounds' ratios: extraction / unzip %.3f, both passes / unzip "
                    "%.3f, Start / both passes %.3f, files alone / unzip %.3f\n",
                    medianRoundRatio(engine, unzip), medianRoundRatio(bothPasses, unzip),
                    medianRoundRatio(start, bothPasses), medianRoundRatio(createOnly, unzip));
    } else {
        std::printf("  unzip not installed\n");
    }
    std::fflush(stdout);
}

// One member of mixed data: runs of text, of random bytes and of zeros, as
// a disc image or an installer holds them.
std::string makeMixed(std::size_t size, const std::string& text, std::mt19937& rng) {
    std::string out;
    out.reserve(size);
    std::uniform_int_distribution<std::size_t> run(64u << 10, 4u << 20);
    std::uniform_int_distribution<int> kind(0, 2);
    std::independent_bits_engine<std::mt19937, 32, std::uint32_t> bits(rng());
    while (out.size() < size) {
        const std::size_t n = std::min(run(rng), size - out.size());
        switch (kind(rng)) {
        case 0:
            for (std::size_t done = 0; done < n;) {
                const std::size_t k = std::min(n - done, text.size());
                out.append(text, 0, k);
                done += k;
            }
            break;
        case 1:
            for (std::size_t done = 0; done < n; done += 4) {
                const std::uint32_t r = bits();
                out.append(reinterpret_cast<const char*>(&r), std::min<std::size_t>(4, n - done));
            }
            break;
        default:
            out.append(n, '\0');
            break;
        }
    }
    return out;
}

bool wanted(int argc, char* argv[], const char* name) {
    if (argc < 2) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The offscreen platform cannot raise windows and says so each time.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (!text.contains(QStringLiteral("does not support"))) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        }
        if (type == QtFatalMsg) {
            std::abort();
        }
    });
    QApplication app(argc, argv);
    BenchPrompts prompts;
    VBUnzFrm window(VBUnzFrm::unzTexts(u"EN"), prompts);
    window.openFor(QString(), QString());
    // Let the window be exposed, so that the bar and label really paint.
    QCoreApplication::processEvents();

    // TMPDIR=/dev/shm measures the tools without a disk's file system.
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != 0 ? tmp : "/tmp") + "/bench_unzip.XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path work = pattern;
    const bool haveUnzip = std::system("command -v unzip >/dev/null 2>&1") == 0;
    std::mt19937 rng(12345);

    std::printf("generating archives in %s ...\n", work.c_str());
    std::fflush(stdout);
    const std::string block = makeData(4u << 20, rng);
    // Writes the archive (files are dropped once written) and times it.
    const auto measure = [&](const char* title, int rounds, const char* name,
                             std::vector<std::pair<std::string, std::string>> files,
                             zip_uint32_t level) {
        const fs::path zip = work / name;
        if (!writeArchive(zip, files, level)) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return false;
        }
        files.clear();
        compare(title, rounds, window, zip, work, haveUnzip);
        return true;
    };
    bool written = true;
    if (wanted(argc, argv, "small")) {
        std::vector<std::pair<std::string, std::string>> small;
        std::uniform_int_distribution<std::size_t> sizes(200, 12000);
        for (int i = 0; i < 2000; ++i) {
            small.emplace_back("folder" + std::to_string(i % 20) + "/file" + std::to_string(i) +
                                   ".txt",
                               makeData(sizes(rng), rng));
        }
        written = measure("2,000 small files", 9, "small-files.zip", std::move(small), 6);
    }
    if (written && wanted(argc, argv, "large")) {
        // The large files are made of shifted slices of one 4 MiB text,
        // which is quicker to generate and to deflate than 200 MiB of text.
        std::vector<std::pair<std::string, std::string>> large;
        std::uniform_int_distribution<std::size_t> shift(0, block.size() / 2);
        for (int i = 0; i < 5; ++i) {
            std::string data;
            data.reserve(40u << 20);
            while (data.size() < (40u << 20)) {
                const std::size_t from = shift(rng);
                data.append(block, from, std::min(block.size() - from, (40u << 20) - data.size()));
            }
            large.emplace_back("large" + std::to_string(i) + ".bin", std::move(data));
        }
        written = measure("five 40 MiB files", 6, "large-files.zip", std::move(large), 1);
    }
    if (written && wanted(argc, argv, "huge")) {
        std::vector<std::pair<std::string, std::string>> huge;
        huge.emplace_back("disc.img", makeMixed(std::size_t{700} << 20, block, rng));
        written =
            measure("one 700 MiB member of mixed data", 2, "mixed-700.zip", std::move(huge), 1);
    }
    fs::remove_all(work);
    if (!written) {
        return 1;
    }
    if (prompts.asked > 0) {
        std::fprintf(stderr, "%d unexpected questions\n", prompts.asked);
        return 1;
    }
    return 0;
}
