#pragma once
// The NVIDIA compute runtime, when this machine has one. Everything answers "unknown" (0, empty)
// when the runtime or a device is absent.

#include <QString>

#include <memory>
#include <mutex>

namespace plat {

class Cuda
{
public:
    virtual ~Cuda() = default;
    // Number of devices; 0 when there is no runtime or the call fails.
    virtual int deviceCount() = 0;
    // Device memory in bytes; 0 when unknown.
    virtual quint64 totalGlobalMem(int device) = 0;
    // PCI address "dddd:bb:dd.f" (lower case) of a device; empty when unknown. Lets a caller pick
    // the device of one adapter.
    virtual QString pciBusId(int device) = 0;
};

// The CUDA runtime (libcudart.so.12) when present, else the driver's management library
// (libnvidia-ml.so.1); both loaded on first use.
class LinuxCuda : public Cuda
{
public:
    LinuxCuda();
    ~LinuxCuda() override;
    int deviceCount() override;
    quint64 totalGlobalMem(int device) override;
    QString pciBusId(int device) override;

private:
    struct Api;
    Api *api();
    std::unique_ptr<Api> m_api;
    std::once_flag m_once;
};

} // namespace plat
