// Regular files only, bounded reading and all-or-nothing replacement, on real file systems and
// through injected faults.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cerrno>

#include "platform/SafeFiles.h"

namespace zarvelo::platform {
namespace {

class SafeFilesTest : public ::testing::Test {
protected:
    void TearDown() override { SetFileFaultHook({}); }

    QString Path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QByteArray Read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void Write(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList Entries(const QString& path) const {
        return QDir(path).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dir;
    QTemporaryDir outside;
};

TEST_F(SafeFilesTest, WhatIsNotARegularFileIsNeitherFollowedNorOpenedNorReplaced) {
    const QString victim = QDir(outside.path()).filePath("victim");
    Write(victim, "precious");
    const QString nowhere = QDir(outside.path()).filePath("nowhere");
    struct Case {
        const char* what;
        std::function<bool(const QByteArray&)> make;
        FileKind kind;
    } cases[] = {
        {"link to a file",
         [&](const QByteArray& p) { return symlink(QFile::encodeName(victim), p) == 0; },
         FileKind::Link},
        {"dangling link",
         [&](const QByteArray& p) { return symlink(QFile::encodeName(nowhere), p) == 0; },
         FileKind::Link},
        {"link to a device", [](const QByteArray& p) { return symlink("/dev/zero", p) == 0; },
         FileKind::Link},
        {"pipe", [](const QByteArray& p) { return mkfifo(p, 0600) == 0; }, FileKind::Other},
        {"socket", [](const QByteArray& p) { return mknod(p, S_IFSOCK | 0600, 0) == 0; },
         FileKind::Other},
        {"folder", [](const QByteArray& p) { return mkdir(p, 0700) == 0; }, FileKind::Directory},
    };
    // Nothing is even opened or made for a name that is not a regular file's.
    int steps = 0;
    SetFileFaultHook([&](FileStep, const QString&, qint64, qint64*) { return ++steps, 0; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = Path(QString::fromUtf8(c.what));
        ASSERT_TRUE(c.make(QFile::encodeName(path)));
        EXPECT_EQ(KindOf(path), c.kind);
        const ReadResult read = ReadRegularFile(path, 1024);  // a pipe would block forever here
        EXPECT_FALSE(read.bytes);
        EXPECT_FALSE(read.error.isEmpty());
        QString error;
        EXPECT_FALSE(ReplaceRegularFile(path, "\"Taro\",87,2,12\r\n", &error));
        EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
        EXPECT_EQ(KindOf(path), c.kind);
    }
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(Read(victim), "precious");
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(Entries(outside.path()), QStringList{"victim"});
}

TEST_F(SafeFilesTest, ADeviceIsNeverOpened) {
    if (geteuid() != 0) GTEST_SKIP() << "making a device node needs root";
    const QString path = Path("Ranking.dat");
    // A terminal device: opening one without O_NONBLOCK can wait for a carrier.
    ASSERT_EQ(mknod(QFile::encodeName(path), S_IFCHR | 0600, makedev(5, 0)), 0);
    EXPECT_EQ(KindOf(path), FileKind::Other);
    EXPECT_FALSE(ReadRegularFile(path, 1024).bytes);
    QString error;
    EXPECT_FALSE(ReplaceRegularFile(path, "x", &error));
    EXPECT_EQ(KindOf(path), FileKind::Other);
}

// Something may take a name's place between the look and the use; what is opened or replaced
// is checked again then.
TEST_F(SafeFilesTest, ASwapAfterTheLookIsCaughtToo) {
    const QString victim = QDir(outside.path()).filePath("victim");
    Write(victim, "precious");
    struct Case {
        const char* what;
        FileStep when;
        std::function<void(const QByteArray&)> swap;
    } cases[] = {
        {"a link before the read", FileStep::Open,
         [&](const QByteArray& p) {
             unlink(p);
             (void)!symlink(QFile::encodeName(victim), p);
         }},
        {"a pipe before the read", FileStep::Open,
         [](const QByteArray& p) {
             unlink(p);
             mkfifo(p, 0600);
         }},
        {"a link before the rename", FileStep::Close,
         [&](const QByteArray& p) {
             unlink(p);
             (void)!symlink(QFile::encodeName(victim), p);
         }},
        {"a folder before the rename", FileStep::Close,
         [](const QByteArray& p) {
             unlink(p);
             mkdir(p, 0700);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = Path(QString::fromUtf8(c.what));
        Write(path, "\"Taro\",87,2,12\r\n");
        bool swapped = false;
        SetFileFaultHook([&](FileStep step, const QString&, qint64, qint64*) {
            if (step == c.when && !swapped) {
                swapped = true;
                c.swap(QFile::encodeName(path));
            }
            return 0;
        });
        if (c.when == FileStep::Open) {
            EXPECT_FALSE(ReadRegularFile(path, 1024).bytes);
        } else {
            QString error;
            EXPECT_FALSE(ReplaceRegularFile(path, "new", &error));
            EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
        }
        SetFileFaultHook({});
        EXPECT_TRUE(swapped);
        EXPECT_NE(KindOf(path), FileKind::Regular);
    }
    EXPECT_EQ(Read(victim), "precious");
    EXPECT_EQ(Entries(dir.path()).filter(".zarvelo-").size(), 0);
}

TEST_F(SafeFilesTest, ReadingStopsAtTheLimit) {
    const QString path = Path("default.dat");
    Write(path, QByteArray(5000, 'A'));
    ReadResult read = ReadRegularFile(path, 4096);
    ASSERT_TRUE(read.bytes);
    EXPECT_EQ(read.bytes->size(), 4096);
    EXPECT_TRUE(read.truncated);
    Write(path, QByteArray(4096, 'A'));
    read = ReadRegularFile(path, 4096);
    EXPECT_EQ(read.bytes->size(), 4096);
    EXPECT_FALSE(read.truncated);
}

TEST_F(SafeFilesTest, AReplacedFileKeepsItsPermissions) {
    const QString path = Path("Taro.dat");
    Write(path, "old");
    ASSERT_EQ(chmod(QFile::encodeName(path), 0640), 0);
    QString error;
    ASSERT_TRUE(ReplaceRegularFile(path, "new", &error)) << error.toStdString();
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(path), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Read(path), "new");
}

// Any step of a save failing at any byte leaves the old file as it was and says why; a save
// that says it worked left the new bytes.
TEST_F(SafeFilesTest, RandomFaultsNeverBreakTheOldFile) {
    const FileStep steps[] = {FileStep::Create, FileStep::Write,  FileStep::Sync,
                              FileStep::Close,  FileStep::Rename, FileStep::SyncFolder};
    const int errors[] = {ENOSPC, EIO, EDQUOT, EROFS, EACCES};
    QRandomGenerator random(20261207);
    const QString path = Path("Ranking.dat");
    QByteArray current = "0,1,0,\"NewPlayer\",#2026-12-07#\r\n";
    Write(path, current);
    int failures = 0;
    for (int round = 0; round < 400; ++round) {
        const QByteArray next =
            QByteArray::number(round).repeated(1 + random.bounded(300)) + "\r\n";
        const FileStep step = steps[random.bounded(6)];
        const int errorNumber = errors[random.bounded(5)];
        const qint64 atByte = random.bounded(next.size() + 1);
        const bool faulty = random.bounded(4) != 0;
        bool hit = false;
        SetFileFaultHook([&](FileStep s, const QString&, qint64 offset, qint64* length) {
            if (!faulty || s != step) return 0;
            if (s == FileStep::Write && offset + *length > atByte && offset < atByte) {
                *length = atByte - offset;  // the bytes before the fault do reach the file
                return 0;
            }
            if (s == FileStep::Write && offset + *length <= atByte) return 0;
            hit = true;
            return errorNumber;
        });
        QString error;
        const bool saved = ReplaceRegularFile(path, next, &error);
        SetFileFaultHook({});
        SCOPED_TRACE(round);
        // A failed folder sync comes after the new file is in place and cannot be undone.
        const bool shouldFail = hit && step != FileStep::SyncFolder;
        ASSERT_EQ(saved, !shouldFail);
        if (saved) {
            current = next;
        } else {
            ++failures;
            EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(errorNumber)));
        }
        ASSERT_EQ(Read(path), current);
        ASSERT_EQ(Entries(dir.path()), QStringList{"Ranking.dat"});  // nothing left behind
    }
    EXPECT_GT(failures, 100);
}

TEST_F(SafeFilesTest, ReadFaultsGiveNothingRatherThanPartOfAFile) {
    const QString path = Path("Taro.dat");
    Write(path, "\"Taro\",87,2,12\r\n");
    for (const FileStep failing : {FileStep::Open, FileStep::Read}) {
        SetFileFaultHook(
            [&](FileStep s, const QString&, qint64, qint64*) { return s == failing ? EIO : 0; });
        const ReadResult read = ReadRegularFile(path, 1024);
        EXPECT_FALSE(read.bytes);
        EXPECT_EQ(read.error, QString::fromLocal8Bit(std::strerror(EIO)));
    }
}

}  // namespace
}  // namespace zarvelo::platform
