#include "cli/DevicesCommand.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Capture(int* rc)
{
    std::FILE* f = std::tmpfile();
    *rc = RunDevicesCommand(f);
    std::rewind(f);
    std::string out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, f))
        out += buf;
    std::fclose(f);
    return out;
}

using DevicesCommand = SimFixture;

TEST_F(DevicesCommand, ListsTheHandsetAsAcceptedWithItsLengths)
{
    SimConfig c;
    c.inLen = 64;
    c.outLen = 33;
    StartHandset(c, "Kitchen");
    int rc = -1;
    const std::string out = Capture(&rc);
    EXPECT_EQ(rc, 0);
    EXPECT_NE(out.find(Folder() + "/Kitchen.sock  3e5a:18f8  in 64 out 33  accepted"), std::string::npos) << out;
}

TEST_F(DevicesCommand, ExitsOneWithoutAnAcceptedHandset)
{
    int rc = -1;
    Capture(&rc);
    EXPECT_EQ(rc, 1);

    SimConfig c;
    c.productId = 0x1234;
    StartHandset(c, "odd");
    const std::string out = Capture(&rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("3e5a:1234"), std::string::npos) << out;
    EXPECT_NE(out.find("not accepted"), std::string::npos) << out;
}

TEST_F(DevicesCommand, GivesTheReasonWhenADeviceCannotBeOpened)
{
    std::FILE* stray = std::fopen((Folder() + "/broken.sock").c_str(), "w");
    std::fclose(stray);
    int rc = -1;
    const std::string out = Capture(&rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("broken.sock  ????:????  cannot open:"), std::string::npos) << out;
}

}  // namespace
