#pragma once

class Form1;

// Everything on the main screen between the groundbait drop and the
// landing or loss of a fish. Connects itself to the fishing controls and
// timers of the main screen.
class FishingAction
{
public:
    explicit FishingAction(Form1 &form);
    ~FishingAction();

private:
    Form1 &m_form;
};
