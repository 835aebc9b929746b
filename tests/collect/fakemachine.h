#pragma once
// A fake WMI provider and a fake platform, both current while the object lives.

#include "platform/fakes/fakeplatform.h"
#include "platform/fakes/fakeprovider.h"

struct FakeMachine
{
    std::shared_ptr<wmi::FakeProvider> fake = std::make_shared<wmi::FakeProvider>();
    plat::FakePlatform platform;
    wmi::ScopedProvider useFake { fake };
    plat::ScopedPlatform usePlatform { platform.platform() };
};
