// SPDX-License-Identifier: MIT
#pragma once
// Controls that draw themselves onto any painter, so that a window can be
// drawn again at a printer's resolution from the very code that paints it
// on screen, instead of from a screen-sized copy of its pixels.

class QImage;
class QPainter;
class QRect;
class QString;
class QWidget;

class Drawable {
public:
    // Draws the control at the painter's origin, in the control's own
    // pixels, exactly as its paint routine puts it on screen.
    virtual void draw(QPainter &painter) const = 0;

protected:
    ~Drawable() = default;
};

namespace platform {

// Draws `window`'s background and its visible child controls, back to
// front, in the window's pixels. A child that cannot draw itself is drawn
// from its screen picture.
void drawControls(QPainter &painter, const QWidget &window);

// Draws `picture` into `target`, or, where the painter puts more device
// pixels than one to each of ours (a printer), the picture at `largePath`
// when there is one, so that the detail of the larger picture survives.
void drawPicture(QPainter &painter, const QRect &target, const QImage &picture,
                 const QString &largePath);

} // namespace platform
