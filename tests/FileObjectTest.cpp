// Player files, the last-player file and the ranking file on disk, and names that cannot be stored.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "files/FileObject.h"
#include "platform/DataFiles.h"
#include "platform/Folders.h"
#include "platform/SafeFiles.h"
#include "state/GameState.h"
#include "tables/PlayerData.h"
#include "tests/GameFixture.h"

namespace zarvelo::testing {
namespace {

class FileObjectTest : public GameFixture {
protected:
    QString Path(const QString& name) const { return QDir(directory.path()).filePath(name); }
};

TEST_F(FileObjectTest, FirstRunFindsNothingAndWritesThreeFiles) {
    TakeLastPlayer();
    S().Ranking = LoadRanking();
    EXPECT_EQ(S().PlayerName, "NewPlayer");
    EXPECT_EQ(S().PlayerRecord.Credit, 100);
    EXPECT_EQ(S().PlayerRecord.GamesPlayed, 1);
    EXPECT_EQ(S().Ranking[4].Date, QDate(2026, 12, 7));
    EXPECT_TRUE(Files().isEmpty());
    SaveRanking(S().Ranking);
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    EXPECT_EQ(Files(), QStringList({"NewPlayer.dat", "Ranking.dat", "default.dat"}));
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",100,0,1\r\n");
    EXPECT_EQ(Read("default.dat"), Read("NewPlayer.dat"));
    EXPECT_EQ(Read("Ranking.dat"), QByteArray("0,1,0,\"NewPlayer\",#2026-12-07#\r\n").repeated(5));
}

TEST_F(FileObjectTest, PlayerFileNameComesFromPlayerNameAndContentFromTheRecord) {
    S().PlayerName = "Taro";
    S().PlayerRecord = {"Taro", 87, 2, 12};
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    EXPECT_EQ(Read("Taro.dat"), "\"Taro\",87,2,12\r\n");
    EXPECT_EQ(Read("default.dat"), "\"Taro\",87,2,12\r\n");
    S().PlayerRecord = {};
    TakeLastPlayer();
    EXPECT_EQ(S().PlayerRecord.Credit, 87);
    EXPECT_EQ(S().PlayerName, "Taro");
}

TEST_F(FileObjectTest, NamesDifferingInCaseAreOneFile) {
    Write("Default.dat", "\"Hanako\",40,1,3\r\n");
    TakeLastPlayer();
    EXPECT_EQ(S().PlayerName, "Hanako");
    Write("taro.dat", "\"taro\",55,0,2\r\n");
    EXPECT_TRUE(PlayerFileExists("Taro"));
    EXPECT_TRUE(PlayerFileExists("TARO"));
    EXPECT_FALSE(PlayerFileExists("Jiro"));
    S().PlayerName = "Taro";
    ASSERT_TRUE(TakePlayerFile());
    EXPECT_EQ(S().PlayerRecord.Credit, 55);
    S().PlayerRecord.Credit = 60;
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    // The existing spellings are kept: no second file for either.
    EXPECT_EQ(Files(), QStringList({"Default.dat", "taro.dat"}));
    EXPECT_EQ(Read("taro.dat"), "\"taro\",60,0,2\r\n");
    EXPECT_EQ(Read("Default.dat"), "\"taro\",60,0,2\r\n");
}

TEST_F(FileObjectTest, LoadingAMissingPlayerChangesNothing) {
    S().PlayerName = "Nobody";
    S().PlayerRecord = {"Keep", 1, 2, 3};
    EXPECT_FALSE(TakePlayerFile());
    EXPECT_EQ(S().PlayerRecord.Name, "Keep");
}

// A file the game cannot use is moved aside before anything replaces it, and the player is told
// where it is; a file that cannot even be moved aside is never replaced.
TEST_F(FileObjectTest, FilesThatCannotBeReadAreKeptAsideAndTold) {
    const QByteArray big = "\"Taro\",87654,0,5\r\n" + QByteArray(platform::kDataFileLimit, 'x');
    Write("default.dat", big);
    Write("default.dat.unreadable", "older");
    Write("Ranking.dat", "7,1,7,\"Taro\",#2025-03-0");
    Write("Jiro.dat", "\"Jiro\",40,0,2\r\n");
    Write("Saburo.dat", "\"Saburo\",41,0,2\r\n");
    platform::SetFileFaultHook([](platform::FileStep step, const QString& path, qint64, qint64*) {
        if (step == platform::FileStep::Open && path.endsWith("o.dat")) return EIO;
        const bool sabu = path.contains("Saburo.dat.unreadable");
        return step == platform::FileStep::Rename && sabu ? EACCES : 0;
    });
    TakeLastPlayer();
    S().Ranking = LoadRanking();
    EXPECT_EQ(S().PlayerName, "NewPlayer");
    EXPECT_EQ(S().PlayerRecord.Credit, 100);
    EXPECT_EQ(S().Ranking[0].Cards, 0);
    for (const char* name : {"Jiro", "Saburo"}) {
        S().PlayerName = name;
        ASSERT_TRUE(TakePlayerFile());
        EXPECT_EQ(S().PlayerRecord.Credit, 100);
        EXPECT_EQ(S().PlayerRecord.Name, name);
    }
    EXPECT_TRUE(boxes->calls.empty());
    ReportDataProblems();
    ASSERT_EQ(boxes->calls.size(), 1u);
    const QString told = boxes->calls[0].text;
    for (const char* aside :
         {"default.dat.unreadable-2", "Ranking.dat.unreadable", "Jiro.dat.unreadable"})
        EXPECT_TRUE(told.contains("kept as " + Path(aside))) << aside;
    EXPECT_TRUE(told.contains("larger than 1 MiB"));
    EXPECT_TRUE(told.contains(Path("Saburo.dat") + "\n\nIt could not be moved aside"));
    ReportDataProblems();
    EXPECT_EQ(boxes->calls.size(), 1u);  // told once

    S().PlayerRecord = {"Saburo", 1, 0, 1};
    SaveStateAndRanking();
    platform::SetFileFaultHook({});
    EXPECT_EQ(Read("default.dat.unreadable-2"), big);
    EXPECT_EQ(Read("default.dat.unreadable"), "older");
    EXPECT_EQ(Read("Ranking.dat.unreadable"), "7,1,7,\"Taro\",#2025-03-0");
    EXPECT_EQ(Read("Jiro.dat.unreadable"), "\"Jiro\",40,0,2\r\n");
    EXPECT_EQ(Read("Saburo.dat"), "\"Saburo\",41,0,2\r\n");
    ASSERT_EQ(boxes->calls.size(), 2u);
    EXPECT_TRUE(boxes->calls[1].text.startsWith("Saburo.dat could not be saved."));
}

TEST_F(FileObjectTest, AnInstalledCopyKeepsItsDataInTheUsersFolder) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    const QString users = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    struct Case {
        const char* program;
        bool installed;
    } cases[] = {{"built", false}, {"installed", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        ASSERT_TRUE(QDir().mkpath(Path(c.program)));
        if (c.installed) Write(QStringLiteral("%1/installed-copy").arg(c.program), "installed\n");
        platform::SetProgramDirectory(Path(c.program));
        SaveRanking(S().Ranking);
        // Writable either way: only the marker tells an installed copy from a build.
        EXPECT_EQ(QFile::exists(Path(c.program) + "/Ranking.dat"), !c.installed);
        EXPECT_EQ(QFile::exists(users + "/Ranking.dat"), c.installed);
    }
    platform::SetProgramDirectory(directory.path());
    qputenv("XDG_DATA_HOME", oldHome);
    EXPECT_TRUE(boxes->calls.empty());
}

TEST_F(FileObjectTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
    Write("blocker", "a file where a folder should be");
    platform::SetDataDirectory(Path("blocker/data"));
    SaveRanking(S().Ranking);
    platform::SetDataDirectory(QString());
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_TRUE(boxes->calls[0].text.contains("Ranking.dat"));
    EXPECT_EQ(boxes->calls[0].title, "Save Error");

    Write("Ranking.dat", "old");
    MakeDefaultRanking(S());
    SaveRanking(S().Ranking);
    EXPECT_EQ(Read("Ranking.dat").left(8), "0,1,0,\"N");
    EXPECT_EQ(Files(), QStringList({"Ranking.dat", "blocker"}));  // no temporary left behind
}

TEST_F(FileObjectTest, UnstorableNamesAreRefusedAndOthersAccepted) {
    const char* const refused[] = {"",        ".",         "..",        "a/b",       "a\\b",
                                   "a:b",     "a*",        "what?",     "say\"hi\"", "<x>",
                                   "a|b",     "tab\there", "new\nline", "trailing ", "dot.",
                                   "Ranking", "RANKING",   "default",   "Default"};
    for (const char* name : refused) EXPECT_TRUE(NameProblem(QString::fromUtf8(name))) << name;
    EXPECT_TRUE(NameProblem(QString::fromUtf8("emoji 😀")));
    EXPECT_TRUE(NameProblem(QString::fromUtf8("Ünïcödé")));
    const char* const accepted[] = {"Taro",     "NewPlayer", " leading",
                                    "a,b",      "太郎",      "ﾀﾛｳ",
                                    "Rankings", "defaults",  "12345678901234567890",
                                    "x.y"};
    for (const char* name : accepted) EXPECT_FALSE(NameProblem(QString::fromUtf8(name))) << name;
}

TEST_F(FileObjectTest, LinksAndOtherOddFilesAreNeverWrittenThrough) {
    QTemporaryDir outside;
    const QString victim = QDir(outside.path()).filePath("victim.dat");
    const QString nowhere = QDir(outside.path()).filePath("created.dat");
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("precious\n");
    file.close();
    ASSERT_EQ(symlink(QFile::encodeName(victim), QFile::encodeName(Path("default.dat"))), 0);
    ASSERT_EQ(symlink(QFile::encodeName(nowhere), QFile::encodeName(Path("Ranking.dat"))), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("Taro.dat")), 0600), 0);
    TakeLastPlayer();  // a pipe or a link read here would block or read another file
    S().Ranking = LoadRanking();
    EXPECT_EQ(S().PlayerName, "NewPlayer");
    EXPECT_EQ(S().PlayerRecord.Credit, 100);
    EXPECT_EQ(S().Ranking[0].PlayerName, "NewPlayer");
    EXPECT_FALSE(PlayerFileExists("Taro"));
    S().PlayerName = "Taro";
    EXPECT_FALSE(TakePlayerFile());
    S().PlayerRecord = {"Taro", 87, 2, 12};
    {
        SaveRound round;
        SaveRanking(S().Ranking);
        SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    }
    ASSERT_EQ(boxes->calls.size(), 1u);
    const QString& text = boxes->calls[0].text;
    EXPECT_TRUE(text.startsWith("Ranking.dat, Taro.dat and default.dat could not be saved."));
    for (const char* name : {"Ranking.dat", "Taro.dat", "default.dat"})
        EXPECT_TRUE(text.contains(Path(name) + "\nA ")) << name;
    EXPECT_EQ(text.count("not a regular file"), 3);
    EXPECT_EQ(platform::KindOf(Path("default.dat")), platform::FileKind::Link);
    EXPECT_EQ(platform::KindOf(Path("Taro.dat")), platform::FileKind::Other);
    QFile again(victim);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), "precious\n");
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST_F(FileObjectTest, AFullDiskIsReportedWithPathAndReasonAndKeepsTheOldFiles) {
    Write("Ranking.dat", QByteArray("23,1,23,\"Taro\",#1998-12-03#\r\n").repeated(5));
    Write("Taro.dat", "\"Taro\",870,0,5\r\n");
    Write("default.dat", "\"Taro\",870,0,5\r\n");
    TakeLastPlayer();
    S().Ranking = LoadRanking();
    S().Credit = 900;
    S().Ranking[0].Cards = 30;
    // The disk fills up after the first 10 bytes of every file.
    platform::SetFileFaultHook(
        [](platform::FileStep step, const QString&, qint64 offset, qint64* length) {
            if (step != platform::FileStep::Write) return 0;
            if (offset >= 10) return ENOSPC;
            *length = std::min<qint64>(*length, 10 - offset);
            return 0;
        });
    SaveStateAndRanking();
    platform::SetFileFaultHook({});
    // One box for the round, each file with its path and reason.
    ASSERT_EQ(boxes->calls.size(), 1u);
    const QString full = QString::fromLocal8Bit(strerror(ENOSPC));
    EXPECT_EQ(boxes->calls[0].text,
              QString("Ranking.dat, Taro.dat and default.dat could not be saved.\n\n%1\n%4\n\n"
                      "%2\n%4\n\n%3\n%4")
                  .arg(Path("Ranking.dat"), Path("Taro.dat"), Path("default.dat"), full));
    EXPECT_EQ(boxes->calls[0].title, "Save Error");
    EXPECT_EQ(Read("Ranking.dat"), QByteArray("23,1,23,\"Taro\",#1998-12-03#\r\n").repeated(5));
    EXPECT_EQ(Read("Taro.dat"), "\"Taro\",870,0,5\r\n");
    EXPECT_EQ(Read("default.dat"), "\"Taro\",870,0,5\r\n");
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

// A name is refused when its file name would not fit the folder: a name that passes can always
// be saved, and the longest is exactly at the limit.
TEST_F(FileObjectTest, NamesAreCheckedAgainstTheFoldersLongestFileName) {
    const long limit = platform::DataFileNameLimit();
    ASSERT_EQ(limit, pathconf(QFile::encodeName(directory.path()), _PC_NAME_MAX));
    const long room = limit - 4;  // ".dat"
    struct Case {
        QString name;
        bool fits;
    };
    const Case cases[] = {
        {QString(room, 'a'), true},
        {QString(room + 1, 'a'), false},
        {QString(300, 'a'), false},
        {QString(room / 3, QChar(0x592A)), true},       // kanji: three bytes each in a file name
        {QString(room / 3 + 1, QChar(0x592A)), false},  // fits in Shift_JIS, not on the disk
        {QString(86, QChar(0x592A)), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.size());
        const auto problem = NameProblem(c.name);
        EXPECT_EQ(!problem, c.fits);
        if (problem) {
            EXPECT_TRUE(problem->startsWith("The name is too long")) << problem->toStdString();
        }
        if (!c.fits) continue;
        S().PlayerName = c.name;
        S().PlayerRecord = {c.name, 870, 1, 5};
        SavePlayerFiles(S().PlayerName, S().PlayerRecord);
        EXPECT_TRUE(boxes->calls.empty());
        EXPECT_TRUE(PlayerFileExists(c.name));
    }
}

TEST_F(FileObjectTest, ANameThatCannotNameAFileKeepsItsRecord) {
    struct Case {
        QByteArray stored;
        QString expected;
        Counter credit;
    };
    const Case cases[] = {
        {QByteArray(300, 'A'), QString(platform::DataFileNameLimit() - 4, 'A'), 870},
        {"../escape", ".._escape", 870},
        // Never a record over another player's file: NewPlayer's own is read.
        {"Ranking", "NewPlayer", 500},
        {"default", "NewPlayer", 500},
    };
    Write("NewPlayer.dat", "\"NewPlayer\",500,0,9\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.left(20).toStdString());
        Write("default.dat", "\"" + c.stored + "\",870,2,5\r\n");
        TakeLastPlayer();
        EXPECT_EQ(S().PlayerName, c.expected);
        EXPECT_EQ(S().PlayerRecord.Credit, c.credit);
        SavePlayerFiles(S().PlayerName, S().PlayerRecord);
        EXPECT_TRUE(boxes->calls.empty());
        S().PlayerRecord = {};
        ASSERT_TRUE(TakePlayerFile());
        EXPECT_EQ(S().PlayerRecord.Credit, c.credit);
        ReportDataProblems();
        ASSERT_EQ(boxes->calls.size(), 1u);
        EXPECT_TRUE(boxes->calls[0].text.contains("cannot be used"));
        boxes->calls.clear();
    }
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",500,0,9\r\n");
    // A player file whose inside name cannot be stored keeps the name that found it.
    Write("Jiro.dat", "\"Ji/ro\",40,0,2\r\n");
    S().PlayerName = "Jiro";
    ASSERT_TRUE(TakePlayerFile());
    EXPECT_EQ(S().PlayerRecord.Name, "Jiro");
}

