// Regular files only, read within a limit and replaced all or nothing, through POSIX calls.
#include "platform/SafeFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

namespace zarvelo::platform {

namespace {

FileFaultHook g_faultHook;

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

QString ErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The fault a test asks for at this step, or 0.
int Fault(FileStep step, const QString& path, qint64 offset = 0, qint64* length = nullptr) {
    if (!g_faultHook) return 0;
    qint64 unused = 0;
    return g_faultHook(step, path, offset, length ? length : &unused);
}

QString KindProblem(FileKind kind) {
    switch (kind) {
        case FileKind::Link:
            return QStringLiteral("A symbolic link lies there, not a regular file.");
        case FileKind::Directory: return QStringLiteral("A folder lies there, not a regular file.");
        case FileKind::Other:
            return QStringLiteral("A device, pipe or socket lies there, not a regular file.");
        case FileKind::Missing:
        case FileKind::Regular: break;
    }
    return QString();
}

FileKind KindOfMode(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISLNK(mode)) return FileKind::Link;
    if (S_ISDIR(mode)) return FileKind::Directory;
    return FileKind::Other;
}

// A new, empty file with a short name of its own in the directory (so that a long target name
// never makes it too long), or -1 with errno set.
int CreateBeside(const QString& directory, QString* created) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            QStringLiteral("%1/.zarvelo-%2.tmp")
                .arg(directory)
                .arg(QRandomGenerator::global()->generate() & 0xffffff, 6, 16, QLatin1Char('0'));
        if (const int fault = Fault(FileStep::Create, name)) {
            errno = fault;
            return -1;
        }
        const int fd = ::open(Native(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *created = name;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const QString& path, const QByteArray& bytes, int* error) {
    qint64 offset = 0;
    while (offset < bytes.size()) {
        qint64 length = bytes.size() - offset;
        if (const int fault = Fault(FileStep::Write, path, offset, &length)) {
            *error = fault;
            return false;
        }
        const ssize_t written =
            ::write(fd, bytes.constData() + offset, static_cast<size_t>(length));
        if (written < 0) {
            if (errno == EINTR) continue;
            *error = errno;
            return false;
        }
        offset += written;
    }
    return true;
}

}  // namespace

void SetFileFaultHook(FileFaultHook hook) { g_faultHook = std::move(hook); }

static FileKind KindOfFollowed(const QString& path) {
    struct stat st {};
    if (::stat(Native(path).constData(), &st) != 0) return FileKind::Missing;
    return KindOfMode(st.st_mode);
}

FileKind KindOf(const QString& path) {
    struct stat st {};
    if (::lstat(Native(path).constData(), &st) != 0) return FileKind::Missing;
    return KindOfMode(st.st_mode);
}

ReadResult ReadRegularFile(const QString& path, qint64 limit) {
    ReadResult result;
    // Looking first means a pipe or a device is never opened at all.
    if (const QString problem = KindProblem(KindOf(path)); !problem.isEmpty()) {
        result.error = problem;
        return result;
    }
    int fd = -1;
    if (const int fault = Fault(FileStep::Open, path)) {
        errno = fault;
    } else {
        fd = ::open(Native(path).constData(),
                    O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    }
    if (fd < 0) {
        result.error = ErrorText(errno);
        return result;
    }
    // Something may have taken the name's place since it was looked at.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result.error = KindProblem(FileKind::Other);
        ::close(fd);
        return result;
    }
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total < bytes.size()) {
        qint64 length = bytes.size() - total;
        ssize_t got = -1;
        if (const int fault = Fault(FileStep::Read, path, total, &length)) {
            errno = fault;
        } else {
            got = ::read(fd, bytes.data() + total, static_cast<size_t>(length));
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.error = ErrorText(errno);
            ::close(fd);
            return result;
        }
        if (got == 0) break;
        total += got;
    }
    ::close(fd);
    result.truncated = total > limit;
    bytes.truncate(std::min(total, limit));
    result.bytes = bytes;
    return result;
}

bool ReplaceRegularFile(const QString& path, const QByteArray& bytes, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    struct stat old {};
    const bool existed = ::lstat(Native(path).constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return fail(KindProblem(KindOfMode(old.st_mode)));

    const QString directory = QFileInfo(path).absolutePath();
    QString temporary;
    const int fd = CreateBeside(directory, &temporary);
    if (fd < 0) return fail(ErrorText(errno));
    // A replaced file keeps who may read it.
    if (existed) (void)::fchmod(fd, old.st_mode & 07777);

    int failure = 0;
    if (!WriteAll(fd, temporary, bytes, &failure)) {
    } else if ((failure = Fault(FileStep::Sync, temporary)) != 0) {
    } else if (::fsync(fd) != 0) {
        failure = errno;
    }
    // Some file systems report a failed write only when the file is closed.
    const int closeFault = Fault(FileStep::Close, temporary);
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (closeFault != 0 && failure == 0) failure = closeFault;
    QString why = failure != 0 ? ErrorText(failure) : QString();
    if (why.isEmpty()) why = KindProblem(KindOf(path));  // something took the name meanwhile
    if (why.isEmpty()) {
        failure = Fault(FileStep::Rename, path);
        if (failure == 0 && ::rename(Native(temporary).constData(), Native(path).constData()) != 0)
            failure = errno;
        if (failure != 0) why = ErrorText(failure);
    }
    if (!why.isEmpty()) {
        ::unlink(Native(temporary).constData());
        return fail(why);
    }
    // The new name is on the disk only once the folder is; the file itself already is, and a
    // folder that cannot be synced leaves nothing to undo.
    const int folder =
        Fault(FileStep::SyncFolder, directory) == 0
            ? ::open(Native(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
            : -1;
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool MakeFolder(const QString& path, QString* error) {
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    QString made;
    for (const QString& part : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        made += QLatin1Char('/') + part;
        const int fault = Fault(FileStep::MakeFolder, made);
        if (fault == 0 && ::mkdir(Native(made).constData(), 0777) == 0) continue;
        const int why = fault != 0 ? fault : errno;
        if (fault == 0 && why == EEXIST && KindOfFollowed(made) == FileKind::Directory) continue;
        if (error)
            *error = QStringLiteral("cannot create the folder %1: %2").arg(made, ErrorText(why));
        return false;
    }
    return true;
}

QString MoveAside(const QString& path, const QString& suffix, QString* error) {
    for (int n = 1; n < 1000; ++n) {
        const QString aside = path + suffix + (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (KindOf(aside) != FileKind::Missing) continue;
        const int fault = Fault(FileStep::Rename, aside);
        if (fault == 0 && ::rename(Native(path).constData(), Native(aside).constData()) == 0)
            return aside;
        if (error) *error = ErrorText(fault != 0 ? fault : errno);
        return QString();
    }
    if (error) *error = ErrorText(EEXIST);
    return QString();
}

bool CanCreateFilesIn(const QString& directory) {
    QString probe;
    const int fd = CreateBeside(directory, &probe);
    // A full disk is no reason to move the data for good: only a folder closed to writing is.
    if (fd < 0) return errno != EROFS && errno != EACCES && errno != EPERM;
    ::close(fd);
    ::unlink(Native(probe).constData());
    return true;
}

}  // namespace zarvelo::platform
