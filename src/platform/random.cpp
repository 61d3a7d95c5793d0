#include "random.h"

RandomSource::~RandomSource() = default;

double SystemRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

double ScriptedRandom::next()
{
    ++m_taken;
    if (!m_values.empty()) {
        const double r = m_values.front();
        m_values.pop_front();
        return r;
    }
    ++m_overruns;
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_fallback);
}
