#include "daylog/daylog.h"

#include "platform/dialogs.h"
#include "records/datafiles.h"
#include "state/gamestate.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace daylog {
namespace {

QString caption() { return QStringLiteral("ナミヨセ　ＭＯＫＵ　KT-93"); }

QString savedAnyway() { return QStringLiteral("釣果のファイルは保存されています。"); }

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

QString DayLog::path() const
{
    const QString dataDir =
        m_state.DataDir.isEmpty() ? datafiles::DataDirectory(m_state.AppDir) : m_state.DataDir;
    return DayLogStore::pathIn(dataDir);
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
        tellOnce(QStringLiteral("釣行記録を書き込めませんでした。") + QStringLiteral("\n\n") + savedAnyway()
                 + QStringLiteral("\n") + s->lastError());
        return false;
    }
    m_today.id = id;
    return true;
}

bool DayLog::dayDeleted(const QString &angler, const QString &dayFileName)
{
    // A day file that is still there keeps its log.
    const QString dataDir = QFileInfo(path()).path();
    if (dayFileName.isEmpty()
        || QFileInfo::exists(datafiles::AnglerDirectory(dataDir, angler) + QLatin1Char('/') + dayFileName))
        return false;
    if (m_today.angler == angler && m_today.dayFileName == dayFileName) {
        m_today.dayFileName.clear();
        m_today.id = 0;
    }
    // With no log file there is nothing to forget, and no reason to make one.
    if (!m_store && !QFileInfo::exists(path()))
        return true;
    DayLogStore *s = store();
    return s && s->deleteDayByFile(angler, dayFileName);
}

DayLogStore *DayLog::store()
{
    if (m_store && m_store->isOpen() && m_store->path() == path())
        return m_store.get();
    return openStore() ? m_store.get() : nullptr;
}

bool DayLog::openStore()
{
    if (!m_store)
        m_store = std::make_unique<DayLogStore>();
    const QString file = path();
    if (m_store->open(file))
        return true;

    switch (m_store->openFailure()) {
    case DayLogStore::OpenFailure::Corrupt: {
        // Keep what is there for whoever wants to look at it, and start over.
        const QString aside = keepAside(file);
        if (!aside.isEmpty() && m_store->open(file)) {
            tellOnce(QStringLiteral("釣行記録のファイルが壊れていたため、") + QFileInfo(aside).fileName()
                     + QStringLiteral(" として残し、新しく作り直しました。"));
            return true;
        }
        tellOnce(QStringLiteral("釣行記録のファイルが壊れていて、作り直せませんでした。") + QStringLiteral("\n\n")
                 + savedAnyway());
        return false;
    }
    case DayLogStore::OpenFailure::Newer:
        tellOnce(QStringLiteral("釣行記録のファイルはこのゲームより新しい版で作られているため、今回は記録しません。")
                 + QStringLiteral("\n\n") + savedAnyway());
        return false;
    case DayLogStore::OpenFailure::Locked:
        tellOnce(QStringLiteral("釣行記録のファイルがほかのプログラムに使われているため、今回は記録できませんでした。")
                 + QStringLiteral("\n\n") + savedAnyway());
        return false;
    case DayLogStore::OpenFailure::Unwritable:
    case DayLogStore::OpenFailure::None:
        break;
    }
    tellOnce(QStringLiteral("釣行記録のファイルに書き込めないため、今回は記録できませんでした。") + QStringLiteral("\n\n")
             + savedAnyway());
    return false;
}

// Renames the damaged file (and its journal) to a name not yet taken:
// "namiyose-log.sqlite.corrupt-20261210-153000". Empty when it could not.
QString DayLog::keepAside(const QString &path) const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".corrupt-") + stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, aside))
        return QString();
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(path + suffix))
            QFile::rename(path + suffix, aside + suffix);
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
