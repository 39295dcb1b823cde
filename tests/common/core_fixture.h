#pragma once

// The usual scene of a core test: a temporary program folder, a fake platform
// in it, a scripted prompter, and the services object over both.

#include "common/fake_platform.h"
#include "common/scripted_prompter.h"
#include "common/temp_folder.h"
#include "core/base/services.h"

namespace orvanta::testing {

struct CoreScene {
    explicit CoreScene(char separator = '.')
        : platform(folder.Path()), services{prompter, platform, separator} {}

    TempFolder folder;
    ScriptedPrompter prompter;
    FakePlatform platform;
    Services services;
};

}  // namespace orvanta::testing
