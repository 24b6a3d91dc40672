// The one folder a copy keeps its data in, and what it reads from where.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>

#include "files/FileObject.h"
#include "platform/DataFiles.h"
#include "platform/Folders.h"
#include "platform/SafeFiles.h"
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

    // Runs the program as if from a folder that can or cannot be written.
    void StartIn(bool writable) {
        platform::SetProgramDirectory(directory.path());  // the choice is made afresh
        (void)platform::DataDirectory();
        const QString folder = program;
        platform::SetFileFaultHook(
            [folder, writable](platform::FileStep step, const QString& path, qint64, qint64*) {
                const bool inFolder = QFileInfo(path).absolutePath() == folder;
                return !writable && step == platform::FileStep::Create && inFolder ? EROFS : 0;
            });
        platform::SetProgramDirectory(program);
        LoadLastPlayer();
        LoadRanking();
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
    EXPECT_EQ(PlayerName, "Taro");
    EXPECT_EQ(PlayerRecord.Credit, 870);
    EXPECT_EQ(Ranking[0].Cards, 23);
    EXPECT_EQ(platform::DataDirectory(), users);
    PlayerRecord.Credit = 900;
    SaveRanking();
    SavePlayerFiles();
    EXPECT_TRUE(boxes->calls.empty());
    EXPECT_EQ(Read(users + "/Taro.dat"), "\"Taro\",900,0,5\r\n");
    EXPECT_EQ(Read(users + "/Ranking.dat"), ranking);
    EXPECT_EQ(Read(program + "/Taro.dat"), "\"Taro\",870,0,5\r\n");

    // The folder can be written again: the data stays where it went, and what did not move yet
    // is still found where it lay.
    StartIn(true);
    EXPECT_EQ(platform::DataDirectory(), users);
    EXPECT_EQ(PlayerRecord.Credit, 900);
    ASSERT_TRUE(PlayerFileExists("Hanako"));
    PlayerName = "Hanako";
    ASSERT_TRUE(LoadPlayerFile());
    EXPECT_EQ(PlayerRecord.Credit, 40);
    SavePlayerFiles();
    EXPECT_EQ(Read(users + "/Hanako.dat"), "\"Hanako\",40,1,3\r\n");
    EXPECT_EQ(Read(users + "/default.dat"), "\"Hanako\",40,1,3\r\n");
    EXPECT_EQ(Read(program + "/default.dat"), "\"Taro\",870,0,5\r\n");
}

TEST_F(DataFilesTest, AWritableFolderKeepsItsOwnData) {
    Write(program + "/default.dat", "\"Taro\",870,0,5\r\n");
    StartIn(true);
    EXPECT_EQ(platform::DataDirectory(), program);
    SavePlayerFiles();
    EXPECT_EQ(Read(program + "/Taro.dat"), "\"Taro\",870,0,5\r\n");
    EXPECT_FALSE(QFile::exists(users + "/Taro.dat"));
}

}  // namespace
}  // namespace zarvelo::testing
