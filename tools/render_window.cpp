// Renders a window of the game to a PNG, for comparing it with the layout by eye.
// Usage: render_window [--scale N] [--window main|splash|name|ranking|user|help]
//                      [--deal] [--picks N] [--seed N] [--language ja|en] [--data FOLDER]
//                      [--contact-sheet]
//                      OUTPUT.png
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <random>

#include "app/Startup.h"
#include "platform/Folders.h"
#include "platform/Language.h"
#include "platform/MessageBoxRecorder.h"
#include "platform/Sound.h"
#include "rules/Dealing.h"
#include "rules/Game.h"
#include "tools/ContactSheet.h"
#include "windows/MainForm.h"
#include "windows/SecondaryForms.h"
#include "windows/SingleWindow.h"
#include "windows/SplashForm.h"

using namespace zarvelo;

namespace {

// Takes up to n cards, each time the leftmost one that may be taken.
void TakeCards(MainForm& form, int n) {
    for (int pick = 0; pick < n && State().GameInProgress; ++pick) {
        for (int slot = 1; slot <= 5; ++slot) {
            if (!form.FrameNotice[slot]->isVisible()) continue;
            form.PressSlot(slot);
            break;
        }
    }
}

QWidget* Prepare(const QString& name) {
    if (name == "splash") return &MakeSplash();
    if (name == "name") return &SingleWindow<EnterNameForm>::instance();
    if (name == "ranking") return &SingleWindow<RankingForm>::instance();
    if (name == "user") return &SingleWindow<UserInfoForm>::instance();
    if (name == "help") return &SingleWindow<HelpForm>::instance();
    return &MainForm::instance();
}

}  // namespace

int main(int argc, char** argv) {
    QByteArray scale = "1";
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--scale") scale = argv[i + 1];
    qputenv("QT_SCALE_FACTOR", scale);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addOption({"scale", "Scale factor.", "N", "1"});
    parser.addOption({"window", "Window to render.", "NAME", "main"});
    parser.addOption({"deal", "Start a game of one unit."});
    parser.addOption({"picks", "Cards to take after the deal.", "N", "0"});
    parser.addOption(
        {"seed", "Shuffle from this seed, so that two renders show the same deal.", "N"});
    parser.addOption({"language", "Interface language: ja (the default) or en.", "CODE", "ja"});
    parser.addOption(
        {"data", "Start with copies of the data files (*.dat) of this folder.", "FOLDER"});
    parser.addOption({"contact-sheet", "Write every card face and the suit panels instead."});
    parser.addPositionalArgument("output", "PNG file to write.");
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);
    const QString language = parser.value("language");
    if (language != "ja" && language != "en") {
        std::fprintf(stderr, "render_window: --language takes ja or en, not %s\n",
                     qPrintable(language));
        return 2;
    }

    // A start-up in an empty directory of its own, without sound or message boxes.
    QTemporaryDir directory;
    platform::SetProgramDirectory(directory.path());
    platform::SetSoundHook([](const QString&) {});
    platform::MessageBoxRecorder boxes;
    // Copies, so that the folder given is only read, whatever the start-up does with its files.
    if (parser.isSet("data")) {
        const QDir data(parser.value("data"));
        const QStringList names = data.entryList({QStringLiteral("*.dat")}, QDir::Files);
        if (!data.exists() || names.isEmpty()) {
            std::fprintf(stderr, "render_window: no data files (*.dat) in %s\n",
                         qPrintable(data.path()));
            return 2;
        }
        for (const QString& name : names) {
            if (!QFile::copy(data.filePath(name), QDir(directory.path()).filePath(name))) {
                std::fprintf(stderr, "render_window: cannot copy %s\n",
                             qPrintable(data.filePath(name)));
                return 1;
            }
        }
    }

    if (parser.isSet("seed")) {
        auto generator = std::make_shared<std::mt19937_64>(parser.value("seed").toULongLong());
        SetRandomSource([generator] { return std::generate_canonical<double, 53>(*generator); });
    }
    if (!PrepareMainWindow()) return 1;
    if (language == "en") platform::UseLanguage(platform::Language::English);
    ShowMainWindow();
    MainForm& form = MainForm::instance();
    const QString output = parser.positionalArguments().first();
    if (parser.isSet("contact-sheet")) {
        QApplication::processEvents();
        if (!RenderContactSheet(form).save(output)) {
            std::fprintf(stderr, "render_window: cannot write %s\n", qPrintable(output));
            return 1;
        }
        return 0;
    }
    if (parser.isSet("deal")) {
        form.CommandBet_Click();
        form.CommandNextGame_Click();
        TakeCards(form, parser.value("picks").toInt());
    }
    QWidget* window = Prepare(parser.value("window"));
    window->show();
    if (auto* activated = dynamic_cast<ActivatedForm*>(window)) activated->Form_Activate();
    QApplication::processEvents();
    if (!window->grab().save(output)) {
        std::fprintf(stderr, "render_window: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
