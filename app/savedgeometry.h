#pragma once
// The head of a window geometry saved by QWidget::saveGeometry: a marker, the format's version,
// the frame rectangle and the window's own rectangle (the rest is kept as it is).

#include <QByteArray>
#include <QMargins>

namespace SavedGeometry {

// The frame around the window's own area that the geometry records; none when it is not one.
QMargins frameMargins(const QByteArray &geometry);

// The same geometry with the frame recorded as the own rectangle plus `margins`; the geometry
// unchanged when it is not one.
QByteArray withFrameMargins(const QByteArray &geometry, const QMargins &margins);

} // namespace SavedGeometry
