#pragma once

#include <QImage>
#include <QString>

namespace assets {

enum class Facing { Up, Down, Left, Right };

// The plane on black, nose towards `facing`: 160 x 160, for elements of 40 x 40 pixels.
QImage planePicture(Facing facing);

// A plain white outline of the same plane on black, nose to the right.
QImage planeSilhouette();

// Radar scope with a plane over it, transparent corners, `size` square.
QImage iconPicture(int size);

// The same icon as scalable vector text.
QByteArray iconSvg();

// 32 x 32 open hand on transparent, middle fingertip at handHotspot().
QImage handPicture();
QPoint handHotspot();

// Writes every picture into `root`/Plane and `root`/design, plus design.qrc.
bool writePictures(const QString& root);

} // namespace assets
