// Measures the map commands on large maps: Save and Open through the real
// handlers, a resize of the map canvas, and for comparison one write() of the
// same number of bytes. Each phase runs in its own process so that its peak
// resident size is its own.
//
//   quorvane-measure save <size> <file>    map of size x size pixels (as typed), saved
//   quorvane-measure open <file>           map canvas sized to the picture, opened
//   quorvane-measure write <bytes> <file>  one write() of that many bytes
//   quorvane-measure resize <size>         the map canvas resized from 512 x 512
//   quorvane-measure all <size> <folder> [runs] [settle]
//                                          all four, each run `runs` times (default 3)
//                                          in alternation, then a summary of the best
//                                          times and the largest peaks against the goals
//
// Under `all` every phase starts `settle` seconds (default 20) after the last
// one ended. This machine hands freed memory back to its host a few seconds
// after it is freed (a batch at a time), and memory touched again after that
// faults in at well under 1 GB/s. A phase started at once after another
// process freed gigabytes gets warm pages the one before it did not: a plain
// write() of 3 GB took 0.56 s straight after a save and 6.8 s after a pause.
// Pausing before each phase gives all of them the same cold start; 0 shows
// the warm figures.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "document/DocumentHandlers.h"
#include "document/FileIo.h"
#include "editor/ControlNames.h"
#include "editor/Numbers.h"
#include "picture/LargeBuffer.h"
#include "picture/PictureFiles.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Peak resident size of this process so far, in bytes.
double peakBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

double gib(double bytes) { return bytes / (1024.0 * 1024.0 * 1024.0); }

// Under `all`, each phase also appends "<name> <value>" lines to the file this
// variable names, so the parent can sum up without parsing what people read.
constexpr const char* kResultsVariable = "QV_MEASURE_RESULTS";

void record(const char* name, double value) {
    const char* path = std::getenv(kResultsVariable);
    if (path == nullptr) return;
    if (FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s %.9g\n", name, value);
        std::fclose(f);
    }
}

// Just the controls the map commands touch: the map canvas and the places
// that follow it.
class MeasureControls : public qv::Controls {
public:
    MeasureControls() {
        qv::CanvasSetup setup;
        setup.outerWidth = 514;
        setup.outerHeight = 514;
        setup.border = 1;
        setup.backgroundColour = 0xF0F0F0;
        map_ = std::make_unique<qv::Canvas>(setup);
    }
    qv::Canvas& canvas(std::string_view) override { return *map_; }
    bool visible(std::string_view name) const override { return flag(visible_, name); }
    void setVisible(std::string_view name, bool v) override { visible_[std::string(name)] = v; }
    bool disabled(std::string_view) const override { return false; }
    void setDisabled(std::string_view, bool) override {}
    std::string caption(std::string_view) const override { return {}; }
    void setCaption(std::string_view, const std::string&) override {}
    std::string text(std::string_view name) const override {
        const auto it = text_.find(std::string(name));
        return it == text_.end() ? std::string() : it->second;
    }
    void setText(std::string_view name, const std::string& t) override { text_[std::string(name)] = t; }
    std::int32_t left(std::string_view name) const override { return number(left_, name); }
    std::int32_t top(std::string_view name) const override { return number(top_, name); }
    std::int32_t width(std::string_view name) const override {
        return name == qv::names::画板2 ? map_->width() : number(width_, name);
    }
    std::int32_t height(std::string_view name) const override {
        return name == qv::names::画板2 ? map_->height() : number(height_, name);
    }
    void setLeft(std::string_view name, std::int32_t v) override { left_[std::string(name)] = qv::clampPosition(v); }
    void setTop(std::string_view name, std::int32_t v) override { top_[std::string(name)] = qv::clampPosition(v); }
    void setWidth(std::string_view name, std::int32_t v) override { width_[std::string(name)] = qv::clampSize(v); }
    void setHeight(std::string_view name, std::int32_t v) override { height_[std::string(name)] = qv::clampSize(v); }

private:
    static bool flag(const std::map<std::string, bool>& m, std::string_view name) {
        const auto it = m.find(std::string(name));
        return it != m.end() && it->second;
    }
    static std::int32_t number(const std::map<std::string, std::int32_t>& m, std::string_view name) {
        const auto it = m.find(std::string(name));
        return it == m.end() ? 0 : it->second;
    }
    std::unique_ptr<qv::Canvas> map_;
    std::map<std::string, bool> visible_;
    std::map<std::string, std::string> text_;
    std::map<std::string, std::int32_t> left_, top_, width_, height_;
};

