#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QTimer;
class Scheduler;

// A game timer: an interval and an enabled flag, ticking while enabled.
// Assigning the interval of a running timer restarts its countdown;
// enabling a running timer leaves its countdown alone. A tick never
// interrupts another handler: ticks that fall due while a message box is
// open (or while this timer's own handler runs) are held and delivered as
// one tick once the way is clear.
class Timer : public QObject
{
public:
    ~Timer() override;

    void setInterval(int ms);
    int interval() const { return m_interval; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }

    // Runs the handler as a due tick would (subject to the same gate).
    void fire();

protected:
    Timer(Scheduler &scheduler, const QString &name, QObject *parent);
    void arm() { armFor(m_interval); } // (re)start the countdown from now
    // Counts down ms once, then goes on at the interval (a resumed countdown).
    virtual void armFor(qint64 ms) = 0;
    virtual void disarm() = 0; // stop counting
    // What is left of the countdown; -1 when not counting.
    virtual qint64 remaining() const = 0;

    Scheduler &m_scheduler;

private:
    friend class Scheduler;
    void rearm();

    int m_interval = 0;
    bool m_enabled = false;
    bool m_running = false; // inside this timer's own handler
    bool m_pending = false; // a tick fell due while the way was blocked (held)
    qint64 m_frozen = -1;   // the countdown left when the game was paused
    std::function<void()> m_handler;
};

// Creates timers and decides when the way is clear for a tick. The real
// scheduler runs on the Qt event loop; the virtual one runs on virtual time
// so that a test can play hours of a day in milliseconds.
class Scheduler
{
public:
    virtual ~Scheduler();

    virtual std::unique_ptr<Timer> createTimer(const QString &name, QObject *parent) = 0;
    // Lets queued screen events run inside a long handler (the only yield of the game).
    virtual void yieldEvents() = 0;
    // Milliseconds on a steady clock, for measuring the player's own
    // presses against each other (virtual time on the virtual scheduler).
    virtual qint64 steadyMs() const = 0;

    // A modal message box is open while the depth is above zero.
    void enterModal();
    void leaveModal();
    bool modalOpen() const { return m_modalDepth > 0; }

    // The player's pause: every timer's countdown stops where it is and
    // goes on from there on resume, so a paused day plays out exactly as
    // the same day unpaused. Nothing ticks and no held tick comes while
    // paused.
    void pause();
    void resume();
    bool paused() const { return m_paused; }
    // The steady clock with the paused spells taken out: the time the day
    // itself has run, as its timers count it.
    qint64 playedMs() const;

    // Once the program is ending, no timer ticks any more.
    void stopAll() { m_stopped = true; }
    bool stopped() const { return m_stopped; }

protected:
    // Called when a held tick may now be delivered; real time queues it on
    // the event loop so it comes after the handler that opened the box.
    virtual void scheduleHeldTicks() = 0;
    void deliverHeldTicks();
    int handlerDepth() const { return m_handlerDepth; }

private:
    friend class Timer;
    void hold(Timer *timer);
    void forget(Timer *timer);
    void handlerFinished();

    bool blocked() const { return modalOpen() || m_paused; }

    int m_modalDepth = 0;
    int m_handlerDepth = 0;
    bool m_stopped = false;
    bool m_paused = false;
    qint64 m_pausedAt = 0;    // steadyMs() when the pause began
    qint64 m_pausedTotal = 0; // the paused spells that are over
    std::vector<Timer *> m_held;
    std::vector<Timer *> m_allTimers; // every live timer, for the pause
};

class QtScheduler final : public Scheduler
{
public:
    QtScheduler() { m_started.start(); }
    std::unique_ptr<Timer> createTimer(const QString &name, QObject *parent) override;
    void yieldEvents() override;
    qint64 steadyMs() const override { return m_started.elapsed(); }

protected:
    void scheduleHeldTicks() override;

private:
    QElapsedTimer m_started;
};

class VirtualScheduler final : public Scheduler
{
public:
    std::unique_ptr<Timer> createTimer(const QString &name, QObject *parent) override;
    void yieldEvents() override;
    qint64 steadyMs() const override { return m_now; }

    // Advances virtual time, firing every tick that falls due in order.
    // Called while a message box is open, it is the time the angler takes
    // to read it: ticks falling due meanwhile are held.
    void advance(qint64 ms);
    qint64 now() const { return m_now; }
    // When the next tick falls due; -1 when no timer counts. A simulated
    // day jumps from one to the next instead of stepping through time.
    qint64 nextDue() const;
    // Number of yields made by handlers so far.
    int yields() const { return m_yields; }

protected:
    void scheduleHeldTicks() override;

private:
    class VTimer;
    friend class VTimer;
    // Held ticks are queued as the real event loop queues them: they come
    // at the next yield or once the running event is over, never in the
    // middle of a handler that did not yield.
    void deliverQueued();

    qint64 m_now = 0;
    int m_yields = 0;
    bool m_heldQueued = false;
    std::vector<VTimer *> m_timers;
};
