// Extraction speed of the zip engine through the unzip window's binding
// (UnzRun, every callback on, the bar drawn offscreen), next to Info-ZIP's
// "unzip -o -q" when that program is installed.
//
// Two archives are generated in a temporary folder: 2,000 small files in
// twenty folders, and five files of 40 MiB. In each round (nine for the small
// files, five for the large) each archive is extracted into fresh folders by
// the binding's two passes, by the window's Start button and by unzip; the
// best time of each counts. The folders are removed only at the end, so that
// no run pays for the deletions of another.

#include "prompts.h"
#include "unzengine.h"
#include "unzipwindow.h"

#include <zip.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

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
    std::optional<QString> inputBox(const QString&, const QString&, const QString&, Echo) override {
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

double runUnzip(const fs::path& zip, const fs::path& dir) {
    const std::string command = "unzip -o -q '" + zip.string() + "' -d '" + dir.string() + "'";
    const auto t0 = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto t1 = std::chrono::steady_clock::now();
    return status == 0 ? seconds(t1 - t0) : -1.0;
}

void compare(const char* title, int rounds, VBUnzFrm& window, const fs::path& zip,
             const fs::path& work, bool haveUnzip) {
    double bestEngine = 1e9;
    double bestListing = 1e9;
    double bestStart = 1e9;
    double bestUnzip = 1e9;
    EngineRun last;
    for (int round = 0; round < rounds; ++round) {
        const std::string n = std::to_string(round);
        // Each run starts with the earlier runs' files on disk, so that none
        // pays for writing back another's.
        ::sync();
        last = runEngine(window, zip, work / ("engine-" + n));
        bestEngine = std::min(bestEngine, last.extraction);
        bestListing = std::min(bestListing, last.listing);
        ::sync();
        bestStart = std::min(bestStart, runStart(window, zip, work / ("start-" + n)));
        if (haveUnzip) {
            ::sync();
            const double t = runUnzip(zip, work / ("unzip-" + n));
            if (t >= 0) {
                bestUnzip = std::min(bestUnzip, t);
            }
        }
    }
    std::printf("%s (%llu members, result %d, %.0f print calls)\n", title,
                static_cast<unsigned long long>(last.members), static_cast<int>(last.result),
                last.prints);
    std::printf("  engine listing pass     : %8.3f s\n", bestListing);
    std::printf("  engine extraction pass  : %8.3f s\n", bestEngine);
    std::printf("  Start (both passes)     : %8.3f s\n", bestStart);
    if (haveUnzip && bestUnzip < 1e9) {
        std::printf("  unzip -o -q             : %8.3f s\n", bestUnzip);
        std::printf("  ratio extraction / unzip: %8.3f\n", bestEngine / bestUnzip);
        std::printf("  ratio Start / unzip     : %8.3f\n", bestStart / bestUnzip);
    } else {
        std::printf("  unzip not installed\n");
    }
    std::fflush(stdout);
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

    char pattern[] = "/tmp/bench_unzip.XXXXXX";
    if (::mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path work = pattern;
    const bool haveUnzip = std::system("command -v unzip >/dev/null 2>&1") == 0;
    std::mt19937 rng(12345);

    std::printf("generating archives in %s ...\n", work.c_str());
    std::fflush(stdout);
    std::vector<std::pair<std::string, std::string>> small;
    std::uniform_int_distribution<std::size_t> sizes(200, 12000);
    for (int i = 0; i < 2000; ++i) {
        small.emplace_back("folder" + std::to_string(i % 20) + "/file" + std::to_string(i) + ".txt",
                           makeData(sizes(rng), rng));
    }
    const fs::path smallZip = work / "small-files.zip";
    // The large files are made of shifted slices of one 4 MiB text, which is
    // quicker to generate and to deflate than 200 MiB of fresh text.
    const std::string block = makeData(4u << 20, rng);
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
    const fs::path largeZip = work / "large-files.zip";
    if (!writeArchive(smallZip, small, 6) || !writeArchive(largeZip, large, 1)) {
        std::fprintf(stderr, "cannot write the archives\n");
        fs::remove_all(work);
        return 1;
    }
    small.clear();
    large.clear();

    compare("2,000 small files", 9, window, smallZip, work, haveUnzip);
    compare("five 40 MiB files", 5, window, largeZip, work, haveUnzip);
    fs::remove_all(work);
    if (prompts.asked > 0) {
        std::fprintf(stderr, "%d unexpected questions\n", prompts.asked);
        return 1;
    }
    return 0;
}
