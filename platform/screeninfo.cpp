#include "screeninfo.h"

#include <QGuiApplication>
#include <QScreen>

#include <atomic>

namespace plat {

namespace {
std::atomic<int> g_width { -1 };
std::atomic<int> g_height { -1 };
std::atomic<int> g_depth { 0 };
std::atomic<int> g_refresh { 0 };
} // namespace

void ScreenInfo::captureFromGui()
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize size = screen->size() * screen->devicePixelRatio();
    CachedScreenInfo::store(size, screen->depth(), qRound(screen->refreshRate()));
}

void CachedScreenInfo::store(const QSize &size, int depth, int refreshHz)
{
    g_depth = depth > 0 ? depth : 0;
    g_refresh = refreshHz > 0 ? refreshHz : 0;
    g_height = size.height();
    g_width = size.width();
}

void CachedScreenInfo::forget()
{
    g_width = -1;
    g_height = -1;
    g_depth = 0;
    g_refresh = 0;
}

QSize CachedScreenInfo::size()
{
    const int w = g_width;
    const int h = g_height;
    return w >= 0 && h >= 0 ? QSize(w, h) : QSize();
}

int CachedScreenInfo::depth()
{
    if (g_depth > 0)
        return g_depth;
    bool ok = false;
    const int bpp
        = m_root.readLine(QStringLiteral("/sys/class/graphics/fb0/bits_per_pixel")).toInt(&ok);
    return ok && bpp > 0 ? bpp : 0;
}

int CachedScreenInfo::refreshHz()
{
    return g_refresh;
}

} // namespace plat
