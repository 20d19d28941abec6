#include "files/FichierProgramme.h"
#include <gtest/gtest.h>
TEST(Provisoire, Compile) {
    SUCCEED();
}
