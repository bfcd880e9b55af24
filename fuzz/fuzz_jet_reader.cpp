// The converter's reader on any file: it reads the tables or raises
// ShellError, never crashes, hangs or reads outside the file.
#include "converter/JetSource.h"
#include "platform/ShellError.h"
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const std::string& scratchFile()
{
    static const std::string path = [] {
        char name[] = "/tmp/fuzz_jet_reader-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0)
            std::abort();
        ::close(fd);
        return std::string(name);
    }();
    return path;
}

} // namespace

// libmdb dumps pages it dislikes on stdout; libFuzzer reports on stderr.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!std::freopen("/dev/null", "w", stdout))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = scratchFile();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        std::abort();
    }
    detectFileFormat(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    try {
        JetSource source(QString::fromStdString(path));
        for (const SourceTable& table : source.tables())
            source.readRows(table, [](const SourceRow&) {});
    } catch (const ShellError&) {
    }
    return 0;
}
