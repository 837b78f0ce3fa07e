#pragma once

#include <QRect>

namespace vantor::ui {

// Window geometry is laid out in twips: 1,440 to the inch, 15 to a pixel at
// 96 dots per inch. Qt scales these device-independent pixels on high-dpi screens.
constexpr int twips(int value)
{
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace vantor::ui
