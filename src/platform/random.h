#pragma once

#include <QtGlobal>

#include <deque>
#include <random>

// The game's one source of chance: uniform numbers in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource();
    virtual double next() = 0;
    virtual void reseed(quint64 seed) = 0;

    // A draw of 1..n: Int(n * r + 1).
    int draw(int n) { return int(n * next() + 1); }
};

class SystemRandom final : public RandomSource
{
public:
    explicit SystemRandom(quint64 seed = 1) : m_engine(seed) {}
    double next() override;
    void reseed(quint64 seed) override { m_engine.seed(seed); }

private:
    std::mt19937_64 m_engine;
};

// Hands out scripted numbers first; once they run out it falls back to a
// fixed-seed generator and counts the overrun so a test can notice.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : m_values(values) {}

    // The r that makes a draw of 1..n come out as k.
    static double forDraw(int k, int n) { return (k - 0.5) / n; }

    void push(double r) { m_values.push_back(r); }
    void pushDraw(int k, int n) { push(forDraw(k, n)); }
    double next() override;
    void reseed(quint64 seed) override { m_lastSeed = seed; ++m_reseeds; }

    int remaining() const { return int(m_values.size()); }
    int overruns() const { return m_overruns; }
    int taken() const { return m_taken; }
    int reseeds() const { return m_reseeds; }
    quint64 lastSeed() const { return m_lastSeed; }

private:
    std::deque<double> m_values;
    std::mt19937_64 m_fallback{1};
    int m_overruns = 0;
    int m_taken = 0;
    int m_reseeds = 0;
    quint64 m_lastSeed = 0;
};
