#pragma once

#include "dialogs.h"

// Real message boxes: application-modal, captioned with the screen's own
// window caption, with Japanese button texts.
class QtDialogs final : public Dialogs
{
public:
    using Dialogs::Dialogs;

protected:
    int show(const MessageRecord &message) override;
};
