#pragma once

class Form1;

// The end of the fishing day on the main screen: the menus 納竿 and
// 釣果を保存. Connects itself to those menus.
class DayEnd
{
public:
    explicit DayEnd(Form1 &form);
    ~DayEnd();

    void 納竿Click();
    void 釣果を保存Click();
    // Switches off every timer of the fishing, so that nothing more bites,
    // ticks or plays. The landed-chinu animation (Timer1) is left alone.
    void StopFishingTimers();
    // Sums up the catch list into the today's catch screen and shows it.
    void ShowTodaysCatch();

private:
    Form1 &m_form;
};
