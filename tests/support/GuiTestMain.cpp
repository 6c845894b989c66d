// The entry of the GUI test programs: widgets need the application object before the
// first fixture makes one.
#include "TestApplication.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    TestApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
