// The end-to-end driver. Usage: zorvane_e2e [--zorvane=PATH] [gtest flags]
#include "tests/support/E2eConfig.h"

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::E2eConfig::SetAppPath(ZORVANE_E2E_APP);
    const char* prefix = "--zorvane=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
            testsupport::E2eConfig::SetAppPath(argv[i] + std::strlen(prefix));
        }
    }
    return RUN_ALL_TESTS();
}
