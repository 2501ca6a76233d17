// Window geometry is given in twips; Qt lays widgets out in device-independent pixels of 15 twips.
#pragma once

#include "game/canvas.h"
#include "game/rounding.h"

#include <QRect>

inline int pixelsFromTwips(double twips)
{
    return static_cast<int>(roundHalfEven(twips / kTwipsPerPixel));
}

inline QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width), pixelsFromTwips(height));
}