// Confirms one path, as a user typing it into the dialog would.
class ConfirmingDialog : public qv::FileDialog {
public:
    explicit ConfirmingDialog(std::string path) : path_(std::move(path)) {}
    bool show() override {
        fileName = path_;
        return true;
    }

private:
    std::string path_;
};

void setMapSize(qv::Editor& editor, std::int32_t width, std::int32_t height) {
    qv::onSetMapSizeClicked(editor);
    editor.controls.setText(qv::names::编辑框1, std::to_string(width));
    editor.controls.setText(qv::names::编辑框2, std::to_string(height));
    qv::onApplyMapSizeClicked(editor);
}

std::int64_t fileSize(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_size : -1;
}

int savePhase(std::int32_t size, const std::string& path) {
    MeasureControls controls;
    qv::Editor editor{controls};
    setMapSize(editor, size, size);
    // Drawn content on every pixel, as a real map would have.
    qv::Surface& surface = controls.canvas(qv::names::画板2).pixels();
    for (std::int32_t y = 0; y < surface.height; ++y) {
        std::uint32_t* row = surface.row(y);
        for (std::int32_t x = 0; x < surface.width; ++x) row[x] = 0xFF000000u | static_cast<std::uint32_t>(x * 2654435761u ^ y);
    }
    const double before = peakBytes();
    ConfirmingDialog dialog(path);
    const auto start = Clock::now();
    qv::onSaveClicked(editor, dialog);
    const double seconds = secondsSince(start);
    const double file = static_cast<double>(fileSize(path));
    std::printf("save %d x %d: %.3f s, file %.3f GiB, peak %.3f GiB (%.3f before saving), peak/file %.2f\n",
                surface.width, surface.height, seconds, gib(file), gib(peakBytes()), gib(before), peakBytes() / file);
    record("save_seconds", seconds);
    record("save_peak_per_file", peakBytes() / file);
    record("file_bytes", file);
    // Where the time goes, measured again after the peak was taken: Save
    // encodes the file a few MiB at a time into one buffer as it writes it;
    // the rest of its time is writing and flushing.
    std::vector<std::uint8_t> chunk(std::size_t{4} << 20);
    const std::uint64_t bytes = qv::bmp24FileSize(surface);
    const auto step = Clock::now();
    for (std::uint64_t offset = 0; offset < bytes; offset += chunk.size())
        qv::encodeBmp24Part(surface, offset, std::min<std::uint64_t>(chunk.size(), bytes - offset), chunk.data());
    const double encodeSeconds = secondsSince(step);
    std::printf("  of which: encode %.3f s, write and fsync %.3f s\n", encodeSeconds, seconds - encodeSeconds);
    return file > 0 ? 0 : 1;
}

