// GoogleTest entry: a box the scripted prompter did not expect fails the test.

#include <gtest/gtest.h>

#include "common/scripted_prompter.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    orvanta::testing::ScriptedPrompter::SetDefaultFailureHandler(
        [](const std::string& what) { ADD_FAILURE() << what; });
    return RUN_ALL_TESTS();
}
