// A stand-in for the patch program, for tests. Called as the upgrader calls
// it:  patch.bin -d -f -s BASE PATCHDATA GAUGE
// it writes GAUGE from BASE and PATCHDATA, a text file of this form:
//
//   VOLARO TEST PATCH 1
//   copy OFFSET LENGTH      bytes of BASE
//   insert LENGTH           followed by a line of exactly LENGTH bytes
//
// and, to misbehave on purpose, any of these lines:
//
//   exit N          end with exit code N (after doing the rest)
//   skip-write      write no gauge
//   wrong           write the gauge with its last byte changed
//   delete-base     delete BASE once it has been read
//   delete-gauge    delete GAUGE before writing it
//   crash           write half the gauge, then abort
//
// When VOLARO_TESTPATCH_ARGS names a file, the arguments are appended to it,
// one line per call, separated by tabs.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

enum ExitCode { kUsage = 64, kBadPatch = 65, kNoBase = 66, kOutOfRange = 67, kWriteFailed = 68 };

bool readAll(const char* path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

bool writeAll(const char* path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

void recordArguments(int argc, char** argv) {
    const char* record = std::getenv("VOLARO_TESTPATCH_ARGS");
    if (!record || !*record)
        return;
    std::ofstream out(record, std::ios::app | std::ios::binary);
    for (int i = 1; i < argc; ++i)
        out << (i > 1 ? "\t" : "") << argv[i];
    out << "\n";
}

} // namespace

int main(int argc, char** argv) {
    recordArguments(argc, argv);
    if (argc != 7 || std::string(argv[1]) != "-d" || std::string(argv[2]) != "-f" ||
        std::string(argv[3]) != "-s") {
        std::fprintf(stderr, "usage: patch.bin -d -f -s BASE PATCHDATA GAUGE\n");
        return kUsage;
    }
    const char* basePath = argv[4];
    const char* patchPath = argv[5];
    const char* gaugePath = argv[6];

    std::string patch;
    if (!readAll(patchPath, patch))
        return kBadPatch;
    std::istringstream lines(patch);
    std::string line;
    if (!std::getline(lines, line) || line != "VOLARO TEST PATCH 1")
        return kBadPatch;

    std::string base;
    if (!readAll(basePath, base))
        return kNoBase;

    std::string gauge;
    int exitCode = 0;
    bool skipWrite = false, wrong = false, deleteBase = false, deleteGauge = false, crash = false;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string op;
        words >> op;
        if (op == "copy") {
            std::size_t offset = 0, length = 0;
            if (!(words >> offset >> length))
                return kBadPatch;
            if (offset > base.size() || length > base.size() - offset)
                return kOutOfRange;
            gauge += base.substr(offset, length);
        } else if (op == "insert") {
            std::size_t length = 0;
            if (!(words >> length))
                return kBadPatch;
            std::string bytes(length, '\0');
            if (!lines.read(bytes.data(), static_cast<std::streamsize>(length)))
                return kBadPatch;
            gauge += bytes;
            std::getline(lines, line); // the end of the data line
        } else if (op == "exit") {
            words >> exitCode;
        } else if (op == "skip-write") {
            skipWrite = true;
        } else if (op == "wrong") {
            wrong = true;
        } else if (op == "delete-base") {
            deleteBase = true;
        } else if (op == "delete-gauge") {
            deleteGauge = true;
        } else if (op == "crash") {
            crash = true;
        } else if (!op.empty()) {
            return kBadPatch;
        }
    }

    if (deleteBase)
        std::remove(basePath);
    if (deleteGauge)
        std::remove(gaugePath);
    if (wrong) {
        if (gauge.empty())
            gauge.push_back('?');
        else
            gauge.back() = static_cast<char>(gauge.back() ^ 0x5a);
    }
    if (crash) {
        writeAll(gaugePath, gauge.substr(0, gauge.size() / 2));
        std::abort();
    }
    if (!skipWrite && !writeAll(gaugePath, gauge))
        return kWriteFailed;
    return exitCode;
}
