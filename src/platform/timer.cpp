#include "timer.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

Timer::Timer(Scheduler &scheduler, const QString &name, QObject *parent)
    : QObject(parent)
    , m_scheduler(scheduler)
{
    setObjectName(name);
    m_scheduler.m_allTimers.push_back(this);
}

Timer::~Timer()
{
    m_scheduler.forget(this);
}

void Timer::setInterval(int ms)
{
    m_interval = ms;
    if (m_enabled)
        rearm();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled) {
        rearm();
    } else {
        m_pending = false;
        m_frozen = -1;
        disarm();
    }
}

void Timer::rearm()
{
    // An interval of zero never ticks, as with the window-system timers.
    if (m_interval <= 0) {
        m_frozen = -1;
        disarm();
    } else if (m_scheduler.paused()) {
        // Started while paused: the countdown begins on resume.
        m_frozen = m_interval;
        disarm();
    } else {
        arm();
    }
}

void Timer::fire()
{
    if (!m_enabled || m_scheduler.stopped())
        return;
    if (m_running || m_scheduler.blocked()) {
        m_scheduler.hold(this);
        return;
    }
    m_running = true;
    ++m_scheduler.m_handlerDepth;
    if (m_handler)
        m_handler();
    --m_scheduler.m_handlerDepth;
    m_running = false;
    m_scheduler.handlerFinished();
}

Scheduler::~Scheduler() = default;

void Scheduler::enterModal()
{
    ++m_modalDepth;
}

void Scheduler::leaveModal()
{
    if (m_modalDepth > 0 && --m_modalDepth == 0 && !m_paused && !m_held.empty())
        scheduleHeldTicks();
}

void Scheduler::pause()
{
    if (m_paused)
        return;
    m_paused = true;
    m_pausedAt = steadyMs();
    for (Timer *timer : m_allTimers) {
        if (!timer->m_enabled)
            continue;
        timer->m_frozen = timer->remaining();
        timer->disarm();
    }
}

void Scheduler::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_pausedTotal += steadyMs() - m_pausedAt;
    for (Timer *timer : m_allTimers) {
        if (timer->m_enabled && timer->m_frozen >= 0)
            timer->armFor(timer->m_frozen);
        timer->m_frozen = -1;
    }
    if (!modalOpen() && m_handlerDepth == 0 && !m_held.empty())
        scheduleHeldTicks();
}

qint64 Scheduler::playedMs() const
{
    return (m_paused ? m_pausedAt : steadyMs()) - m_pausedTotal;
}

void Scheduler::handlerFinished()
{
    if (m_handlerDepth == 0 && !blocked() && !m_held.empty())
        scheduleHeldTicks();
}

void Scheduler::hold(Timer *timer)
{
    timer->m_pending = true;
    if (std::find(m_held.begin(), m_held.end(), timer) == m_held.end())
        m_held.push_back(timer);
}

void Scheduler::forget(Timer *timer)
{
    m_held.erase(std::remove(m_held.begin(), m_held.end(), timer), m_held.end());
    m_allTimers.erase(std::remove(m_allTimers.begin(), m_allTimers.end(), timer), m_allTimers.end());
}

void Scheduler::deliverHeldTicks()
{
    if (blocked())
        return;
    std::vector<Timer *> held;
    held.swap(m_held);
    for (Timer *timer : held) {
        if (!timer->m_pending || timer->m_running) {
            if (timer->m_running)
                m_held.push_back(timer);
            continue;
        }
        timer->m_pending = false;
        timer->fire();
        if (blocked()) {
            // A handler opened a box again: what is left waits for it.
            for (Timer *rest : held)
                if (rest->m_pending && std::find(m_held.begin(), m_held.end(), rest) == m_held.end())
                    m_held.push_back(rest);
            return;
        }
    }
}

// ---- real time -------------------------------------------------------------

namespace {

class QtGameTimer final : public Timer
{
public:
    QtGameTimer(Scheduler &scheduler, const QString &name, QObject *parent)
        : Timer(scheduler, name, parent)
        , m_timer(new QTimer(this))
    {
        m_timer->setObjectName(name);
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, this, [this] {
            if (m_resumed) {
                // The first tick after a pause came: back to the interval.
                m_resumed = false;
                m_timer->start(interval());
            }
            fire();
        });
    }

protected:
    void armFor(qint64 ms) override
    {
        m_resumed = ms != interval();
        m_timer->start(static_cast<int>(ms));
    }
    void disarm() override
    {
        m_resumed = false;
        m_timer->stop();
    }
    qint64 remaining() const override { return m_timer->isActive() ? m_timer->remainingTime() : -1; }

private:
    QTimer *m_timer;
    bool m_resumed = false;
};

} // namespace

std::unique_ptr<Timer> QtScheduler::createTimer(const QString &name, QObject *parent)
{
    return std::make_unique<QtGameTimer>(*this, name, parent);
}

void QtScheduler::yieldEvents()
{
    QCoreApplication::processEvents();
}

void QtScheduler::scheduleHeldTicks()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { deliverHeldTicks(); }, Qt::QueuedConnection);
}

// ---- virtual time ----------------------------------------------------------

class VirtualScheduler::VTimer final : public Timer
{
public:
    VTimer(VirtualScheduler &scheduler, const QString &name, QObject *parent)
        : Timer(scheduler, name, parent)
        , m_virtual(scheduler)
    {
        scheduler.m_timers.push_back(this);
    }
    ~VTimer() override
    {
        auto &timers = m_virtual.m_timers;
        timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    }

    qint64 due = -1; // -1 while not counting

protected:
    void armFor(qint64 ms) override { due = m_virtual.now() + ms; }
    void disarm() override { due = -1; }
    qint64 remaining() const override { return due < 0 ? -1 : due - m_virtual.now(); }

private:
    VirtualScheduler &m_virtual;
};

std::unique_ptr<Timer> VirtualScheduler::createTimer(const QString &name, QObject *parent)
{
    return std::make_unique<VTimer>(*this, name, parent);
}

void VirtualScheduler::yieldEvents()
{
    ++m_yields;
    deliverQueued();
}

void VirtualScheduler::scheduleHeldTicks()
{
    m_heldQueued = true;
}

void VirtualScheduler::deliverQueued()
{
    if (!m_heldQueued)
        return;
    m_heldQueued = false;
    deliverHeldTicks();
}

qint64 VirtualScheduler::nextDue() const
{
    qint64 next = -1;
    for (const VTimer *t : m_timers)
        if (t->due >= 0 && (next < 0 || t->due < next))
            next = t->due;
    return next;
}

void VirtualScheduler::advance(qint64 ms)
{
    const qint64 end = m_now + ms;
    for (;;) {
        deliverQueued();
        VTimer *next = nullptr;
        for (VTimer *t : m_timers)
            if (t->due >= 0 && t->due <= end && (!next || t->due < next->due))
                next = t;
        if (!next || stopped())
            break;
        m_now = next->due;
        next->due = m_now + next->interval();
        next->fire();
    }
    // A box read inside a tick may have taken the time past this stretch.
    m_now = std::max(m_now, end);
}
