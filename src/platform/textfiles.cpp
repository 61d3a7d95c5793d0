#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cp932 {

namespace {
const char *const codecName = "windows-31j";
}

QString normalise(const QString &text)
{
    QString out = text;
    out.replace(QChar(0x301C), QChar(0xFF5E));
    out.replace(QChar(0x2212), QChar(0xFF0D));
    return out;
}

QByteArray encode(const QString &text, bool *ok)
{
    QStringEncoder encoder(codecName, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(normalise(text));
    if (ok)
        *ok = encoder.isValid() && !encoder.hasError();
    return bytes;
}

bool canEncode(const QString &text)
{
    bool ok = false;
    encode(text, &ok);
    return ok;
}

QString decode(const QByteArray &bytes, bool *ok)
{
    // Stateless, so that a lead byte cut off at the end of a file counts as
    // an error instead of being kept back for input that never comes.
    QStringDecoder decoder(codecName, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = decoder.isValid() && !decoder.hasError();
    return text;
}

} // namespace cp932

FileSystem::~FileSystem() = default;

std::optional<QByteArray> FileSystem::readAll(const QString &path) const
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

namespace {

void setReason(QString *error, const QString &step, int code)
{
    if (error)
        *error = step + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(code));
}

// A name beside the target that no other write uses now: a leading
// ".namiyose-tmp-", twelve letters or digits, "-" and the target's own name.
// Nobody names a file of their own that way, so a start-up after a crash
// can clear such leftovers without ever taking a player's file for one.
QByteArray freshTemporaryName(const QByteArray &target)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray name = target.left(slash + 1) + ".namiyose-tmp-";
    for (int i = 0; i < 12; ++i)
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return name + '-' + target.mid(slash + 1);
}

int openFresh(const QByteArray &target, QByteArray *name, mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = freshTemporaryName(target);
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeEvery(int fd, const QByteArray &bytes)
{
    const char *at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC; // a write that takes nothing will never finish
            return false;
        }
        at += n;
        left -= n;
    }
    return true;
}

bool syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return synced;
}

} // namespace

namespace {

// Writes bytes to a fresh temporary file beside target and proves them on
// the disk: every write, the size and the flush. The temporary's name comes
// back in temporary; on failure nothing is left and the reason is set.
bool writeTemporary(const QByteArray &target, const QByteArray &bytes, const struct stat *old,
                    QByteArray *temporary, QString *error)
{
    const int fd = openFresh(target, temporary, 0666);
    if (fd < 0) {
        setReason(error, QStringLiteral("create a temporary file"), errno);
        return false;
    }
    const auto fail = [&](const QString &step, bool open) {
        const int code = errno;
        if (open)
            ::close(fd);
        ::unlink(temporary->constData());
        setReason(error, step, code);
        return false;
    };
    // The new file takes the old one's permissions, as a replaced file should.
    if (old && S_ISREG(old->st_mode) && ::fchmod(fd, old->st_mode & 07777) != 0)
        return fail(QStringLiteral("keep the permissions"), true);
    if (!writeEvery(fd, bytes))
        return fail(QStringLiteral("write"), true);
    struct stat written {};
    if (::fstat(fd, &written) != 0)
        return fail(QStringLiteral("check the size"), true);
    if (written.st_size != off_t(bytes.size())) {
        errno = EIO;
        return fail(QStringLiteral("the file is not as long as written"), true);
    }
    if (::fsync(fd) != 0)
        return fail(QStringLiteral("flush to the disk"), true);
    if (::close(fd) != 0)
        return fail(QStringLiteral("close"), false);
    return true;
}

bool linksUnsupported(int code)
{
    return code == EPERM || code == EOPNOTSUPP || code == ENOSYS || code == EMLINK;
}

} // namespace

bool FileSystem::writeAll(const QString &path, const QByteArray &bytes, QString *error)
{
    // Every step is checked here: a buffered write that fails only when it
    // is flushed must never put an empty file in place of a player's data.
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());

    struct stat old {};
    const bool replacing = ::lstat(target.constData(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) {
        setReason(error, QStringLiteral("a folder stands where the file belongs"), EISDIR);
        return false;
    }

    QByteArray temporary;
    if (!writeTemporary(target, bytes, replacing ? &old : nullptr, &temporary, error))
        return false;
    const auto fail = [&](const QString &step) {
        const int code = errno;
        ::unlink(temporary.constData());
        setReason(error, step, code);
        return false;
    };

    // A second name for the old file, so that it can come back should the
    // folder refuse to record the rename.
    QByteArray keep;
    if (replacing) {
        bool linked = false;
        for (int attempt = 0; attempt < 100 && !linked; ++attempt) {
            keep = freshTemporaryName(target);
            linked = ::link(target.constData(), keep.constData()) == 0;
            if (!linked && errno != EEXIST)
                break;
        }
        // A file system without hard links (a memory stick) still saves,
        // only without that way back.
        if (!linked && linksUnsupported(errno))
            keep.clear();
        else if (!linked)
            return fail(QStringLiteral("keep the old file"));
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int code = errno;
        if (!keep.isEmpty())
            ::unlink(keep.constData());
        errno = code;
        return fail(QStringLiteral("replace the file"));
    }
    if (!syncFolder(folder)) {
        const int code = errno;
        if (!keep.isEmpty())
            ::rename(keep.constData(), target.constData());
        else
            ::unlink(target.constData());
        syncFolder(folder);
        setReason(error, QStringLiteral("record the new file in its folder"), code);
        return false;
    }
    if (!keep.isEmpty())
        ::unlink(keep.constData());
    return true;
}

