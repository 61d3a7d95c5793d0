#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class Scheduler;

// Answer codes of a message box, as the game stores them.
enum Answer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Warning, Information, Question };

struct MessageRecord
{
    QString caption;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// Modal message boxes. While one is open no timer ticks (the clock stands
// still behind a message).
class Dialogs
{
public:
    explicit Dialogs(Scheduler &scheduler) : m_scheduler(scheduler) {}
    virtual ~Dialogs();

    int message(const QString &caption, const QString &text,
                MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None);

protected:
    virtual int show(const MessageRecord &message) = 0;
    Scheduler &scheduler() const { return m_scheduler; }

private:
    Scheduler &m_scheduler;
};

// Answers from a script and keeps every message shown, for tests.
class ScriptedDialogs final : public Dialogs
{
public:
    using Dialogs::Dialogs;

    void answer(int code) { m_answers.push_back(code); }
    const std::vector<MessageRecord> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }
    // Answers left unused by the script.
    int unusedAnswers() const { return int(m_answers.size()); }
    // On virtual time, every box stays open this long before it is
    // answered, as an angler reading it would keep it; the game's timers
    // fall due meanwhile and are held.
    void setReadingTime(qint64 ms) { m_readingMs = ms; }

protected:
    // With the script used up, a box is answered by its first button
    // (OK, OK or Yes), as pressing Enter would.
    int show(const MessageRecord &message) override;

private:
    std::deque<int> m_answers;
    std::vector<MessageRecord> m_shown;
    qint64 m_readingMs = 0;
};
