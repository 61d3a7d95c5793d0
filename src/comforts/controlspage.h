#pragma once

#include <QDialog>

namespace comforts {

// The 操作 page: how to play with the mouse and with the keyboard, what the
// pink button means, how the rod tip shows a bite and what the line under
// the fishing buttons says. It stands beside the boatman's hints.
class ControlsPage : public QDialog
{
public:
    explicit ControlsPage(QWidget *parent = nullptr);

    // Shows the one page (made on first use) and brings it to the front.
    static ControlsPage *open(QWidget *parent);

    // The page's text, as rich text.
    static QString text();
};

} // namespace comforts
