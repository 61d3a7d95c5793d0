#include "anglerlist.h"

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

bool writeAnglerNames(FileSystem &fs, const QString &dataDir, const QStringList &names, QString *error)
{
    if (!fs.isDirectory(dataDir))
        fs.makeDirectory(dataDir);
    return writeTextLines(fs, anglerListPath(dataDir), anglerListLines(names), error);
}

AnglerAdded addAnglerName(FileSystem &fs, const QString &dataDir, QStringList &names, const QString &name,
                          QString *error)
{
    if (readAnglerNames(fs, dataDir).contains(name))
        return AnglerAdded::AlreadyListed;
    if (!names.contains(name))
        names << name;
    return writeAnglerNames(fs, dataDir, names, error) ? AnglerAdded::Added : AnglerAdded::NotWritten;
}
