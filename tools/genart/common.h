// SPDX-License-Identifier: MIT
#pragma once
// Shared helpers of the artwork generator: where files go, how pictures are
// saved, the bundled fonts and the die drawing every picture reuses.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QVector>

namespace art {

// Colours the rest of the program relies on.
inline const QColor KeyGreen(0, 255, 0);        // corners of the die faces
inline const QColor TrayGreen(128, 255, 128);   // the dice tray panel
inline const QColor WindowGreen(0, 128, 0);     // main window background
inline const QColor Silver(192, 192, 192);      // wizard pages, card rules
inline const QColor Navy(0, 0, 128);

// How many device pixels the printing variants of the card's pictures give
// to each screen pixel. The program's res::LargeScale must agree.
constexpr int LargeScale = 4;

// Output root (".../resources"); set once by main().
void setOutputRoot(const QString &root);
QString outputPath(const QString &relative);

// Every writer reports failures here; main() turns them into the exit code.
void fail(const QString &message);
int failures();

// Saves a picture after checking its size. Opaque or ARGB as given.
void savePng(const QImage &image, const QString &relative, QSize expected);

// Saves an 8-bit palette picture. Colours listed in `exact` keep their
// values bit for bit; the remaining colours are reduced by median cut when a
// picture has more than fit the palette (`maxColours`).
void saveIndexed(const QImage &image, const QString &relative, QSize expected,
                 const QVector<QRgb> &exact = {}, int maxColours = 256);
QImage toIndexed(const QImage &image, const QVector<QRgb> &exact, int maxColours);

// The bundled Liberation Sans, at a pixel size.
bool loadFonts(const QString &resourceRoot);
QFont sans(qreal pixelSize, bool bold = false);

// A blank canvas to paint on with antialiasing.
QImage canvas(int w, int h, const QColor &fill);
void prepare(QPainter &p);

// A die face, drawn into `r` (a square) with rounded corners and a bevel.
struct DieLook {
    QColor face = QColor(255, 255, 255);
    QColor faceShade = QColor(238, 236, 232);
    QColor rimLight = QColor(255, 255, 255);
    QColor rimDark = QColor(168, 166, 160);
    QColor outline = QColor(70, 70, 70);
    QColor pip = QColor(12, 12, 12);
    QColor pipLight = QColor(90, 90, 90);
    qreal radius = 0.18;     // of the side
    qreal rim = 0.075;       // bevel width, of the side
    qreal pipRadius = 0.1; // of the side
    qreal outlineWidth = 1.0;
};
DieLook freeDie();
DieLook heldDie();
void drawDie(QPainter &p, const QRectF &r, int face, const DieLook &look);
// Pip centres of a face, in units of the side (0..1).
QVector<QPointF> pipLayout(int face);

// Text drawn with a soft offset shadow.
void shadowText(QPainter &p, const QRectF &r, int flags, const QString &text,
                const QColor &colour, const QColor &shadow, QPointF offset = {1, 1});

// A blurred copy of `shape` (in the painter's current coordinates) painted
// under whatever comes next. The painter must paint on a QImage.
void dropShadow(QPainter &p, const QPainterPath &shape, QPointF offset,
                const QColor &colour, int blur);
// Gold lettering for a text path already in place: a soft shadow, a dark
// edge, and a gradient from pale to deep gold down the letters.
struct GoldLook {
    QPointF shadowOffset;
    QColor shadow;
    QColor stops[4]; // at 0, 0.45, 0.55 and 1 of the letters' height
    QColor edge;
};
void paintGold(QPainter &p, const QPainterPath &placed, const GoldLook &look);
// Box blur, three passes, of a premultiplied ARGB image.
QImage blurred(const QImage &image, int radius);

// Generators, one per kind of resource.
void makeDice();
void makeRolls();
void makeCup();
void makeCard();
void makeChecks();
void makeWizard();
void makeSplash();
void makeCursors();
void makeSounds();
void makeAppIcon();     // the desktop's icon: hicolor PNGs and an SVG

} // namespace art