TEST_F(FileObjectTest, HugeFilesAreReadOnlyInPartAndBoxesStaySmall) {
    Write("default.dat", "\"" + QByteArray(1 << 20, 'A') + "\",870,0,5\r\n");
    Write("Ranking.dat", QByteArray(1 << 20, '7'));
    TakeLastPlayer();
    S().Ranking = LoadRanking();
    EXPECT_LE(S().PlayerName.size(), platform::DataFileNameLimit());
    EXPECT_EQ(S().Ranking[0].Cards, 0);  // no number that long
    // A save that fails shows the name and the path shortened, never a box higher than a screen.
    platform::SetDataDirectory(Path("missing/") + QString(3000, 'x'));
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    platform::SetDataDirectory(QString());
    ASSERT_FALSE(boxes->calls.empty());
    for (const auto& call : boxes->calls) {
        for (const QString& line : call.text.split('\n')) EXPECT_LE(line.size(), 160);
        EXPECT_TRUE(call.text.contains("could not be saved"));
    }
}

// A real full file system: every save fails loudly and the files already there stay whole.
TEST_F(FileObjectTest, OnAFullFileSystemEverySaveFailsLoudlyAndKeepsTheOldFile) {
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QByteArray full = QFile::encodeName(Path("full"));
    ASSERT_TRUE(QDir().mkpath(Path("full")));
    if (mount("tmpfs", full, "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << strerror(errno);
    struct Unmount {
        QByteArray at;
        ~Unmount() { umount2(at, MNT_DETACH); }
    } unmount{full};
    platform::SetDataDirectory(Path("full"));
    const QByteArray ranking = QByteArray("23,1,23,\"Taro\",#1998-12-03#\r\n").repeated(5);
    Write("full/Ranking.dat", ranking);
    Write("full/default.dat", "\"Taro\",870,0,5\r\n");
    {
        QFile filler(Path("full/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
    }
    TakeLastPlayer();
    CopyRecordToState(S());
    S().Ranking = LoadRanking();
    for (int quit = 1; quit <= 5; ++quit) {
        S().Credit += 10;
        SaveStateAndRanking();
        ASSERT_EQ(boxes->calls.size(), 1u * quit);
        for (const auto& call : boxes->calls) EXPECT_TRUE(call.text.contains(strerror(ENOSPC)));
        EXPECT_EQ(Read("full/Ranking.dat"), ranking);
        EXPECT_EQ(Read("full/default.dat"), "\"Taro\",870,0,5\r\n");
        EXPECT_FALSE(QFile::exists(Path("full/Taro.dat")));
    }
    platform::SetDataDirectory(QString());
}

}  // namespace
}  // namespace zarvelo::testing
