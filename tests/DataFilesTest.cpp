// The one folder a copy keeps its data in, and what it reads from where.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <future>

#include "files/FileObject.h"
#include "platform/DataFiles.h"
#include "platform/Folders.h"
#include "platform/SafeFiles.h"
#include "platform/SingleCopy.h"
#include "state/GameState.h"
#include "tests/GameFixture.h"

namespace zarvelo::testing {
namespace {

class DataFilesTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        oldHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        users = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        program = QDir(directory.path()).filePath("program");
        ASSERT_TRUE(QDir().mkpath(program));
    }
    void TearDown() override {
        platform::SetFileFaultHook({});
        qputenv("XDG_DATA_HOME", oldHome);
        GameFixture::TearDown();
    }

    // Runs the program as if from a folder that can or cannot be written, and why not.
    void StartIn(bool writable, int why = EROFS) {
        platform::SetProgramDirectory(directory.path());  // the choice is made afresh
        (void)platform::DataDirectory();
        const QString folder = program;
        platform::SetFileFaultHook(
            [folder, writable, why](platform::FileStep step, const QString& path, qint64, qint64*) {
                const bool inFolder = QFileInfo(path).absolutePath() == folder;
                return !writable && step == platform::FileStep::Create && inFolder ? why : 0;
            });
        platform::SetProgramDirectory(program);
        TakeLastPlayer();
        S().Ranking = LoadRanking();
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir home;
    QByteArray oldHome;
    QString users, program;
};

TEST_F(DataFilesTest, AFolderThatCannotBeWrittenShowsItsDataAndMovesItForGood) {
    const QByteArray ranking = QByteArray("23,1,23,\"Taro\",#1998-12-03#\r\n").repeated(5);
    Write(program + "/default.dat", "\"Taro\",870,0,5\r\n");
    Write(program + "/Taro.dat", "\"Taro\",870,0,5\r\n");
    Write(program + "/Hanako.dat", "\"Hanako\",40,1,3\r\n");
    Write(program + "/Ranking.dat", ranking);

    StartIn(false);
    EXPECT_EQ(S().PlayerName, "Taro");
    EXPECT_EQ(S().PlayerRecord.Credit, 870);
    EXPECT_EQ(S().Ranking[0].Cards, 23);
    EXPECT_EQ(platform::DataDirectory(), users);
    S().PlayerRecord.Credit = 900;
    SaveRanking(S().Ranking);
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(Read(users + "/Taro.dat"), "\"Taro\",900,0,5\r\n");
    EXPECT_EQ(Read(users + "/Ranking.dat"), ranking);
    EXPECT_EQ(Read(program + "/Taro.dat"), "\"Taro\",870,0,5\r\n");

    // The folder can be written again: the data stays where it went, and what did not move yet
    // is still found where it lay.
    StartIn(true);
    EXPECT_EQ(platform::DataDirectory(), users);
    EXPECT_EQ(S().PlayerRecord.Credit, 900);
    ASSERT_TRUE(PlayerFileExists("Hanako"));
    S().PlayerName = "Hanako";
    ASSERT_TRUE(TakePlayerFile());
    EXPECT_EQ(S().PlayerRecord.Credit, 40);
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    EXPECT_EQ(Read(users + "/Hanako.dat"), "\"Hanako\",40,1,3\r\n");
    EXPECT_EQ(Read(users + "/default.dat"), "\"Hanako\",40,1,3\r\n");
    EXPECT_EQ(Read(program + "/default.dat"), "\"Taro\",870,0,5\r\n");
}

TEST_F(DataFilesTest, AWritableFolderKeepsItsOwnData) {
    Write(program + "/default.dat", "\"Taro\",870,0,5\r\n");
    StartIn(false, ENOSPC);  // full, not closed: the data stays
    EXPECT_EQ(platform::DataDirectory(), program);
    StartIn(true);
    EXPECT_EQ(platform::DataDirectory(), program);
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    EXPECT_EQ(Read(program + "/Taro.dat"), "\"Taro\",870,0,5\r\n");
    EXPECT_FALSE(QFile::exists(users + "/Taro.dat"));
}

// A move is remembered beside the program as well, so another user folder in the environment
// never brings the old data back; a user folder that holds another set is used, and said so.
TEST_F(DataFilesTest, TheChoiceHoldsWhateverTheEnvironmentAndTwoSetsAreNamed) {
    const QByteArray oldHomeDir = qgetenv("HOME");
    QTemporaryDir otherHome;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    users = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    Write(program + "/default.dat", "\"Taro\",870,0,5\r\n");
    StartIn(false);
    EXPECT_EQ(platform::DataDirectory(), users);
    S().PlayerRecord.Credit = 900;
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    EXPECT_TRUE(platform::TakeDataFolderNotices().isEmpty());  // one set, moved

    for (const bool writable : {true, false, true}) {
        qputenv("XDG_DATA_HOME", otherHome.path().toLocal8Bit());
        StartIn(writable);
        EXPECT_EQ(platform::DataDirectory(), users) << writable;
        EXPECT_EQ(S().PlayerRecord.Credit, 900) << writable;
    }
    EXPECT_EQ(Read(program + "/data-folder"), users.toUtf8() + "\n");

    // Another read-only copy whose user folder already holds this set; a long list of moved
    // copies keeps every line.
    const QByteArray moved = Read(users + "/moved-copies") + QByteArray(70 * 1024, 'x') + "\n";
    Write(users + "/moved-copies", moved);
    const QString second = QDir(directory.path()).filePath("second");
    ASSERT_TRUE(QDir().mkpath(second));
    Write(second + "/default.dat", "\"Hanako\",40,1,3\r\n");
    Write(second + "/Hanako.dat", "\"Hanako\",40,1,3\r\n");
    qunsetenv("XDG_DATA_HOME");
    program = second;
    StartIn(false);
    EXPECT_EQ(platform::DataDirectory(), users);
    EXPECT_EQ(S().PlayerName, "Taro");
    const QStringList told = platform::TakeDataFolderNotices();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("Used: " + users + "\nNot used: " + second));
    EXPECT_TRUE(PlayerFileExists("Hanako"));  // still found where it lies
    EXPECT_EQ(Read(second + "/default.dat"), "\"Hanako\",40,1,3\r\n");
    EXPECT_EQ(Read(users + "/moved-copies"), moved + second.toUtf8() + "\n");
    qputenv("HOME", oldHomeDir);
}

