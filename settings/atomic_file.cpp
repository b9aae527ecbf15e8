// SPDX-License-Identifier: MIT
#include "settings/atomic_file.h"

#include "settings/raw_bytes.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace erakon {

namespace {

// As many links as the system follows before it gives up (ELOOP).
constexpr int kMaxLinkDepth = 40;
constexpr int kTemporaryNameAttempts = 100;

QString systemError(int error) { return qt_error_string(error); }

QString notRegularReason() { return QStringLiteral("It is not a regular file."); }

QString tooLargeReason(qint64 maxSize)
{
    return QStringLiteral("It is larger than %1 MiB.").arg(maxSize / (1024 * 1024));
}

// Closes the descriptor when it goes out of scope.
class FileDescriptor final {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Q_DISABLE_COPY_MOVE(FileDescriptor)
    int get() const { return m_fd; }
    // Closes now and says whether the close reported an error (some file
    // systems report a failed write only here).
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.first(slash);
}

QString nameOf(const QString& path) { return path.sliced(path.lastIndexOf(u'/') + 1); }

struct ResolvedPath {
    QString path;
    std::optional<QString> error;
};

// The file a chain of links at path ends in (path itself when it is no link).
// The end may not exist: a link that points nowhere is written through, as
// the shell would.
ResolvedPath followLinks(QString path)
{
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        const QByteArray encoded = encodeFileName(path);
        struct stat status {};
        if (::lstat(encoded.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return {path, std::nullopt};
        QByteArray target(qsizetype(status.st_size > 0 ? status.st_size : PATH_MAX) + 1, Qt::Uninitialized);
        const ssize_t length = ::readlink(encoded.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            return {path, systemError(errno)};
        if (length >= target.size()) // the link changed since: too long for what was read
            return {path, systemError(ENAMETOOLONG)};
        target.truncate(length);
        const QString next = decodeFileName(target);
        path = next.startsWith(u'/') ? next : folderOf(path) + u'/' + next;
    }
    return {path, systemError(ELOOP)};
}

bool writeAll(int fd, const QByteArray& content)
{
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A new, empty file beside finalPath, made with the default mode less the
// umask (as any new file is), under a hidden name no one else holds.
int createTemporaryFile(const QString& finalPath, QByteArray& temporaryName)
{
    const QString stem = folderOf(finalPath) + QStringLiteral("/.") + nameOf(finalPath) + u'.';
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporaryName = encodeFileName(stem + QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

FileContent readRegularFile(const QString& path, qint64 maxSize)
{
    system::RegularFile file = system::readRegularFile(encodeFileName(path).toStdString(), std::size_t(maxSize));
    FileContent content{file.outcome, QByteArray(file.bytes.data(), qsizetype(file.bytes.size())), {}};
    switch (file.outcome) {
    case FileContent::Outcome::Read:
    case FileContent::Outcome::Missing: break;
    case FileContent::Outcome::NotRegular: content.reason = notRegularReason(); break;
    case FileContent::Outcome::TooLarge: content.reason = tooLargeReason(maxSize); break;
    case FileContent::Outcome::Failed: content.reason = systemError(file.error); break;
    }
    return content;
}

bool fileExists(const QString& path) { return system::pathExists(encodeFileName(path).toStdString()); }

bool pathIsTaken(const QString& path)
{
    struct stat status {};
    return ::lstat(encodeFileName(path).constData(), &status) == 0;
}

std::optional<QString> makeFolders(const QString& path)
{
    const QByteArray encoded = encodeFileName(path);
    // Each folder from the top down; those already there are passed over.
    for (qsizetype from = 1;;) {
        const qsizetype slash = encoded.indexOf('/', from);
        const QByteArray folder = slash < 0 ? encoded : encoded.first(slash);
        if (!folder.isEmpty() && ::mkdir(folder.constData(), 0777) != 0 && errno != EEXIST)
            return systemError(errno);
        if (slash < 0)
            break;
        from = slash + 1;
    }
    struct stat status {};
    if (::stat(encoded.constData(), &status) != 0)
        return systemError(errno);
    if (!S_ISDIR(status.st_mode))
        return systemError(ENOTDIR);
    return std::nullopt;
}

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& content,
                                           const ReplaceOptions& options)
{
    const ResolvedPath resolved = options.links == LinkHandling::WriteThrough ? followLinks(path)
                                                                              : ResolvedPath{path, std::nullopt};
    if (resolved.error)
        return resolved.error;
    const QString& finalPath = resolved.path;
    const QByteArray finalName = encodeFileName(finalPath);

    // What stands there now: its owner, group and mode go over to the new file.
    struct stat old {};
    bool replacing = true;
    if (::lstat(finalName.constData(), &old) != 0) {
        if (errno != ENOENT)
            return systemError(errno);
        replacing = false;
    }
    if (replacing && options.links == LinkHandling::WriteThrough && !S_ISREG(old.st_mode))
        return notRegularReason();
    if (replacing && S_ISDIR(old.st_mode))
        return systemError(EISDIR);

    QByteArray temporaryName;
    FileDescriptor file(createTemporaryFile(finalPath, temporaryName));
    if (file.get() < 0)
        return systemError(errno);
    const auto fail = [&temporaryName](int error) -> std::optional<QString> {
        ::unlink(temporaryName.constData());
        return systemError(error);
    };

    // Every byte on disk before the file takes the old one's place: a full
    // disk or a crash leaves the old file whole.
    if (!writeAll(file.get(), content) || ::fsync(file.get()) != 0)
        return fail(errno);
    if (replacing) {
        const auto changeOwner = options.changeOwner ? options.changeOwner : ::fchown;
        // Refused only to a user who does not own the old file; the file
        // can then only become theirs.
        (void)changeOwner(file.get(), old.st_uid, old.st_gid);
    }
    // After the owner: a change of owner clears the set-id bits.
    const std::optional<mode_t> mode = options.mode
        ? options.mode
        : (replacing && S_ISREG(old.st_mode) ? std::optional<mode_t>(old.st_mode & 07777) : std::nullopt);
    if (mode && ::fchmod(file.get(), *mode) != 0)
        return fail(errno);
    if (file.close() != 0)
        return fail(errno);
    // rename() acts on the name itself: a link there is replaced, never followed.
    if (::rename(temporaryName.constData(), finalName.constData()) != 0)
        return fail(errno);
    return std::nullopt;
}

std::optional<QString> removeEntry(const QString& path)
{
    if (::unlink(encodeFileName(path).constData()) != 0)
        return systemError(errno);
    return std::nullopt;
}

} // namespace erakon
