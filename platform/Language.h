// The interface's language: Japanese, or English when the player asks for it. The choice is kept
// for the next start in a small settings file in the data folder, apart from the data files.
#pragma once

#include <QString>

namespace zarvelo::platform {

enum class Language { Japanese, English };

// Shows the interface in the language from now on: every window is told at once
// (QEvent::LanguageChange) and retranslates its texts.
void UseLanguage(Language language);
Language CurrentLanguage();

// The settings file: "settings.ini" in the data folder.
QString SettingsFilePath();

// The language the settings file keeps; Japanese when it is missing, cannot be read or names
// no language of ours (a file that cannot be read is reported on standard error).
Language SavedLanguage();

// Keeps the language in the settings file for the next start; touches nothing else. On failure
// says why in error.
bool SaveLanguage(Language language, QString* error);

}  // namespace zarvelo::platform
