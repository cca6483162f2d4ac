#include "engine/tools/HandOver.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(HandOver, TheBatchFileHasFiveLinesEndedByCrLf) {
    EXPECT_EQ(HandOverBatch(R"(C:\Programme\Quovadra\Quovadra.exe)", R"(C:\Temp\uis1A2.bat)"),
              ":Label1\r\n"
              "del \"C:\\Programme\\Quovadra\\Quovadra.exe\"\r\n"
              "if Exist \"C:\\Programme\\Quovadra\\Quovadra.exe\" goto Label1\r\n"
              "rmdir \"C:\\Programme\\Quovadra\\\"\r\n"
              "del C:\\Temp\\uis1A2.bat\r\n");
}

} // namespace
} // namespace qv
