#include "datafiles.h"

#include "datafolder/datafolder.h"
#include "platform/filelock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

namespace datafiles {

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

// The lines of a file as bytes: cut at LF (never a byte of a CP932
// double-byte character), without the CR before it, without the empty
// piece after a final line end.
QList<QByteArray> byteLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

bool isBlank(QStringView text)
{
    return text.trimmed().isEmpty();
}

// Decodes CP932 text (a line, or a whole file). Text holding bytes that
// are not CP932 (or a lead byte cut off at its end) is marked with U+FFFD,
// so such a line is never blank and never a saved day, while its bytes stay
// in the file.
QString decodeText(const QByteArray &raw, bool *ok = nullptr)
{
    // A fresh stateless decoder each time: a spent one may keep its error,
    // and a stateful one swallows a lead byte at the end without a word.
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(raw);
    const bool good = decoder.isValid() && !decoder.hasError();
    if (!good) {
        const QChar replacement(0xFFFD);
        text.replace(QChar(0x1A), replacement); // the toolkit's substitute for a bad byte
        if (!text.contains(replacement))
            text.append(replacement);
    }
    if (ok)
        *ok = good;
    return text;
}

// The decoded lines of a file. Bytes that are not CP932 spoil only the line
// they stand in. A very large file is decoded line by line: the converter
// cannot take a gigabyte at once, and that is no fault of the file's.
QStringList textLines(const QByteArray &bytes, bool *validEncoding)
{
    constexpr qsizetype WholeUpTo = 64 * 1024 * 1024;
    QStringList lines;
    if (bytes.size() <= WholeUpTo) {
        bool ok = false;
        const QString whole = decodeText(bytes, &ok);
        if (ok) {
            if (validEncoding)
                *validEncoding = true;
            if (whole.isEmpty())
                return lines;
            lines = whole.split(QLatin1Char('\n'));
            if (lines.last().isEmpty())
                lines.removeLast();
            for (QString &line : lines)
                if (line.endsWith(QLatin1Char('\r')))
                    line.chop(1);
            return lines;
        }
    }
    const QList<QByteArray> raw = byteLines(bytes);
    lines.reserve(raw.size());
    bool all = true;
    for (const QByteArray &line : raw) {
        bool ok = false;
        lines.append(decodeText(line, &ok));
        all = all && ok;
    }
    if (validEncoding)
        *validEncoding = all;
    return lines;
}

bool isCountLine(QStringView line)
{
    const QStringView digits = line.trimmed();
    if (digits.isEmpty())
        return false;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

int countValue(QStringView line)
{
    return int(std::min<qint64>(numberformat::Val(line), 32767));
}

bool holdsLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n'));
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// A day file's path, checked to stay inside the data folder: nothing for a
// name from a hostile list line or a planted link.
std::optional<QString> dayFilePath(const QString &dataDir, const QString &angler, const QString &fileName,
                                   datafolder::Use use)
{
    return datafolder::pathFor(dataDir, {angler, fileName}, use);
}

} // namespace

QString DataDirectory(const QString &appDir)
{
    return QDir(appDir).filePath(QStringLiteral("fishingdata"));
}

QString RecordFileName()
{
    return QStringLiteral("チヌ記録.txt");
}

QString RecordFilePath(const QString &dataDir)
{
    return QDir(dataDir).filePath(RecordFileName());
}

QString AnglerDirectory(const QString &dataDir, const QString &angler)
{
    return datafolder::pathFor(dataDir, {angler}, datafolder::Use::Write).value_or(QString());
}

bool EnsureDirectory(FileSystem &fs, const QString &path)
{
    if (path.isEmpty())
        return false;
    if (fs.isDirectory(path))
        return true;
    fs.makeDirectory(path);
    return fs.isDirectory(path);
}

RecordFile ReadRecordFile(const FileSystem &fs, const QString &dataDir)
{
    RecordFile file;
    const QString path = RecordFilePath(dataDir);
    if (!fs.exists(path))
        return file;
    file.found = true;
    const std::optional<QByteArray> bytes
        = datafolder::mayRead(dataDir, path) ? fs.readAll(path) : std::nullopt;
    if (!bytes) {
        file.readable = false;
        return file;
    }
    const QStringList lines = textLines(*bytes, &file.validEncoding);
    file.lines.reserve(lines.size());
    bool first = true;
    for (const QString &line : lines) {
        if (isBlank(line))
            continue;
        if (first && isCountLine(line)) {
            file.hasCountLine = true;
            file.declaredCount = countValue(line);
        } else {
            file.lines.append(line);
        }
        first = false;
    }
    return file;
}

QString FormatRecordLine(const QString &stamp, qint64 longest, int raft, qint64 count, qint64 total,
                         const QString &angler)
{
    return QStringLiteral("記録") + stamp + numberformat::Format(longest, u"0#") + QString::number(raft)
        + numberformat::Format(count, u"00#") + numberformat::Format(total, u"000#") + angler;
}

RecordFileLines SplitRecordFile(const QByteArray &bytes)
{
    RecordFileLines file;
    // Both cut at the same LF bytes, so they pair line for line.
    const QList<QByteArray> raw = byteLines(bytes);
    const QStringList text = textLines(bytes, &file.validEncoding);
    Q_ASSERT(raw.size() == text.size());
    bool first = true;
    for (qsizetype i = 0; i < raw.size() && i < text.size(); ++i) {
        if (isBlank(text[i]))
            continue;
        if (!(first && isCountLine(text[i]))) {
            file.raw.append(raw[i]);
            file.text.append(text[i]);
        }
        first = false;
    }
    return file;
}

QByteArray RecordFileBytes(const QList<QByteArray> &lines)
{
    QByteArray out = QByteArray::number(lines.size()) + lineEnd;
    for (const QByteArray &raw : lines)
        out += raw + lineEnd;
    return out;
}

bool AddRecordLine(FileSystem &fs, const QString &dataDir, const QString &line, QString *error)
{
    // Another copy of the game may save at the same moment: the file is read
    // and replaced under its lock, so the other copy's line is read here.
    const FileLock lock = fs.lock(RecordFilePath(dataDir));
    if (!lock.locked()) {
        setError(error, lock.error());
        return false;
    }
    return AddRecordLineHeld(fs, dataDir, line, error);
}

bool AddRecordLineHeld(FileSystem &fs, const QString &dataDir, const QString &line, QString *error)
{
    bool encoded = false;
    const QByteArray newLine = cp932::encode(line, &encoded);
    if (!encoded || holdsLineBreak(line)) {
        setError(error, QStringLiteral("the record line cannot be written in CP932"));
        return false;
    }
    const QString path = RecordFilePath(dataDir);
    // The old lines go back byte for byte: a line this program cannot read
    // is still somebody's day.
    QList<QByteArray> lines{newLine};
    if (fs.exists(path)) {
        const std::optional<QByteArray> bytes
            = datafolder::mayRead(dataDir, path) ? fs.readAll(path) : std::nullopt;
        if (!bytes) {
            // Never replace a file we could not read: that would lose every day in it.
            setError(error, QStringLiteral("the record file exists but cannot be read"));
            return false;
        }
        lines.append(SplitRecordFile(*bytes).raw);
    }
    return fs.writeAll(path, RecordFileBytes(lines), error);
}

bool RewriteRecordFile(FileSystem &fs, const QString &dataDir, const QStringList &lines, QString *error)
{
    QList<QByteArray> raw;
    raw.reserve(lines.size());
    for (const QString &line : lines) {
        if (holdsLineBreak(line)) {
            setError(error, QStringLiteral("a record line holds a line break"));
            return false;
        }
        bool encoded = false;
        raw.append(cp932::encode(line, &encoded));
        if (!encoded) {
            setError(error, QStringLiteral("a record line cannot be written in CP932"));
            return false;
        }
    }
    const QString path = RecordFilePath(dataDir);
    const FileLock lock = fs.lock(path);
    if (!lock.locked()) {
        setError(error, lock.error());
        return false;
    }
    return fs.writeAll(path, RecordFileBytes(raw), error);
}

QString DayFileName(const QString &stamp, qint64 count, const QString &raftName)
{
    return stamp + numberformat::Format(count, u"00#") + raftName + QStringLiteral(".txt");
}

namespace {

// The bytes of a day file, or nothing (with the reason) when its lines
// cannot be written.
std::optional<QByteArray> dayFileBytes(const QString &raftName, const QStringList &entries, QString *error)
{
    QStringList lines{raftName};
    lines.append(entries);
    for (const QString &line : std::as_const(lines))
        if (holdsLineBreak(line)) {
            setError(error, QStringLiteral("a line of the day holds a line break"));
            return std::nullopt;
        }
    bool encoded = false;
    const QByteArray bytes = textFileBytes(lines, &encoded);
    if (!encoded) {
        setError(error, QStringLiteral("a line of the day cannot be written in CP932"));
        return std::nullopt;
    }
    return bytes;
}

// Whether a file already holds exactly these bytes: the same save tried
// again after its record line could not be written.
bool holdsAlready(const FileSystem &fs, const QString &path, const QByteArray &bytes)
{
    const std::optional<QByteArray> there = fs.readAll(path);
    return there && *there == bytes;
}

} // namespace

bool WriteDayFile(FileSystem &fs, const QString &dataDir, const QString &angler, const QString &fileName,
                  const QString &raftName, const QStringList &entries, QString *error)
{
    const std::optional<QString> path = dayFilePath(dataDir, angler, fileName, datafolder::Use::Write);
    if (!path) {
        setError(error, QStringLiteral("the day file would lie outside the data folder"));
        return false;
    }
    const std::optional<QByteArray> bytes = dayFileBytes(raftName, entries, error);
    if (!bytes)
        return false;
    // Another day's file is never replaced; the very same day, saved again,
    // is already there.
    bool taken = false;
    if (fs.createNew(*path, *bytes, &taken, error))
        return true;
    return taken && holdsAlready(fs, *path, *bytes);
}

QStringList ListDayFiles(const FileSystem &fs, const QString &dataDir, const QString &angler)
{
    const std::optional<QString> dir = datafolder::pathFor(dataDir, {angler});
    if (!dir || !fs.isDirectory(*dir))
        return {};
    QStringList names;
    // Only the day files: a stray temporary file of an interrupted save is
    // not a day, and a link leading out of the data folder is no day either.
    for (const QString &name : fs.listFiles(*dir))
        if (name.endsWith(QStringLiteral(".txt")) && dayFilePath(dataDir, angler, name, datafolder::Use::Read))
            names.append(name);
    std::sort(names.begin(), names.end());
    return names;
}

DayFile ReadDayFile(const FileSystem &fs, const QString &dataDir, const QString &angler, const QString &fileName)
{
    DayFile file;
    const std::optional<QString> path = dayFilePath(dataDir, angler, fileName, datafolder::Use::Read);
    if (!path)
        return file;
    const std::optional<QByteArray> bytes = fs.readAll(*path);
    if (!bytes)
        return file;
    file.found = true;
    QStringList lines = textLines(*bytes, &file.validEncoding);
    const qint64 count = ReadDayFileNameLeniently(fileName).count;
    if (lines.size() > count + 1)
        lines.erase(lines.begin() + qsizetype(count + 1), lines.end());
    for (QString &line : lines) {
        qsizetype skip = 0;
        while (skip < line.size() && line[skip] == QLatin1Char(' '))
            ++skip;
        line.remove(0, skip);
    }
    file.lines = lines;
    return file;
}

DayFileDeletion DeleteDayFile(FileSystem &fs, const QString &dataDir, const QString &angler, const QString &fileName)
{
    using Outcome = DayFileDeletion::Outcome;
    using Why = DayFileDeletion::Why;
    const std::optional<QString> path = dayFilePath(dataDir, angler, fileName, datafolder::Use::Write);
    if (!path || fs.isDirectory(*path))
        return {Outcome::Refused};
    if (!fs.exists(*path))
        return {Outcome::AlreadyGone};
    errno = 0;
    if (fs.removeFile(*path))
        return {Outcome::Deleted};
    const int error = errno;
    // Gone all the same: another copy of the game deleted it meanwhile.
    if (!fs.exists(*path))
        return {Outcome::AlreadyGone};
    switch (error) {
    case EROFS:
        return {Outcome::Failed, Why::ReadOnlyDisk};
    case EACCES:
    case EPERM:
        return {Outcome::Failed, Why::NotAllowed};
    case EBUSY:
    case ETXTBSY:
        return {Outcome::Failed, Why::InUse};
    default:
        return {Outcome::Failed, Why::Unknown};
    }
}

} // namespace datafiles
