#include "settingsrules.h"

#include "mainscreen/rafts.h"
#include "platform/random.h"
#include "platform/textfiles.h"
#include "settingstexts.h"

#include <QCoreApplication>
#include <QFile>

namespace settings {

TideHours tideHoursFor(int x)
{
    TideHours hours;
    hours.firstHigh = x;
    hours.secondHigh = x + 12;
    const int low1 = x + 6;
    const int low2 = x + 18 <= 24 ? x + 18 : x - 6;
    hours.earlierLow = qMin(low1, low2);
    hours.laterLow = qMax(low1, low2);
    return hours;
}

TideHours drawTideHours(RandomSource &random)
{
    return tideHoursFor(random.draw(12));
}

QString endHourOf(const QString &endTime)
{
    return endTime.left(2);
}

int dayMinutesFor(const QString &endTime)
{
    bool ok = false;
    const int hour = endHourOf(endTime).toInt(&ok);
    return ok ? (hour - 7) * 60 : 0;
}

QString cleanAnglerName(const QString &typed)
{
    return cp932::normalise(typed.trimmed());
}

bool isDataFileName(const QString &name)
{
    // Full-width letters and dots, half-width kana and capitals all fold to
    // one form, as they do on the disks that ignore case.
    QString folded = name.normalized(QString::NormalizationForm_KC).toCaseFolded();
    // The game's own hidden files: temporaries, the folder's claim, a save
    // under way.
    if (folded.startsWith(QStringLiteral(".namiyose-")))
        return true;
    if (folded.startsWith(QLatin1Char('.')))
        folded.remove(0, 1); // a hidden temporary copy
    static const QString ownFiles[] = {
        QStringLiteral("チヌ記録.txt"),
        QStringLiteral("釣り人.txt"),
        QStringLiteral("namiyose-log.sqlite"),
    };
    for (const QString &file : ownFiles) {
        if (folded == file)
            return true;
        // "….bak", "….lock", a temporary "….XXXXXX", the log's "-wal",
        // "-shm" and "-journal".
        if (folded.size() > file.size() && folded.startsWith(file)) {
            const QChar next = folded.at(file.size());
            if (next == QLatin1Char('.') || next == QLatin1Char('-') || next == QLatin1Char('~'))
                return true;
        }
    }
    return false;
}

NameCheck checkAnglerName(const QString &name)
{
    if (name.isEmpty())
        return { NameProblem::Empty, {} };
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return { NameProblem::DotName, name };
    if (name == QStringLiteral("すべて"))
        return { NameProblem::AllAnglersWord, name };
    if (isDataFileName(name))
        return { NameProblem::DataFileName, name };
    static const QString marks = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name)
        if (marks.contains(c))
            return { NameProblem::ForbiddenMark, QString(c) };
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return { NameProblem::ControlCharacter, {} };
    // Whole characters, so that a character outside the basic plane is
    // named as it was typed.
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype length = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString character = name.mid(i, length);
        if (!cp932::canEncode(character))
            return { NameProblem::NotInCodePage, character };
        // Some characters are written as a code that reads back as another
        // (U+F86F comes back as №): the list would then name a folder that
        // does not exist.
        if (cp932::decode(cp932::encode(character)) != cp932::normalise(character))
            return { NameProblem::NotInCodePage, character };
        i += length;
    }
    // A folder name holds at most 255 bytes on the disks the game runs on.
    if (QFile::encodeName(name).size() > 255)
        return { NameProblem::TooLong, {} };
    return {};
}

QString nameProblemMessage(const NameCheck &check)
{
    const auto say = [&check](const char *message) {
        return QCoreApplication::translate("Settings", message).arg(check.character);
    };
    switch (check.problem) {
    case NameProblem::None:
        return {};
    case NameProblem::Empty:
        return settingstexts::MsgEnterName();
    case NameProblem::DotName:
        return say(QT_TRANSLATE_NOOP("Settings", "「%1」は釣り人名には使えません。\n別の名前を入力してください。"));
    case NameProblem::AllAnglersWord:
        return say(QT_TRANSLATE_NOOP("Settings", "「%1」は記録の画面で釣り人全員を表す言葉なので、釣り人名には使えません。"
                                                 "\n別の名前を入力してください。"));
    case NameProblem::DataFileName:
        return say(QT_TRANSLATE_NOOP("Settings", "「%1」は釣りの記録を収めるファイルの名前なので、釣り人名には使えません。"
                                                 "\n別の名前を入力してください。"));
    case NameProblem::ForbiddenMark:
        return say(QT_TRANSLATE_NOOP("Settings", "釣り人名に記号「%1」は使えません。"
                                                 "\n/ \\ : * ? \" < > | の記号は使わずに入力してください。"));
    case NameProblem::ControlCharacter:
        return QCoreApplication::translate("Settings",
                                           "釣り人名に使えない見えない文字が入っています。\n別の名前を入力してください。");
    case NameProblem::TooLong:
        return QCoreApplication::translate("Settings", "釣り人名が長すぎます。\n短い名前を入力してください。");
    case NameProblem::NotInCodePage:
        return say(QT_TRANSLATE_NOOP("Settings", "釣り人名の「%1」は釣りの記録に書けない文字です。"
                                                 "\n別の名前を入力してください。"));
    }
    return {};
}

QString crossingRefusal(int spotNo, const QString &targetFish, const QString &endTime,
                        const QString &anglerName)
{
    if (!rafts::byNumber(spotNo))
        return settingstexts::MsgChooseSpot();
    if (targetFish.isEmpty())
        return settingstexts::MsgChooseFish();
    if (endTime.isEmpty())
        return settingstexts::MsgChooseEnd();
    return nameProblemMessage(checkAnglerName(cleanAnglerName(anglerName)));
}

} // namespace settings
