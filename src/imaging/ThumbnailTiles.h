#pragma once
// The two tiles an image browser shows in place of a thumbnail: a neutral placeholder while the
// picture is being read, and a "broken picture" for a file that cannot be read. Both are drawn
// here, square, on a transparent ground; any thread.

#include <QImage>

namespace thumbnailtiles {

QImage placeholder(int side);
QImage broken(int side);

} // namespace thumbnailtiles
