// The stand-in for the operating system: message boxes, sounds, directories, the clock, the start-up wait and fonts.
#pragma once

#include <QDate>
#include <QFont>
#include <QString>
#include <functional>
#include <thread>

namespace zarvelo::platform {

enum class MessageIcon { None, Information, Warning, Critical };

struct MessageBoxCall {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

// A modal box with one OK button; returns when it has been closed.
void ShowMessageBox(const QString& text, const QString& title = QString(),
                    MessageIcon icon = MessageIcon::None);

// While nobody is there to answer (the session or the program is being ended), boxes are
// written to standard error instead.
void SetUnattended(bool unattended);
bool Unattended();

// The text with every line longer than a box can show shortened in its middle.
QString ElideLongLines(const QString& text);

// Replaces the real box (tests); an empty handler restores it.
using MessageBoxHandler = std::function<void(const MessageBoxCall&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

// Starts a wave file from the program's directory without waiting for it; a missing file is silent
// and a new sound stops the one still playing.
void PlayWave(const QString& fileName);

// While held, sounds wait and the audio output is not even loaded; releasing plays what waited.
// Start-up holds them while it puts the splash on screen: loading the audio output competes with
// that for the processor, and the start-up sound is not the worse for beginning a moment later.
void HoldSounds(bool held);

// Receives the name of every wave started instead of playing it (tests); empty restores real sound.
using SoundHook = std::function<void(const QString& fileName)>;
void SetSoundHook(SoundHook hook);

// Where the program and its wave files lie.
QString ProgramDirectory();
void SetProgramDirectory(const QString& directory);  // tests; empty restores the real one

// The program's directory, followed by a backslash and the file name, as a usable local path.
QString ProgramFilePath(const QString& fileName);

// Today's date, and the short text the ranking shows for a date.
QDate Today();
void SetToday(const QDate& date);  // tests; an invalid date restores the clock
QString ShortDateText(const QDate& date);

// Blocks the user-interface thread for the start-up wait.
void StartupWait(int milliseconds);
using WaitHook = std::function<void(int milliseconds)>;
void SetStartupWaitHook(WaitHook hook);  // tests look at the screen instead of waiting

// With ZARVELO_TRACE set, prints the moment (wall clock, nanoseconds) on standard error, for
// the start-up benchmark.
void TraceMoment(const char* what);

// Reads the system's font configuration on another core, from construction until finish(), so
// that the first text drawn does not wait for it. Made before the application object, whose
// connection to the display takes about as long; finish() before anything draws text.
class FontConfigurationWarmUp {
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;
    void finish();

private:
    std::thread thread_;
};

// Hands memory that start-up used and freed (the font set-up above all) back to the system.
void ReturnFreedMemory();

// A font by the name the layout uses ("Small Fonts", "Arial", "MS PGothic", "System" or empty for
// the window's default), mapped to the fonts of this system; size in points at 96 dpi.
QFont UiFont(const QString& family, double points, bool bold = false, bool italic = false);

}  // namespace zarvelo::platform
