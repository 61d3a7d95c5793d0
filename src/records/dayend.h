#pragma once

class Form1;

// The end of the fishing day on the main screen: the menus 納竿 and
// 釣果を保存. Connects itself to those menus.
class DayEnd
{
public:
    explicit DayEnd(Form1 &form);
    ~DayEnd();

private:
    Form1 &m_form;
};
