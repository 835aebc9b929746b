#include "app/savedgeometry.h"

#include <QDataStream>
#include <QRect>

namespace SavedGeometry {

namespace {

struct Head
{
    quint32 marker = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    QRect normal;
    qint64 end = 0; // where the rest of the geometry begins
};

bool readHead(const QByteArray &geometry, Head *head)
{
    QDataStream stream(geometry);
    stream.setVersion(QDataStream::Qt_4_0);
    stream >> head->marker >> head->major >> head->minor >> head->frame >> head->normal;
    head->end = stream.device()->pos();
    return stream.status() == QDataStream::Ok && head->marker == 0x1D9D0CB && head->major >= 1
        && head->major <= 3 && head->normal.isValid();
}

} // namespace

QMargins frameMargins(const QByteArray &geometry)
{
    Head head;
    if (!readHead(geometry, &head) || !head.frame.isValid() || !head.frame.contains(head.normal))
        return {};
    return QMargins(head.normal.left() - head.frame.left(), head.normal.top() - head.frame.top(),
                    head.frame.right() - head.normal.right(),
                    head.frame.bottom() - head.normal.bottom());
}

QByteArray withFrameMargins(const QByteArray &geometry, const QMargins &margins)
{
    Head head;
    if (!readHead(geometry, &head))
        return geometry;
    QByteArray patched;
    QDataStream out(&patched, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << head.marker << head.major << head.minor << head.normal.marginsAdded(margins)
        << head.normal;
    return patched + geometry.mid(int(head.end));
}

} // namespace SavedGeometry
