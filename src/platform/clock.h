#pragma once

#include <QDateTime>

// The local date and time, for the random seed and the stamps of a save.
class Clock
{
public:
    virtual ~Clock();
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime at = QDateTime(QDate(2002, 10, 5), QTime(14, 30))) : m_now(std::move(at)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &at) { m_now = at; }
    void advanceSecs(qint64 s) { m_now = m_now.addSecs(s); }

private:
    QDateTime m_now;
};
