#pragma once

class QPushButton;
class QWidget;

// The small caption-less button that opens a raft's details: a magnifier
// on a buoy-orange tag, the same on the bay map and in the boatman's hint
// that points at it.
QPushButton *makeDetailButton(QWidget *parent);
