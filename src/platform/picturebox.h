#pragma once

#include <QString>
#include <QWidget>

// A picture control: shows one of the game's SVG pictures (by resource name,
// e.g. "rodtip_6"), rendered sharp at the screen's pixel ratio. A picture can
// be copied from one control to another, as the screens do when they show a
// stored frame in a view.
class PictureBox : public QWidget
{
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Loads ":/pictures/<name>.svg"; an empty name shows nothing.
    void setPictureName(const QString &name);
    QString pictureName() const { return m_name; }
    // The picture of another control.
    void setPicture(const PictureBox &other) { setPictureName(other.pictureName()); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
};
