#include "cuda.h"

#include <mutex>

#include <cstring>
#include <dlfcn.h>

namespace plat {

// Entry points resolved from whichever library is present. The runtime keeps per-process state,
// so every use is serialised.
struct LinuxCuda::Api
{
    std::mutex mutex;
    void *cudart = nullptr;
    void *nvml = nullptr;
    // CUDA runtime
    int (*getDeviceCount)(int *) = nullptr;
    int (*setDevice)(int) = nullptr;
    int (*getDeviceProperties)(void *, int) = nullptr;
    int (*deviceReset)() = nullptr;
    int (*deviceGetPciBusId)(char *, int, int) = nullptr;
    // NVML
    int (*nvmlDeviceGetCount)(unsigned *) = nullptr;
    int (*nvmlDeviceGetHandleByIndex)(unsigned, void **) = nullptr;
    int (*nvmlDeviceGetMemoryInfo)(void *, void *) = nullptr;
    int (*nvmlDeviceGetPciInfo)(void *, void *) = nullptr;
};

namespace {

// cudaDeviceProp of CUDA 12: totalGlobalMem (size_t) follows name[256], uuid[16], luid[8] and
// luidDeviceNodeMask (plus padding). The structure is well under 4 KB.
constexpr int kPropsBufferSize = 4096;
constexpr int kTotalGlobalMemOffset = 288;

template<class F> void resolve(void *lib, const char *name, F *out)
{
    *out = reinterpret_cast<F>(dlsym(lib, name));
}

} // namespace

LinuxCuda::LinuxCuda() = default;

LinuxCuda::~LinuxCuda()
{
    // The libraries stay loaded: unloading a GPU runtime at exit is known to misbehave.
}

LinuxCuda::Api *LinuxCuda::api()
{
    std::call_once(m_once, [this] {
        auto a = std::make_unique<Api>();
        a->cudart = dlopen("libcudart.so.12", RTLD_NOW | RTLD_LOCAL);
        if (a->cudart) {
            resolve(a->cudart, "cudaGetDeviceCount", &a->getDeviceCount);
            resolve(a->cudart, "cudaSetDevice", &a->setDevice);
            resolve(a->cudart, "cudaGetDeviceProperties_v2", &a->getDeviceProperties);
            if (!a->getDeviceProperties)
                resolve(a->cudart, "cudaGetDeviceProperties", &a->getDeviceProperties);
            resolve(a->cudart, "cudaDeviceReset", &a->deviceReset);
            resolve(a->cudart, "cudaDeviceGetPCIBusId", &a->deviceGetPciBusId);
            if (!a->getDeviceCount || !a->setDevice || !a->getDeviceProperties || !a->deviceReset)
                a->getDeviceCount = nullptr; // unusable runtime
        }
        if (!a->getDeviceCount) {
            a->nvml = dlopen("libnvidia-ml.so.1", RTLD_NOW | RTLD_LOCAL);
            if (a->nvml) {
                int (*init)() = nullptr;
                resolve(a->nvml, "nvmlInit_v2", &init);
                resolve(a->nvml, "nvmlDeviceGetCount_v2", &a->nvmlDeviceGetCount);
                resolve(a->nvml, "nvmlDeviceGetHandleByIndex_v2", &a->nvmlDeviceGetHandleByIndex);
                resolve(a->nvml, "nvmlDeviceGetMemoryInfo", &a->nvmlDeviceGetMemoryInfo);
                resolve(a->nvml, "nvmlDeviceGetPciInfo_v3", &a->nvmlDeviceGetPciInfo);
                if (!init || init() != 0 || !a->nvmlDeviceGetCount
                    || !a->nvmlDeviceGetHandleByIndex)
                    a->nvmlDeviceGetCount = nullptr;
            }
        }
        m_api = std::move(a);
    });
    return m_api.get();
}

int LinuxCuda::deviceCount()
{
    Api *a = api();
    const std::lock_guard<std::mutex> lock(a->mutex);
    if (a->getDeviceCount) {
        int count = 0;
        return a->getDeviceCount(&count) == 0 && count > 0 ? count : 0;
    }
    if (a->nvmlDeviceGetCount) {
        unsigned count = 0;
        return a->nvmlDeviceGetCount(&count) == 0 ? int(count) : 0;
    }
    return 0;
}

quint64 LinuxCuda::totalGlobalMem(int device)
{
    Api *a = api();
    const std::lock_guard<std::mutex> lock(a->mutex);
    if (device < 0)
        return 0;
    if (a->getDeviceCount) {
        if (a->setDevice(device) != 0)
            return 0;
        QByteArray props(kPropsBufferSize, '\0');
        quint64 bytes = 0;
        if (a->getDeviceProperties(props.data(), device) == 0) {
            size_t total = 0;
            std::memcpy(&total, props.constData() + kTotalGlobalMemOffset, sizeof total);
            bytes = total;
        }
        a->deviceReset();
        return bytes;
    }
    if (a->nvmlDeviceGetCount && a->nvmlDeviceGetMemoryInfo) {
        void *handle = nullptr;
        unsigned long long memory[3] = {}; // total, free, used
        if (a->nvmlDeviceGetHandleByIndex(unsigned(device), &handle) == 0
            && a->nvmlDeviceGetMemoryInfo(handle, memory) == 0)
            return memory[0];
    }
    return 0;
}

QString LinuxCuda::pciBusId(int device)
{
    Api *a = api();
    const std::lock_guard<std::mutex> lock(a->mutex);
    if (device < 0)
        return QString();
    if (a->getDeviceCount && a->deviceGetPciBusId) {
        char id[64] = {};
        if (a->deviceGetPciBusId(id, sizeof id, device) == 0)
            return QString::fromLatin1(id).toLower();
        return QString();
    }
    if (a->nvmlDeviceGetCount && a->nvmlDeviceGetPciInfo) {
        void *handle = nullptr;
        // nvmlPciInfo_t: busIdLegacy[16], domain, bus, device, pciDeviceId, pciSubSystemId,
        // busId[32]
        unsigned char info[128] = {};
        if (a->nvmlDeviceGetHandleByIndex(unsigned(device), &handle) == 0
            && a->nvmlDeviceGetPciInfo(handle, info) == 0) {
            unsigned domain = 0, bus = 0, dev = 0;
            std::memcpy(&domain, info + 16, 4);
            std::memcpy(&bus, info + 20, 4);
            std::memcpy(&dev, info + 24, 4);
            return QStringLiteral("%1:%2:%3.0")
                .arg(domain, 4, 16, QLatin1Char('0'))
                .arg(bus, 2, 16, QLatin1Char('0'))
                .arg(dev, 2, 16, QLatin1Char('0'));
        }
    }
    return QString();
}

} // namespace plat
