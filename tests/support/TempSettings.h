#pragma once
// Points the per-user settings at a fresh temporary folder for one test.
// QSettings reads XDG_CONFIG_HOME only once per process, so the folder is
// also handed to QSettings directly.

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>
#include <optional>
#include <string>

class TempSettings {
public:
    TempSettings() {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) previous_ = old;
        setenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit().constData(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }
    ~TempSettings() {
        if (previous_) {
            setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    // Makes the settings impossible to write, even for root: the settings
    // folder is put beneath a plain file.
    void MakeUnwritable() {
        QFile blocker(folder.filePath(QStringLiteral("blocker")));
        blocker.open(QIODevice::WriteOnly);
        const QString path = blocker.fileName() + QStringLiteral("/config");
        setenv("XDG_CONFIG_HOME", path.toLocal8Bit().constData(), 1);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }

    // The file the program's settings live in.
    QString File(const QString& program) const { return folder.filePath(program + QStringLiteral(".conf")); }

    QTemporaryDir folder;

private:
    std::optional<std::string> previous_;
};
