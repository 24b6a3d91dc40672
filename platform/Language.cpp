// The interface's language: the English catalogue built into the program, and the settings file.
#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>
#include <cstdio>

#include "platform/DataFiles.h"
#include "platform/SafeFiles.h"

namespace zarvelo::platform {

namespace {

const QString kEnglishCatalogue = QStringLiteral(":/zarvelo/translations/zarvelo_en.qm");
const QString kSettingsFile = QStringLiteral("settings.ini");
const QString kLanguageKey = QStringLiteral("Interface/Language");
const QString kEnglishCode = QStringLiteral("en");
const QString kJapaneseCode = QStringLiteral("ja");
// Far more than the file ever holds; a larger one is not ours and is not read.
constexpr qint64 kSettingsLimit = 64 * 1024;

Language g_language = Language::Japanese;

QTranslator& EnglishTexts() {
    static QTranslator translator;
    return translator;
}

// Why the settings file cannot be used as it is, or nothing when it can (or is missing).
QString SettingsProblem(const QString& path) {
    switch (KindOf(path)) {
        case FileKind::Missing:
        case FileKind::Regular: break;
        // Nothing but a regular file is opened: a pipe there would block the start.
        default: return QStringLiteral("it is not a regular file");
    }
    if (QFileInfo(path).size() > kSettingsLimit)
        return QStringLiteral("it is larger than any settings file of the game");
    return QString();
}

}  // namespace

void UseLanguage(Language language) {
    QTranslator& english = EnglishTexts();
    if (language == Language::English && english.isEmpty() && !english.load(kEnglishCatalogue)) {
        std::fprintf(stderr,
                     "zarvelo: the English texts cannot be loaded; the interface stays in "
                     "Japanese\n");
        language = Language::Japanese;
    }
    if (language == g_language) return;
    g_language = language;
    if (language == Language::English)
        QCoreApplication::installTranslator(&english);
    else
        QCoreApplication::removeTranslator(&english);
    // The windows hear of it through posted events: they are delivered now, so that the next
    // thing the player sees is already in the new language.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language CurrentLanguage() { return g_language; }

QString SettingsFilePath() { return DataFilePath(kSettingsFile); }

Language SavedLanguage() {
    const QString path = SettingsFilePath();
    QString problem = SettingsProblem(path);
    if (problem.isEmpty() && KindOf(path) == FileKind::Missing) return Language::Japanese;
    if (problem.isEmpty()) {
        QSettings settings(path, QSettings::IniFormat);
        const QString code = settings.value(kLanguageKey).toString();
        if (settings.status() == QSettings::NoError)
            return code == kEnglishCode ? Language::English : Language::Japanese;
        problem = QStringLiteral("it holds no settings the game can read");
    }
    std::fprintf(stderr, "zarvelo: %s cannot be used (%s); the interface is in Japanese\n",
                 qPrintable(path), qPrintable(problem));
    return Language::Japanese;
}

bool SaveLanguage(Language language, QString* error) {
    const QString path = SettingsFilePath();
    QString problem = SettingsProblem(path);
    if (problem.isEmpty() && MakeFolder(QFileInfo(path).absolutePath(), &problem)) {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(kLanguageKey,
                          language == Language::English ? kEnglishCode : kJapaneseCode);
        settings.sync();
        // Lines that are not settings are dropped on the way: nothing of the player's is there.
        if (settings.status() != QSettings::AccessError) return true;
        problem = CanCreateFilesIn(QFileInfo(path).absolutePath())
                      ? QStringLiteral("it cannot be written")
                      : QStringLiteral("its folder cannot be written");
    }
    if (error) *error = QStringLiteral("%1: %2").arg(path, problem);
    return false;
}

}  // namespace zarvelo::platform
