#include "cli/CommandLine.h"
#include "cli/DevicesCommand.h"
#include "core/handset/HandsetAccessAdvice.h"
#include "support/Captured.h"
#include "support/DeniedDeviceSource.h"
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

int RunCommand(const char* command, Captured& out, Captured& err)
{
    CommandConsole console;
    console.out = out.File();
    console.err = err.File();
    return RunCommandLine(ParseCommandLine({QStringLiteral("dialbook"), QString::fromLatin1(command)}).line, console);
}

TEST_F(DevicesCommand, AHandsetThisUserMayNotOpenIsExplainedWithItsFixUntilOneOpens)
{
    // The command watches for devices itself, as it does when run; its watch ends with it, so
    // no scan outlives the refusing source.
    m_link.reset();
    DeniedDeviceSource denied;
    const std::string rule = HandsetAccessAdvice::ForThisSystem().RulePath();
    ASSERT_NE(rule.find("70-orvak-dialbook.rules"), std::string::npos) << rule;

    Captured out, err;
    EXPECT_EQ(RunCommand("devices", out, err), 1);
    std::string text = out.Text();
    EXPECT_NE(text.find(std::string(DeniedDeviceSource::kPath) + "  3e5a:18f8  cannot open: permission denied\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("An Orvak handset is plugged in, but this user may not open it."), std::string::npos) << text;
    EXPECT_NE(text.find(rule), std::string::npos) << text;

    Captured infoOut, infoErr;
    EXPECT_EQ(RunCommand("info", infoOut, infoErr), 1);
    text = infoErr.Text();
    EXPECT_NE(text.find("may not open it"), std::string::npos) << text;
    EXPECT_NE(text.find(rule), std::string::npos) << text;
    EXPECT_EQ(text.find("Phone not found"), std::string::npos) << text;
    EXPECT_TRUE(infoOut.Text().empty());

    // With the rule in place the handset comes back and opens; nothing is left to explain.
    denied.Unplug();
    SimConfig c;
    c.name = "Kitchen";
    StartHandset(c);
    Captured out2, err2, infoOut2, infoErr2;
    EXPECT_EQ(RunCommand("devices", out2, err2), 0);
    EXPECT_EQ(out2.Text().find("may not open"), std::string::npos) << out2.Text();
    EXPECT_EQ(RunCommand("info", infoOut2, infoErr2), 0) << infoErr2.Text();
    EXPECT_NE(infoOut2.Text().find("Name: Kitchen"), std::string::npos) << infoOut2.Text();
    EXPECT_EQ(infoErr2.Text().find("may not open"), std::string::npos) << infoErr2.Text();
}

}  // namespace
