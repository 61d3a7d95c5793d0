#include "anglerlist.h"

#include "datafolder/datafolder.h"
#include "platform/filelock.h"
#include "platform/textfiles.h"
#include "prep/settingsrules.h"

#include <QDir>

namespace {

// A name as the list offers it: the blanks around it are not part of it.
QString nameOf(const QString &line)
{
    return line.trimmed();
}

// A line that the settings screen would refuse as a typed name (bytes that
// were not CP932, "..", a data file's own name, a mark that splits paths) is
// never offered: it could name a folder outside the data folder or block
// every save. It stays in the file as it is.
bool isOffered(const QString &name)
{
    for (const QChar c : name)
        if (c == QChar::ReplacementCharacter)
            return false;
    return settings::checkAnglerName(name).problem == settings::NameProblem::None;
}

} // namespace

QString anglerListPath(const QString &dataDir)
{
    return QDir(dataDir).filePath(QStringLiteral("釣り人.txt"));
}

QStringList readAnglerNames(const FileSystem &fs, const QString &dataDir)
{
    if (!datafolder::mayRead(dataDir, anglerListPath(dataDir)))
        return {};
    const TextReadResult file = readTextLines(fs, anglerListPath(dataDir));
    if (!file.found || file.lines.isEmpty())
        return {};
    bool numeric = false;
    const int count = file.lines.first().trimmed().toInt(&numeric);
    const int available = int(file.lines.size()) - 1;
    // A negative count is no count at all: every name that follows is read,
    // as for a count that is not a number.
    const int n = numeric && count >= 0 ? qMin(count, available) : available;
    QStringList names;
    for (int i = 1; i <= n; ++i) {
        const QString name = nameOf(file.lines.at(i));
        if (isOffered(name))
            names << name;
    }
    return names;
}

QStringList anglerListLines(const QStringList &names)
{
    QStringList lines;
    lines.reserve(names.size() + 1);
    lines << QLatin1Char(' ') + QString::number(names.size()) + QLatin1Char(' ');
    lines << names;
    return lines;
}

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

// The list as it stands in the file: the lines as bytes, cut at LF (never a
// byte of a CP932 character) without the CR before it.
struct RawList
{
    bool countFirst = false; // line 1 is a count: it is rewritten to tell the lines
    int count = 0; // what that count says (the readers offer no name beyond it)
    QByteArray head; // line 1 when it is not a count: kept as it is
    QList<QByteArray> lines; // every line after line 1, untouched
};

RawList rawList(const QByteArray &bytes)
{
    RawList list;
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (lines.isEmpty()) {
        list.countFirst = true; // an empty list gets its count line
        return list;
    }
    // A count is digits between ASCII blanks; any other byte there (even
    // one a Latin-1 reading would call a blank) makes it a line we keep.
    bool numeric = false;
    list.count = lines.first().trimmed().toInt(&numeric);
    list.countFirst = numeric;
    if (!numeric)
        list.head = lines.first(); // readers then take every line after it
    lines.removeFirst();
    list.lines = lines;
    return list;
}

// Where the list holds the name among the lines after line 1, or -1.
qsizetype indexOfName(const RawList &list, const QString &name)
{
    for (qsizetype i = 0; i < list.lines.size(); ++i) {
        bool ok = false;
        const QString text = cp932::decode(list.lines.at(i), &ok);
        if (ok && nameOf(text) == name)
            return i;
    }
    return -1;
}

QByteArray listBytes(const RawList &list)
{
    QByteArray out = list.countFirst ? " " + QByteArray::number(list.lines.size()) + " " : list.head;
    out += lineEnd;
    for (const QByteArray &line : list.lines)
        out += line + lineEnd;
    return out;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

enum class Merge { NothingNew, Written, Failed };

// Adds the names the file does not hold yet at its end, under the list's
// lock and from the file as it is now: a name another copy of the game added
// meanwhile stays, and so does every line this reader does not understand.
Merge mergeNames(FileSystem &fs, const QString &dataDir, const QStringList &names, QString *error)
{
    QList<QByteArray> encoded;
    for (const QString &name : names) {
        bool ok = false;
        encoded << cp932::encode(name, &ok);
        if (!ok || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) {
            setError(error, QStringLiteral("encoding"));
            return Merge::Failed;
        }
    }
    const QString path = anglerListPath(dataDir);
    // Every name listed already: nothing to write, so no lock either (a full
    // disk cannot make one, and crossing must not fail for that).
    const auto listsAll = [&](const RawList &list) {
        for (const QString &name : names) {
            const qsizetype at = indexOfName(list, name);
            if (at < 0 || (list.countFirst && list.count >= 0 && at >= list.count))
                return false;
        }
        return true;
    };
    if (fs.exists(path) && datafolder::mayRead(dataDir, path)) {
        const std::optional<QByteArray> bytes = fs.readAll(path);
        if (bytes && listsAll(rawList(*bytes)))
            return Merge::NothingNew;
    }
    if (!fs.isDirectory(dataDir))
        fs.makeDirectory(dataDir);
    const FileLock lock = fs.lock(path);
    if (!lock.locked()) {
        setError(error, lock.error());
        return Merge::Failed;
    }
    RawList list;
    if (fs.exists(path)) {
        const std::optional<QByteArray> bytes
            = datafolder::mayRead(dataDir, path) ? fs.readAll(path) : std::nullopt;
        if (!bytes) {
            // Never replace a list we could not read: every angler would go.
            setError(error, QStringLiteral("the angler list exists but cannot be read"));
            return Merge::Failed;
        }
        list = rawList(*bytes);
    } else {
        list.countFirst = true;
    }
    // A name listed beyond a count that falls short would never be offered:
    // counting the lines brings it back.
    if (listsAll(list))
        return Merge::NothingNew;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (indexOfName(list, names[i]) < 0)
            list.lines << encoded[i];
    return fs.writeAll(path, listBytes(list), error) ? Merge::Written : Merge::Failed;
}

} // namespace

bool writeAnglerNames(FileSystem &fs, const QString &dataDir, const QStringList &names, QString *error)
{
    return mergeNames(fs, dataDir, names, error) != Merge::Failed;
}

AnglerAdded addAnglerName(FileSystem &fs, const QString &dataDir, QStringList &names, const QString &name,
                          QString *error)
{
    const Merge merged = mergeNames(fs, dataDir, {name}, error);
    if (merged == Merge::NothingNew)
        return AnglerAdded::AlreadyListed;
    if (!names.contains(name))
        names << name;
    return merged == Merge::Written ? AnglerAdded::Added : AnglerAdded::NotWritten;
}
