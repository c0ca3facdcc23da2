#pragma once

// Shared drawing vocabulary of the pictures: one light direction (upper
// left), one outline weight, one type face, and the faction colour schemes.

#include "model/VtCatalogue.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace vantor::art {

// The face every picture writes with; Liberation Sans renders the same
// everywhere it is installed.
QFont artFont(qreal pixelSize, bool bold = false);

// A painter on `image` with antialiasing and the art font.
void beginPainter(QPainter& p, QImage& image);

// The facts of one VT that the pictures use, read from the catalogue.
struct VtFacts {
    QString name;
    Faction faction;
    QString generationText;
    int generation; // 1, 2 or 3
    int standardLoad;
    int maximumLoad;
    double maximumSpeed;
};
VtFacts vtFacts(int index);

struct FactionColours {
    QColor armour; // main plating
    QColor trim;   // secondary plating, shield faces
    QColor accent; // stripes, numbers and emblems
    QColor sky;    // tint of the picture background
};
FactionColours factionColours(Faction faction);

inline const QColor OutlineColour{34, 34, 40};
inline const QColor MetalColour{118, 122, 128};
inline const QColor DarkMetalColour{74, 77, 84};
inline const QColor InkColour{36, 40, 48};

// Colour between a and b: t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, qreal t);

// Fills `path` with `base` lit from the upper left, a thin rim light inside
// the lit edges and the common outline. `outline` scales the outline width.
void shade(QPainter& p, const QPainterPath& path, const QColor& base, qreal outline = 1.0);
// As shade(), without the rim light; for small parts.
void shadeFlat(QPainter& p, const QPainterPath& path, const QColor& base, qreal outline = 1.0);

// Turns an antialiased picture into a 256-colour one deterministically: the
// most frequent colours form the table and every other colour takes the
// nearest entry.
QImage toIndexed8(const QImage& image);

} // namespace vantor::art
