#pragma once
// Primary screen metrics for worker threads. Screens may only be asked on the GUI thread, so the
// GUI thread captures them (captureFromGui) and workers read the copy.

#include <QSize>

#include "sysroot.h"

namespace plat {

class ScreenInfo
{
public:
    virtual ~ScreenInfo() = default;
    // Size in device pixels; an empty size when unknown.
    virtual QSize size() = 0;
    // Bits per pixel; 0 when unknown.
    virtual int depth() = 0;
    // Refresh rate in Hz; 0 when unknown.
    virtual int refreshHz() = 0;

    // Call on the GUI thread (after the application object exists, and when screens change):
    // stores the primary screen's figures for the default ScreenInfo.
    static void captureFromGui();
};

// Reads what captureFromGui stored; before any capture, the depth comes from the framebuffer.
class CachedScreenInfo : public ScreenInfo
{
public:
    explicit CachedScreenInfo(SysRoot root)
        : m_root(std::move(root))
    {
    }
    QSize size() override;
    int depth() override;
    int refreshHz() override;

    // Stores figures directly (captureFromGui uses it; tests too).
    static void store(const QSize &size, int depth, int refreshHz);
    static void forget();

private:
    SysRoot m_root;
};

} // namespace plat