int openPhase(const std::string& path) {
    // The picture's size, from its BMP header, so the map canvas can match it.
    std::int32_t width = 512;
    std::int32_t height = 512;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        unsigned char header[26] = {};
        if (std::fread(header, 1, sizeof header, f) == sizeof header) {
            std::memcpy(&width, header + 18, 4);
            std::memcpy(&height, header + 22, 4);
        }
        std::fclose(f);
    }
    MeasureControls controls;
    qv::Editor editor{controls};
    setMapSize(editor, width, height < 0 ? -height : height);
    const double before = peakBytes();
    ConfirmingDialog dialog(path);
    const auto start = Clock::now();
    qv::onOpenClicked(editor, dialog);
    const double seconds = secondsSince(start);
    const double file = static_cast<double>(fileSize(path));
    const bool opened = controls.canvas(qv::names::画板2).backgroundPictureDecoded() != nullptr;
    std::printf("open %d x %d: %.3f s, %s, peak %.3f GiB (%.3f before opening), peak/file %.2f\n", width, height,
                seconds, opened ? "picture shown" : "NO PICTURE", gib(peakBytes()), gib(before), peakBytes() / file);
    if (opened) {
        record("open_seconds", seconds);
        record("open_peak_per_file", peakBytes() / file);
    }
    auto step = Clock::now();
    const qv::Bytes bytes = qv::readFile(path);
    const double readSeconds = secondsSince(step);
    step = Clock::now();
    const bool decoded = qv::decodePicture(bytes).has_value();
    std::printf("  of which: readFile %.3f s, decode %.3f s%s\n", readSeconds, secondsSince(step),
                decoded ? "" : " (failed)");
    return opened ? 0 : 1;
}

int singleWrite(std::int64_t bytes, const std::string& path) {
    // Set up outside the timing; faulted in at once only so that large files
    // do not spend seconds getting here.
    std::vector<unsigned char> data;
    qv::assignLarge<unsigned char>(data, static_cast<std::size_t>(bytes), 0x5A);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return 1;
    const auto start = Clock::now();
    std::size_t done = 0;
    while (done < data.size()) {  // one call; Linux moves at most ~2 GiB per call, so larger files need more
        const ssize_t put = ::write(fd, data.data() + done, data.size() - done);
        if (put <= 0) break;
        done += static_cast<std::size_t>(put);
    }
    const double writeSeconds = secondsSince(start);
    ::fsync(fd);
    const double syncedSeconds = secondsSince(start);
    ::close(fd);
    ::unlink(path.c_str());
    std::printf("write %.3f GiB: %.3f s, %.3f s with fsync\n", gib(static_cast<double>(bytes)), writeSeconds,
                syncedSeconds);
    if (done == data.size()) {
        record("write_seconds", writeSeconds);
        record("write_synced_seconds", syncedSeconds);
    }
    return done == data.size() ? 0 : 1;
}

int resize(std::int32_t size) {
    MeasureControls controls;
    qv::Editor editor{controls};
    const auto start = Clock::now();
    setMapSize(editor, size, size);
    const double seconds = secondsSince(start);
    const qv::Canvas& map = controls.canvas(qv::names::画板2);
    std::printf("resize 512 x 512 -> %d x %d: %.3f s, peak %.3f GiB\n", map.clientWidth(), map.clientHeight(), seconds,
                gib(peakBytes()));
    record("resize_seconds", seconds);
    // The drawing area is the typed size, unless the outer size hit its limit.
    const std::int32_t expected = qv::clampSize(size + 2) - 2;
    return map.clientWidth() == expected && map.clientHeight() == expected ? 0 : 1;
}

