#include "app/application.h"

#include <gtest/gtest.h>

// Widget tests need the program's application object; CTest runs them on the offscreen platform.
int main(int argc, char *argv[])
{
    Application application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
