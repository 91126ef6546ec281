#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // The Catalan locale the build made, where the system has none of its
    // own to offer.
    const char* locales = std::getenv("LOCPATH");
    if (locales == nullptr || *locales == '\0') setenv("LOCPATH", ONDARELL_TEST_LOCALES, 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
