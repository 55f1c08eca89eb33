// The carried pictures: eleven backgrounds, the winner window's picture, the
// about box's die pictures and the application icon.
#pragma once

#include <QImage>

namespace resgen {

constexpr int kBackgroundWidth = 257;   // 3855 twips
constexpr int kBackgroundHeight = 321;  // 4815 twips

// Each picture is drawn `scale` (1, 2 or 3) times its size, from the same
// shapes in the same coordinates.

// Background n = 1..11 in the order of the built-in list.
QImage background(int n, int scale);

QImage congratsPicture(int scale);             // 283 x 300
QImage aboutDiePicture(int which, int scale);  // 1: a pair of dice, 2: one die; 48 x 48
QImage applicationIcon();      // 256 x 256

}  // namespace resgen
