#include "textfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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

bool FileSystem::writeAll(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
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
