#include "harness.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

// The files live in memory, but the locks that keep two copies of the game
// apart are real: the data folder exists on disk, empty but for them.
QString root()
{
    static const QString path = [] {
        static QTemporaryDir dir;
        QDir().mkpath(dir.path() + QStringLiteral("/game/bin/fishingdata"));
        return dir.path();
    }();
    return path;
}

} // namespace

QString appDir()
{
    return root() + QStringLiteral("/game/bin");
}

QString dataDir()
{
    return root() + QStringLiteral("/game/bin/fishingdata");
}

QStringList filesOutsideDataDir()
{
    return { appDir() + QStringLiteral("/namiyose"), appDir() + QStringLiteral("/説明.txt"),
             root() + QStringLiteral("/game/外1/日記.txt"), appDir() + QStringLiteral("/fishingdata2/釣り人.txt") };
}

Parts::Parts(const uint8_t *data, size_t size)
{
    m_parts = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).split('\x1e');
    for (QByteArray &part : m_parts)
        part.detach(); // the fuzzer's buffer is gone after the run
}

FilePart filePart(const QByteArray &part)
{
    const qsizetype cut = part.indexOf('\x1f');
    if (cut < 0)
        return { QString::fromUtf8(part), {} };
    return { QString::fromUtf8(part.left(cut)), part.mid(cut + 1) };
}

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

void fail(const char *promise, const QString &detail)
{
    std::fprintf(stderr, "namiyose fuzz: broken promise: %s%s%s\n", promise, detail.isEmpty() ? "" : ": ",
                 detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

bool strict()
{
    static const bool on = qEnvironmentVariableIntValue("NAMIYOSE_FUZZ_STRICT") != 0;
    return on;
}

} // namespace fuzz

#include "records/recordline.h"

namespace fuzz {

qsizetype indexOfDay(const QStringList &lines, const QString &day, qsizetype from)
{
    for (qsizetype i = from; i < lines.size(); ++i) {
        const std::optional<RecordLine> parsed = RecordLine::parse(lines.at(i));
        if (parsed && parsed->text() == day)
            return i;
    }
    return -1;
}

} // namespace fuzz