int runChild(const std::vector<std::string>& args) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv("/proc/self/exe", argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Best (smallest) time and largest peak of each recorded name.
std::map<std::string, std::vector<double>> readResults(const std::string& path) {
    std::map<std::string, std::vector<double>> results;
    if (FILE* f = std::fopen(path.c_str(), "r")) {
        char name[64];
        double value = 0;
        while (std::fscanf(f, "%63s %lf", name, &value) == 2) results[name].push_back(value);
        std::fclose(f);
    }
    return results;
}

double smallest(const std::vector<double>& values) {
    double best = values.empty() ? 0 : values.front();
    for (double v : values) best = std::min(best, v);
    return best;
}

double largest(const std::vector<double>& values) {
    double worst = 0;
    for (double v : values) worst = std::max(worst, v);
    return worst;
}

void verdictLine(const char* what, double value, const char* goalText, bool met) {
    std::printf("  %-46s %8.2f  %-8s %s\n", what, value, goalText, met ? "met" : "MISSED");
}

int all(std::int32_t size, const std::string& folder, int runs, int settleSeconds) {
    const std::string self = "quorvane-measure";
    const std::string map = folder + "/measure-" + std::to_string(size) + ".bmp";
    const std::string resultsPath = folder + "/measure-" + std::to_string(size) + ".results";
    ::unlink(resultsPath.c_str());
    ::setenv(kResultsVariable, resultsPath.c_str(), 1);
    int failures = 0;
    const auto settled = [&](const std::vector<std::string>& phase) {
        ::sleep(static_cast<unsigned>(settleSeconds));
        return runChild(phase);
    };
    // Save and the plain write take turns, so a slow spell of the shared disk
    // or machine falls on both alike.
    for (int run = 0; run < runs; ++run) {
        failures += settled({self, "save", std::to_string(size), map}) != 0;
        failures += settled({self, "write", std::to_string(fileSize(map)), map + ".plain"}) != 0;
    }
    for (int run = 0; run < runs; ++run) failures += settled({self, "open", map}) != 0;
    for (int run = 0; run < runs; ++run) failures += settled({self, "resize", std::to_string(size)}) != 0;
    ::unlink(map.c_str());
    ::unsetenv(kResultsVariable);

    auto results = readResults(resultsPath);
    ::unlink(resultsPath.c_str());
    const double save = smallest(results["save_seconds"]);
    const double write = smallest(results["write_seconds"]);
    const double synced = smallest(results["write_synced_seconds"]);
    std::printf("\nsummary, %d x %d, file %.3f GiB, best of %d (time) and largest of %d (peak), %d s pause before each:\n",
                size, size, gib(largest(results["file_bytes"])), runs, runs, settleSeconds);
    std::printf("  save %.3f s, one write() %.3f s (%.3f s with fsync), open %.3f s, resize %.3f s\n", save, write,
                synced, smallest(results["open_seconds"]), smallest(results["resize_seconds"]));
    if (results["save_seconds"].empty() || results["write_seconds"].empty() || results["open_seconds"].empty() ||
        results["resize_seconds"].empty()) {
        std::printf("  a phase gave no figure\n");
        return failures + 1;
    }
    verdictLine("save peak / file size", largest(results["save_peak_per_file"]), "<= 2.50",
                largest(results["save_peak_per_file"]) <= 2.5);
    // Save flushes the file to disk before it reports success, so the like-
    // for-like bar is the write with its fsync; the bare write() is judged too.
    verdictLine("save time / bare write() time", save / write, "<= 1.50", save / write <= 1.5);
    verdictLine("save time / (write() + fsync) time", save / synced, "<= 1.50", save / synced <= 1.5);
    verdictLine("open peak / file size", largest(results["open_peak_per_file"]), "<= 3.50",
                largest(results["open_peak_per_file"]) <= 3.5);
    verdictLine("resize time, s", smallest(results["resize_seconds"]), "< 1.00", smallest(results["resize_seconds"]) < 1.0);
    return failures;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "save") return savePhase(std::atoi(args[1].c_str()), args[2]);
    if (args.size() == 2 && args[0] == "open") return openPhase(args[1]);
    if (args.size() == 3 && args[0] == "write") return singleWrite(std::atoll(args[1].c_str()), args[2]);
    if (args.size() == 2 && args[0] == "resize") return resize(std::atoi(args[1].c_str()));
    if (args.size() >= 3 && args.size() <= 5 && args[0] == "all")
        return all(std::atoi(args[1].c_str()), args[2], args.size() >= 4 ? std::max(1, std::atoi(args[3].c_str())) : 3,
                   args.size() >= 5 ? std::max(0, std::atoi(args[4].c_str())) : 20);
    std::fprintf(stderr,
                 "usage: quorvane-measure save <size> <file> | open <file> | write <bytes> <file> | "
                 "resize <size> | all <size> <folder> [runs] [settle seconds]\n");
    return 2;
}
