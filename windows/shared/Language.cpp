#include "windows/shared/Language.h"

#include "engine/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Language {
namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kProgram = QStringLiteral("kvyaxkelen");

struct Installed {
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
    static Installed current;
    return current;
}

std::string translated(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// The translation for one of the user's languages ("es-MX", "es"), if the
// program has one: first for the language and country, then for the
// language alone.
QString translationFor(const QString& uiLanguage, const QStringList& available) {
    const QLocale locale(uiLanguage);
    const QString full = locale.name();  // "es_MX"
    if (available.contains(full)) return full;
    const QString language = full.section(QLatin1Char('_'), 0, 0);
    return available.contains(language) ? language : QString();
}

void uninstall() {
    Installed& now = installed();
    if (now.program) QCoreApplication::removeTranslator(now.program.get());
    if (now.qt) QCoreApplication::removeTranslator(now.qt.get());
    now.program.reset();
    now.qt.reset();
    now.language = QStringLiteral("en");
}

}  // namespace

QStringList Available() {
    QStringList languages;
    for (const QString& file : QDir(kFolder).entryList({kProgram + QStringLiteral("_*.qm")}, QDir::Files)) {
        languages << file.mid(kProgram.size() + 1).chopped(3);
    }
    return languages;
}

QString Install(const QLocale& locale) {
    uninstall();
    const QStringList available = Available();
    QString chosen;
    for (const QString& uiLanguage : locale.uiLanguages()) {
        // English is the program's own: a user who puts it before another
        // language gets it, translation or none.
        if (QLocale(uiLanguage).language() == QLocale::English) break;
        chosen = translationFor(uiLanguage, available);
        if (!chosen.isEmpty()) break;
    }
    Installed& now = installed();
    if (!chosen.isEmpty()) {
        auto program = std::make_unique<QTranslator>();
        if (program->load(kProgram + QLatin1Char('_') + chosen, kFolder) &&
            QCoreApplication::installTranslator(program.get())) {
            now.program = std::move(program);
            now.language = chosen;
            // Qt's own texts, where Qt's translations are installed.
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QStringLiteral("qtbase_") + chosen, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                QCoreApplication::installTranslator(qt.get())) {
                now.qt = std::move(qt);
            }
        }
    }
    modMayanTarot::SetTranslation(now.program ? translated : nullptr);
    return now.language;
}

QString Current() { return installed().language; }

bool OwnTextIsLatin() {
    const QLocale locale(Current());
    return locale.language() == QLocale::English || locale.script() == QLocale::LatinScript;
}

}  // namespace Language
