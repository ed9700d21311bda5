#include "web/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace modHelp {
namespace {

constexpr int kShift = 85;

QString shifted(const QString& text, int shift) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int code = c.unicode() + shift;
        // Only single-byte codes exist in the store; anything else is dropped.
        if (c.unicode() <= 255 && code >= 0 && code <= 255) result += QChar(code);
    }
    return result;
}

const QString kSection = QStringLiteral("Settings");

// On Linux the store is $XDG_CONFIG_HOME/<program>.conf (~/.config by default).
std::unique_ptr<QSettings> openStore() {
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                SettingsApplicationName());
    settings->beginGroup(kSection);
    return settings;
}

}  // namespace

QString EncodeSettingText(const QString& text) { return shifted(text, kShift); }

QString DecodeSettingText(const QString& text) { return shifted(text, -kShift); }

QString SettingsApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ReadSetting(const QString& key) {
    const auto settings = openStore();
    return DecodeSettingText(settings->value(EncodeSettingText(key), QString()).toString());
}

void WriteSetting(const QString& key, const QString& value) {
    const auto settings = openStore();
    settings->setValue(EncodeSettingText(key), EncodeSettingText(value));
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        throw SettingWriteError("settings could not be written to " + settings->fileName().toStdString());
    }
}

}  // namespace modHelp