// A folder that cannot be made is named with the reason, never as where the data is saved.
TEST_F(DataFilesTest, AUserFolderThatCannotBeMadeIsSaidOnce) {
    Write(home.path() + "/blocker", "a file where a folder should be");
    qputenv("XDG_DATA_HOME", (home.path() + "/blocker").toLocal8Bit());
    ::testing::internal::CaptureStderr();
    StartIn(false);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.find("kept in"), std::string::npos) << said;
    const QStringList told = platform::TakeDataFolderNotices();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("cannot create the folder " + home.path() + "/blocker:"));
    SavePlayerFiles(S().PlayerName, S().PlayerRecord);
    ASSERT_EQ(boxes->calls.size(), 1u);
    EXPECT_TRUE(
        boxes->calls[0].text.contains("cannot create the folder " + home.path() + "/blocker: "));
}

// A copy killed while it played leaves its lock and maybe a temporary file: neither stays in the
// way of the next start.
TEST_F(DataFilesTest, AKilledCopysLockAndTemporaryFilesNeverStayInTheWay) {
    Write(program + "/.zarvelo.lock", "2147483000\n" +
                                          QCoreApplication::applicationName().toUtf8() + "\n" +
                                          QSysInfo::machineHostName().toUtf8() + "\n");
    for (const char* name : {".zarvelo-a1b2c3.tmp", ".zarvelo-a1b2c.tmp", "zarvelo-a1b2c3.tmp"})
        Write(program + "/" + name, "left");
    int raised = 0;
    EXPECT_EQ(platform::ClaimDataFolder(
                  program, [&] { ++raised; }, nullptr),
              platform::FolderClaim::Ours);
    EXPECT_EQ(platform::RemoveLeftoverTemporaryFiles(program), 1);
    // A second start asks the holder to come to the front, and plays on nothing.
    auto second = std::async(std::launch::async, [this] {
        return platform::ClaimDataFolder(
            program, [] { ADD_FAILURE(); }, nullptr);
    });
    while (second.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    EXPECT_EQ(second.get(), platform::FolderClaim::Raised);
    EXPECT_EQ(raised, 1);
    EXPECT_FALSE(QFile::exists(program + "/.zarvelo-a1b2c3.tmp"));
    EXPECT_TRUE(QFile::exists(program + "/.zarvelo-a1b2c.tmp"));
    platform::ReleaseDataFolder();
    EXPECT_FALSE(QFile::exists(program + "/.zarvelo.lock"));
}

}  // namespace
}  // namespace zarvelo::testing
