// The connection string parser on any text: it either raises ShellError or
// hands back pairs that mean the same when written out again.
#include "platform/ConnectionString.h"
#include "platform/ShellError.h"
#include <cstdint>
#include <cstdlib>

namespace {

QString quoted(const QString& value)
{
    QString v = value;
    return QLatin1Char('"') + v.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<std::pair<QString, QString>> pairs;
    try {
        const ConnectionString cs(text);
        pairs = cs.pairs();
        for (const auto& [key, value] : pairs) {
            if (key.isEmpty() || key != key.trimmed() || key.contains(QLatin1Char('=')) || key.contains(QLatin1Char(';')))
                std::abort();  // a key the parser should have refused or split
            if (!cs.contains(key))
                std::abort();
        }
    } catch (const ShellError&) {
        return 0;
    }
    // Written out with every value quoted, the pairs read back unchanged.
    QString again;
    for (const auto& [key, value] : pairs)
        again += key + QLatin1Char('=') + quoted(value) + QLatin1Char(';');
    try {
        if (ConnectionString(again).pairs() != pairs)
            std::abort();
    } catch (const ShellError&) {
        std::abort();
    }
    return 0;
}
