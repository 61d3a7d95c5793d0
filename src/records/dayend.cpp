#include "dayend.h"

#include "mainscreen/form1.h"

DayEnd::DayEnd(Form1 &form)
    : m_form(form)
{
}

DayEnd::~DayEnd() = default;
