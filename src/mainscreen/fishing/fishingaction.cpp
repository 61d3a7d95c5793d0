#include "fishingaction.h"

#include "mainscreen/form1.h"

FishingAction::FishingAction(Form1 &form)
    : m_form(form)
{
}

FishingAction::~FishingAction() = default;