bool FileSystem::createNew(const QString &path, const QByteArray &bytes, bool *taken, QString *error)
{
    if (taken)
        *taken = false;
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const auto takenAlready = [&] {
        if (taken)
            *taken = true;
        setReason(error, QStringLiteral("a file of that name is already there"), EEXIST);
        return false;
    };
    struct stat there {};
    if (::lstat(target.constData(), &there) == 0)
        return takenAlready();

    QByteArray temporary;
    if (!writeTemporary(target, bytes, nullptr, &temporary, error))
        return false;
    // A second name that only comes into being when the name is free: two
    // copies of the game claiming one name can never both have it.
    bool claimed = ::link(temporary.constData(), target.constData()) == 0;
    int code = claimed ? 0 : errno;
    if (claimed || !linksUnsupported(code)) {
        ::unlink(temporary.constData());
    } else {
        // No hard links here (a memory stick): a rename that never replaces.
        claimed = ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0;
        code = claimed ? 0 : errno;
        if (!claimed && code == EINVAL && ::lstat(target.constData(), &there) != 0) {
            // Not even that: the record file's lock keeps the game's own
            // copies apart, and the name was free a moment ago.
            claimed = ::rename(temporary.constData(), target.constData()) == 0;
            code = claimed ? 0 : errno;
        }
        if (!claimed)
            ::unlink(temporary.constData());
    }
    if (!claimed) {
        if (code == EEXIST)
            return takenAlready();
        setReason(error, QStringLiteral("claim the name"), code);
        return false;
    }
    if (!syncFolder(folder)) {
        code = errno;
        ::unlink(target.constData());
        syncFolder(folder);
        setReason(error, QStringLiteral("record the new file in its folder"), code);
        return false;
    }
    return true;
}

QString temporaryTarget(const QString &name)
{
    // This game's ".namiyose-tmp-" form, and the ".tmp-" and six letters or
    // digits after the target's name that its earlier versions wrote. Any
    // other name (a player's "チヌ記録.txt.backup") is nobody's temporary.
    static const QRegularExpression ours(QStringLiteral("^\\.namiyose-tmp-[A-Za-z0-9]{12}-(.+)$"));
    static const QRegularExpression earlier(QStringLiteral("^(.+)\\.tmp-[A-Za-z0-9]{6}$"));
    for (const QRegularExpression *shape : {&ours, &earlier}) {
        const QRegularExpressionMatch match = shape->match(name);
        if (match.hasMatch())
            return match.captured(1);
    }
    return QString();
}

QString freshTemporaryPath(const QString &target)
{
    return QFile::decodeName(freshTemporaryName(QFile::encodeName(target)));
}

bool FileSystem::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

bool FileSystem::isDirectory(const QString &path) const
{
    return QFileInfo(path).isDir();
}

bool FileSystem::makeDirectory(const QString &path)
{
    return QDir().mkpath(path);
}

bool FileSystem::copyFile(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to))
        QFile::remove(to);
    return QFile::copy(from, to);
}

bool FileSystem::removeFile(const QString &path)
{
    return QFile::remove(path);
}

bool FileSystem::linkFile(const QString &from, const QString &to, bool *unsupported)
{
    const bool linked = ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    if (unsupported)
        *unsupported = !linked && (errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS || errno == EMLINK);
    return linked;
}

bool FileSystem::renameFile(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QStringList FileSystem::listFiles(const QString &directory) const
{
    return QDir(directory).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

TextReadResult readTextLines(const FileSystem &fs, const QString &path)
{
    TextReadResult result;
    const std::optional<QByteArray> bytes = fs.readAll(path);
    if (!bytes)
        return result;
    result.found = true;
    const QString text = cp932::decode(*bytes, &result.validEncoding);
    if (text.isEmpty())
        return result;
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end after the last line
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    result.lines = lines;
    return result;
}

QByteArray textFileBytes(const QStringList &lines, bool *ok)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return cp932::encode(text, ok);
}

bool writeTextLines(FileSystem &fs, const QString &path, const QStringList &lines, QString *error)
{
    bool ok = false;
    const QByteArray bytes = textFileBytes(lines, &ok);
    if (!ok) {
        if (error)
            *error = QStringLiteral("encoding");
        return false;
    }
    return fs.writeAll(path, bytes, error);
}

FileLock FileSystem::lock(const QString &filePath, int waitMs)
{
    return FileLock(filePath, waitMs);
}
