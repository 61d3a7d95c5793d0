#include "daylog/daylog.h"

#include "datafolder/datafolder.h"
#include "platform/dialogs.h"
#include "records/datafiles.h"
#include "state/gamestate.h"

#include <QDateTime>
#include <QFile>
#include <QCoreApplication>
#include <QFileInfo>

namespace daylog {
namespace {

QString caption() { return QCoreApplication::translate("DayLog", "ナミヨセ　ＭＯＫＵ　KT-93"); }

QString savedAnyway() { return QCoreApplication::translate("DayLog", "釣果のファイルは保存されています。"); }

} // namespace

DayLog::DayLog(GameState &state, Dialogs &dialogs)
    : m_state(state)
    , m_dialogs(dialogs)
{
}

DayLog::~DayLog() = default;

void DayLog::beginDay(const LoggedDay &header)
{
    m_today = header;
    m_today.id = 0;
    m_today.dayFileName.clear();
    m_today.events.clear();
    m_dayBegun = true;
}

void DayLog::dayEvent(const DayEvent &event)
{
    if (m_dayBegun)
        m_today.events.push_back(event);
}

QString DayLog::dataDir() const
{
    return m_state.DataDir.isEmpty() ? datafiles::DataDirectory(m_state.AppDir) : m_state.DataDir;
}

QString DayLog::path() const
{
    return DayLogStore::pathIn(dataDir());
}

bool DayLog::daySaved(const QString &dayFileName)
{
    if (!m_dayBegun)
        return false;
    m_today.dayFileName = dayFileName;
    DayLogStore *s = store();
    if (!s)
        return false;
    const qint64 id = s->saveDay(m_today);
    if (id <= 0) {
        tellOnce(QCoreApplication::translate("DayLog", "釣行記録を書き込めませんでした。") + QStringLiteral("\n\n") + savedAnyway()
                 + QStringLiteral("\n") + s->lastError());
        return false;
    }
    m_today.id = id;
    return true;
}

DayLog::Forgetting DayLog::dayDeleted(const QString &angler, const QString &dayFileName)
{
    Forgetting result;
    if (dayFileName.isEmpty())
        return result;
    // A day file that is still there keeps its log. The reading gate finds
    // it through a link that stays inside the data folder too; a path it
    // does not let through may still lead to the file, so that log stays.
    const std::optional<QString> file =
        datafolder::pathFor(dataDir(), {angler, dayFileName}, datafolder::Use::Read);
    if (!file || QFileInfo::exists(*file) || QFileInfo(*file).isSymLink()) {
        result.words = QCoreApplication::translate("DayLog", "この日のファイルがまだあります。");
        return result;
    }
    if (m_today.angler == angler && m_today.dayFileName == dayFileName) {
        m_today.dayFileName.clear();
        m_today.id = 0;
    }
    // With no log file there is nothing to forget, and no reason to make one.
    if (!m_store && !QFileInfo::exists(path())) {
        result.forgotten = true;
        return result;
    }
    DayLogStore *s = openedStore();
    const QString note = keptAsideNote();
    if (s && s->deleteDayByFile(angler, dayFileName)) {
        result.forgotten = true;
        result.words = note;
        return result;
    }
    const QString why = troubleWords(s ? troubleOf(s->writeFailure()) : m_trouble);
    result.words = note.isEmpty() ? why : note + QStringLiteral("\n") + why;
    return result;
}

DayLogStore *DayLog::store()
{
    DayLogStore *s = openedStore();
    const QString note = keptAsideNote();
    if (!note.isEmpty())
        tellOnce(note);
    if (!s)
        tellOnce(savingWords(m_trouble));
    return s;
}

DayLogStore *DayLog::openedStore()
{
    m_trouble = Trouble::None;
    // SQLite follows a link and writes its journals beside the link's
    // target: the log is used only where nothing but plain files stand.
    const std::optional<QString> file = datafolder::logPath(dataDir(), DayLogStore::fileName());
    if (!file) {
        if (m_store)
            m_store->close();
        m_trouble = Trouble::NotALog;
        return nullptr;
    }
    if (m_store && m_store->isOpen() && m_store->path() == *file)
        return m_store.get();
    return openStore(*file) ? m_store.get() : nullptr;
}

bool DayLog::openStore(const QString &file)
{
    if (!m_store)
        m_store = std::make_unique<DayLogStore>();
    if (m_store->open(file))
        return true;

    if (m_store->openFailure() == DayLogStore::OpenFailure::Corrupt) {
        // Keep what is there for whoever wants to look at it, and start over.
        const QString aside = keepAside(file);
        if (!aside.isEmpty() && datafolder::logPath(dataDir(), DayLogStore::fileName()) == file
            && m_store->open(file)) {
            m_keptAside = QFileInfo(aside).fileName();
            return true;
        }
    }
    m_trouble = troubleOf(m_store->openFailure());
    return false;
}

QString DayLog::keptAsideNote()
{
    if (m_keptAside.isEmpty())
        return QString();
    const QString note =
        QCoreApplication::translate("DayLog", "釣行記録のファイルが壊れていたため、%1 として残し、新しく作り直しました。")
            .arg(m_keptAside);
    m_keptAside.clear();
    return note;
}

DayLog::Trouble DayLog::troubleOf(DayLogStore::OpenFailure failure)
{
    switch (failure) {
    case DayLogStore::OpenFailure::Corrupt:
        return Trouble::Corrupt;
    case DayLogStore::OpenFailure::Newer:
        return Trouble::Newer;
    case DayLogStore::OpenFailure::Locked:
        return Trouble::Locked;
    case DayLogStore::OpenFailure::Full:
        return Trouble::Full;
    case DayLogStore::OpenFailure::Unwritable:
    case DayLogStore::OpenFailure::None:
        break;
    }
    return Trouble::Unwritable;
}

QString DayLog::savingWords(Trouble trouble)
{
    const QString saved = QStringLiteral("\n\n") + savedAnyway();
    switch (trouble) {
    case Trouble::NotALog:
        return QCoreApplication::translate("DayLog", "釣行記録のファイル（データフォルダの %1 とその関連ファイル）が、ふつうのファイルではなくリンクやフォルダなどになっているため、今回は記録できませんでした。")
                   .arg(DayLogStore::fileName())
            + saved;
    case Trouble::Corrupt:
        return QCoreApplication::translate("DayLog", "釣行記録のファイルが壊れていて、作り直せませんでした。") + saved;
    case Trouble::Newer:
        return QCoreApplication::translate("DayLog", "釣行記録のファイルはこのゲームより新しい版で作られているため、今回は記録しません。") + saved;
    case Trouble::Locked:
        return QCoreApplication::translate("DayLog", "釣行記録のファイルがほかのプログラムに使われているため、今回は記録できませんでした。")
            + saved;
    case Trouble::None:
    case Trouble::Unwritable:
    case Trouble::Full:
        break;
    }
    return QCoreApplication::translate("DayLog", "釣行記録のファイルに書き込めないため、今回は記録できませんでした。") + saved;
}

QString DayLog::troubleWords(Trouble trouble)
{
    switch (trouble) {
    case Trouble::NotALog:
        return QCoreApplication::translate("DayLog", "釣行記録のファイル（データフォルダの %1 とその関連ファイル）が、ふつうのファイルではなくリンクやフォルダなどになっています。")
            .arg(DayLogStore::fileName());
    case Trouble::Corrupt:
        return QCoreApplication::translate("DayLog", "釣行記録のファイルが壊れていて、作り直せませんでした。");
    case Trouble::Newer:
        return QCoreApplication::translate("DayLog", "釣行記録のファイルはこのゲームより新しい版で作られています。");
    case Trouble::Locked:
        return QCoreApplication::translate("DayLog", "釣行記録のファイルがほかのプログラムに使われています。");
    case Trouble::Full:
        return QCoreApplication::translate("DayLog", "ディスクの空きが足りないため、釣行記録のファイルに書き込めません。");
    case Trouble::None:
    case Trouble::Unwritable:
        break;
    }
    return QCoreApplication::translate("DayLog", "釣行記録のファイルに書き込めません。");
}

// Renames the damaged file and its journals to a name not yet taken:
// "namiyose-log.sqlite.corrupt-20261210-153000". Empty when it could not.
// Only plain files are moved, never a link: a journal left beside the fresh
// log would be played back into it, so the journals go with the file.
QString DayLog::keepAside(const QString &path) const
{
    const QStringList companions{QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};
    const auto plain = [](const QString &file) {
        const QFileInfo info(file);
        return !info.isSymLink() && info.isFile();
    };
    const auto taken = [&companions](const QString &name) {
        for (const QString &suffix : QStringList{QString()} + companions) {
            const QFileInfo info(name + suffix);
            if (info.exists() || info.isSymLink())
                return true;
        }
        return false;
    };
    if (!plain(path))
        return QString();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; taken(aside); ++n)
        aside = path + QStringLiteral(".corrupt-") + stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, aside))
        return QString();
    for (const QString &suffix : companions)
        if (plain(path + suffix) && !QFile::rename(path + suffix, aside + suffix))
            return QString();
    return aside;
}

void DayLog::tellOnce(const QString &text)
{
    if (m_told)
        return;
    m_told = true;
    m_dialogs.message(caption(), text, MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace daylog
