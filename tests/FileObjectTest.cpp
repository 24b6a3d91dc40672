// Player files, the last-player file and the ranking file on disk, and names that cannot be stored.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "files/FileObject.h"
#include "platform/DataFiles.h"
#include "state/GameState.h"
#include "tables/PlayerData.h"
#include "tests/GameFixture.h"

namespace zarvelo::testing {
namespace {

class FileObjectTest : public GameFixture {
protected:
    QString Path(const QString& name) const { return QDir(directory.path()).filePath(name); }
    QByteArray Read(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList Files() const { return QDir(directory.path()).entryList(QDir::Files, QDir::Name); }
};

TEST_F(FileObjectTest, FirstRunFindsNothingAndWritesThreeFiles) {
    LoadLastPlayer();
    LoadRanking();
    EXPECT_EQ(PlayerName, "NewPlayer");
    EXPECT_EQ(PlayerRecord.Credit, 100);
    EXPECT_EQ(PlayerRecord.GamesPlayed, 1);
    EXPECT_EQ(Ranking[4].Date, QDate(2026, 12, 7));
    EXPECT_TRUE(Files().isEmpty());
    SaveRanking();
    SavePlayerFiles();
    EXPECT_EQ(Files(), QStringList({"NewPlayer.dat", "Ranking.dat", "default.dat"}));
    EXPECT_EQ(Read("NewPlayer.dat"), "\"NewPlayer\",100,0,1\r\n");
    EXPECT_EQ(Read("default.dat"), Read("NewPlayer.dat"));
    EXPECT_EQ(Read("Ranking.dat"), QByteArray("0,1,0,\"NewPlayer\",#2026-12-07#\r\n").repeated(5));
}

TEST_F(FileObjectTest, PlayerFileNameComesFromPlayerNameAndContentFromTheRecord) {
    PlayerName = "Taro";
    PlayerRecord = {"Taro", 87, 2, 12};
    SavePlayerFiles();
    EXPECT_EQ(Read("Taro.dat"), "\"Taro\",87,2,12\r\n");
    EXPECT_EQ(Read("default.dat"), "\"Taro\",87,2,12\r\n");
    PlayerRecord = {};
    LoadLastPlayer();
    EXPECT_EQ(PlayerRecord.Credit, 87);
    EXPECT_EQ(PlayerName, "Taro");
}

TEST_F(FileObjectTest, NamesDifferingInCaseAreOneFile) {
    Write("Default.dat", "\"Hanako\",40,1,3\r\n");
    LoadLastPlayer();
    EXPECT_EQ(PlayerName, "Hanako");
    Write("taro.dat", "\"taro\",55,0,2\r\n");
    EXPECT_TRUE(PlayerFileExists("Taro"));
    EXPECT_TRUE(PlayerFileExists("TARO"));
    EXPECT_FALSE(PlayerFileExists("Jiro"));
    PlayerName = "Taro";
    ASSERT_TRUE(LoadPlayerFile());
    EXPECT_EQ(PlayerRecord.Credit, 55);
    PlayerRecord.Credit = 60;
    SavePlayerFiles();
    // The existing spellings are kept: no second file for either.
    EXPECT_EQ(Files(), QStringList({"Default.dat", "taro.dat"}));
    EXPECT_EQ(Read("taro.dat"), "\"taro\",60,0,2\r\n");
    EXPECT_EQ(Read("Default.dat"), "\"taro\",60,0,2\r\n");
}

TEST_F(FileObjectTest, LoadingAMissingPlayerChangesNothing) {
    PlayerName = "Nobody";
    PlayerRecord = {"Keep", 1, 2, 3};
    EXPECT_FALSE(LoadPlayerFile());
    EXPECT_EQ(PlayerRecord.Name, "Keep");
}

TEST_F(FileObjectTest, BrokenFilesNeverStopTheStart) {
    Write("default.dat", "");
    Write("Ranking.dat", "7,1,7,\"Taro\",#2025-03-0");
    LoadLastPlayer();
    LoadRanking();
    EXPECT_EQ(PlayerName, "NewPlayer");
    EXPECT_EQ(PlayerRecord.Credit, 100);
    EXPECT_EQ(Ranking[0].Cards, 7);
    EXPECT_EQ(Ranking[0].Date, QDate(2026, 12, 7));
    EXPECT_EQ(Ranking[1].PlayerName, "NewPlayer");
    // A last player whose name could not name a file starts as a new player.
    Write("default.dat", "\"../escape\",500,0,9\r\n");
    LoadLastPlayer();
    EXPECT_EQ(PlayerName, "NewPlayer");
    EXPECT_EQ(PlayerRecord.Credit, 500);
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
        SaveRanking();
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
    SaveRanking();
    platform::SetDataDirectory(QString());
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_TRUE(boxes->calls[0].text.contains("Ranking.dat"));
    EXPECT_EQ(boxes->calls[0].title, "Save Error");

    Write("Ranking.dat", "old");
    MakeDefaultRanking();
    SaveRanking();
    EXPECT_EQ(Read("Ranking.dat").left(8), "0,1,0,\"N");
    EXPECT_EQ(Files(), QStringList({"Ranking.dat", "blocker"}));  // no temporary left behind
}

TEST_F(FileObjectTest, UnstorableNamesAreRefusedAndOthersAccepted) {
    const char* const refused[] = {"", ".", "..", "a/b", "a\\b", "a:b", "a*", "what?", "say\"hi\"",
                                   "<x>", "a|b", "tab\there", "new\nline", "trailing ", "dot.",
                                   "Ranking", "RANKING", "default", "Default"};
    for (const char* name : refused) EXPECT_TRUE(NameProblem(QString::fromUtf8(name))) << name;
    EXPECT_TRUE(NameProblem(QString::fromUtf8("emoji 😀")));
    EXPECT_TRUE(NameProblem(QString::fromUtf8("Ünïcödé")));
    const char* const accepted[] = {"Taro", "NewPlayer", " leading", "a,b", "太郎", "ﾀﾛｳ",
                                    "Rankings", "defaults", "12345678901234567890", "x.y"};
    for (const char* name : accepted) EXPECT_FALSE(NameProblem(QString::fromUtf8(name))) << name;
}

}  // namespace
}  // namespace zarvelo::testing
