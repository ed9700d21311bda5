// The settings encoding: whatever is stored comes back unchanged for codes
// 0 to 170, and decoding any text never grows it.
#include "web/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString plain;
    QString raw;
    for (std::size_t i = 0; i < size; ++i) {
        plain += QChar(data[i] % 171);
        raw += QChar(data[i]);
    }
    const QString encoded = modHelp::EncodeSettingText(plain);
    if (encoded.size() != plain.size() || modHelp::DecodeSettingText(encoded) != plain) std::abort();
    for (const QChar c : encoded) {
        if (c.unicode() < 85 || c.unicode() > 255) std::abort();
    }
    if (modHelp::DecodeSettingText(raw).size() > raw.size()) std::abort();
    if (modHelp::EncodeSettingText(raw).size() > raw.size()) std::abort();
    return 0;
}
