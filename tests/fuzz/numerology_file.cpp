// Reading a numerology file: any bytes give six lines, none longer than
// the bound and none holding a carriage return.
#include "import/NumerologyFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const NumerologyLines lines = ParseNumerologyLines(bytes);
    qsizetype total = 0;
    for (const QString& line : lines) {
        if (line.size() > kMaxLineBytes || line.contains(QLatin1Char('\r'))) std::abort();
        total += line.size();
    }
    if (total > bytes.size()) std::abort();
    // The first line is everything up to the first carriage return.
    const qsizetype end = bytes.indexOf('\r');
    const QByteArray first = bytes.left(end < 0 ? bytes.size() : end).left(kMaxLineBytes);
    if (lines[0] != QString::fromLatin1(first)) std::abort();
    return 0;
}
