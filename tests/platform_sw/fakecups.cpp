// libcups.so.2 for the test (found first through LD_LIBRARY_PATH): a laser printer, the default
// photo printer, and an instance of the laser printer.

#include <cstdlib>

extern "C" {

struct FakeCupsOption
{
    const char *name;
    const char *value;
};

struct FakeCupsDest
{
    const char *name;
    const char *instance;
    int isDefault;
    int numOptions;
    FakeCupsOption *options;
};

// How many lists were released; read by the test through dlsym.
int vnFakeCupsFreed = 0;

__attribute__((visibility("default"))) int cupsGetDests2(void *, FakeCupsDest **dests)
{
    static FakeCupsOption laser[]
        = { { "printer-make-and-model", "Generic PCL Laser" }, { "printer-state", "5" } };
    auto *list = static_cast<FakeCupsDest *>(calloc(3, sizeof(FakeCupsDest)));
    list[0] = { "Laser", nullptr, 0, 2, laser };
    list[1] = { "Photo", nullptr, 1, 0, nullptr };
    list[2] = { "Laser", "duplex", 0, 0, nullptr };
    *dests = list;
    return 3;
}

__attribute__((visibility("default"))) void cupsFreeDests(int, FakeCupsDest *dests)
{
    free(dests);
    ++vnFakeCupsFreed;
}

} // extern "C"
