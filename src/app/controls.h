#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// A plain-text label named as the game names it, placed in pixels.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A command button named as the game names it, placed in pixels.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, QRect geometry);
