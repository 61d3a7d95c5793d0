#include "form1.h"

#include "mainscreen/fishing/fishingaction.h"
#include "records/dayend.h"

Form1::Form1(Game &game)
    : GameWindow(game, QStringLiteral("Form1"))
{
    m_fishing = std::make_unique<FishingAction>(*this);
    m_dayEnd = std::make_unique<DayEnd>(*this);
}

Form1::~Form1() = default;

void Form1::initialise() {}
void Form1::load() {}
bool Form1::queryUnload(bool) { return false; }
void Form1::StartDay() {}
void Form1::ChooseDayBaits() {}
void Form1::InitTide() {}
void Form1::SetTimeBar() {}
void Form1::DrainTimeBar() {}
void Form1::EndDay() {}
void Form1::StartMusic() {}
void Form1::StopMusic() {}
void Form1::StopEffect() {}
void Form1::PlayEffect(const QString &) {}
QString Form1::wavePath(const QString &) const { return {}; }
