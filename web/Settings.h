#pragma once
// Per-user settings kept between runs, under the program's name and the
// section "Settings". Keys and values are stored encoded (+85 per character
// code); nothing is cached.

#include <QString>

#include <stdexcept>

namespace modHelp {

// One character of code c + 85 for every character of code c; characters
// whose code would pass 255 are left out.
QString EncodeSettingText(const QString& text);
// One character of code c - 85 for every character of code c; characters
// whose code would fall below 0 are left out.
QString DecodeSettingText(const QString& text);

// The running executable's file name without its extension, read afresh at
// every access: a renamed program starts with an empty store.
QString SettingsApplicationName();

// The decoded value stored under the plain key, or the empty text.
QString ReadSetting(const QString& key);

// Thrown by WriteSetting when the settings cannot be written.
struct SettingWriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Stores the encoded value under the encoded key, replacing any earlier one.
void WriteSetting(const QString& key, const QString& value);

}  // namespace modHelp
