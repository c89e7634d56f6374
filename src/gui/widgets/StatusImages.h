#pragma once
// The nine state images that the LED labels and the zone list's indicator
// columns share, drawn in code so that they stay sharp at any pixel ratio.
// Every image says what it shows by shape and letters as well as by colour:
// a partition's letter stands beside its mark, a filled mark is active, a
// dashed hollow mark is a state not yet confirmed by its own report, and
// each indicator has a shape of its own.
#include "online/Indicators.h"

#include <QPixmap>
#include <QSize>
#include <QString>

namespace qarvo::gui {

inline constexpr int kStatusImageCount = 9;
// The images' size in device-independent pixels.
inline constexpr QSize kStatusImageSize{41, 19};

// The mark drawn in an image: the LED lamp, or one zone indicator's shape.
enum class Glyph { Lamp, ZoneOpen, TamperOpen, Burglary, TamperAlarm, Bypass, Stay };

Glyph glyphOf(online::Indicator indicator);

// What an image shows: the mark for A (or the system), for B, two slots
// (partitioned) or one, and the second look (an LED's alarm look, an
// indicator not yet reported in partitioned mode).
struct ImageLook {
    bool a;
    bool b;
    bool dual;
    bool second;
};
ImageLook imageLook(int image);

// Image 0 to 8 of a glyph at the pixel ratio; a null pixmap for an image
// number outside the nine.
QPixmap statusImage(Glyph glyph, int image, qreal devicePixelRatio = 1.0);

// A short text of what an image says about an indicator ("Partition A",
// "Not reported yet: A and B" ...), for tool tips and screen readers.
QString imageMeaning(int image);

} // namespace qarvo::gui
