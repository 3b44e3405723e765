// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_ROTATEANIMLABEL_H
#define TARNUILIB_ROTATEANIMLABEL_H

#include "tarnuilib_export.h"

#include <QLabel>
#include <QPixmap>

// Shows one image turning about its own centre in 30-degree steps while the animation runs.
// The image is drawn from the label's top-left corner, scaled to the label's height; what
// is set through the QLabel interface is never painted.
class TARNUILIB_EXPORT RotateAnimLabel : public QLabel
{
    Q_OBJECT
public:
    // The path is loaded as given; a path that names no image leaves the label empty.
    explicit RotateAnimLabel(const QString &imagePath, QWidget *parent = nullptr);
    // Without an image until setImagePath(): the constructor uic calls for a form.
    explicit RotateAnimLabel(QWidget *parent = nullptr);

    // Loads the image as the constructor does (minimum size included); the angle is kept.
    // A form sets it with a string property "imagePath".
    void setImagePath(const QString &imagePath);

    // Does nothing while already running, whatever the interval.
    void startAnimation(int interval);
    // Keeps the angle reached, so the next start resumes from there.
    void stopAnimation();

protected:
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int AngleStep = 30;

    int m_timerId = 0;
    QPixmap m_pixmap;
    // Only grows: never reduced modulo 360.
    double m_angle = 0.0;
};

#endif
