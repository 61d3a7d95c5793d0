#include "controls.h"

#include <QLabel>
#include <QPushButton>

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, QRect geometry,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}
