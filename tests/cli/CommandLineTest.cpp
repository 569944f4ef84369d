// Reading dialbook's arguments: every command, every option, and the usage errors.

#include "cli/CommandLine.h"

#include "core/handset/HandsetFolder.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ParsedCommandLine Parse(QStringList args)
{
    args.prepend(QStringLiteral("dialbook"));
    return ParseCommandLine(args);
}

using Command = CommandLine::Command;
using Step = PictureSteps::Step;

TEST(CommandLine, EveryCommandWithItsFiles)
{
    const struct {
        QStringList args;
        Command command;
        QStringList files;
    } cases[] = {
        {{"devices"}, Command::Devices, {}},
        {{"info"}, Command::Info, {}},
        {{"pull", "a.opbk"}, Command::Pull, {"a.opbk"}},
        {{"push", "a.opbk"}, Command::Push, {"a.opbk"}},
        {{"sync", "a.opbk"}, Command::Sync, {"a.opbk"}},
        {{"show", "a.opbk"}, Command::Show, {"a.opbk"}},
        {{"picture", "in.jpg", "out.PNG"}, Command::Picture, {"in.jpg", "out.PNG"}},
        {{"picture", "in.jpg", "out.bmp"}, Command::Picture, {"in.jpg", "out.bmp"}},
        {{"send-picture", "in.jpg"}, Command::SendPicture, {"in.jpg"}},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine r = Parse(c.args);
        ASSERT_EQ(r.exitStatus, -1) << c.args.join(' ').toStdString() << r.error;
        EXPECT_EQ(r.line.command, c.command);
        EXPECT_EQ(r.line.files, c.files);
        EXPECT_FALSE(r.line.simulate);
        EXPECT_FALSE(r.line.assumeYes);
    }
    // Only the commands on files go without a handset.
    EXPECT_FALSE(Parse({"show", "a.opbk"}).line.NeedsHandset());
    EXPECT_FALSE(Parse({"picture", "a.png", "b.png"}).line.NeedsHandset());
    EXPECT_TRUE(Parse({"info"}).line.NeedsHandset());
}

TEST(CommandLine, OptionsAnywhereAndPictureStepsInTheOrderGiven)
{
    const ParsedCommandLine r =
        Parse({"--simulate", "send-picture", "--zoom-in", "2", "in.jpg", "--rotate", "left", "--zoom-out", "1",
               "--yes", "--rotate=right", "--frame", "-5,40", "--brightness", "-100", "--contrast", "100", "--red",
               "1", "--green", "-2", "--blue", "3"});
    ASSERT_EQ(r.exitStatus, -1) << r.error;
    EXPECT_TRUE(r.line.simulate);
    EXPECT_TRUE(r.line.assumeYes);
    EXPECT_EQ(r.line.files, QStringList{"in.jpg"});
    const std::vector<Step> steps{Step::ZoomIn, Step::ZoomIn, Step::RotateLeft, Step::ZoomOut, Step::RotateRight};
    EXPECT_EQ(r.line.picture.steps, steps);
    EXPECT_EQ(r.line.picture.frame, QPoint(-5, 40));
    const PictureSteps& p = r.line.picture;
    EXPECT_EQ(std::vector<int>({p.brightness, p.contrast, p.red, p.green, p.blue}),
              std::vector<int>({-100, 100, 1, -2, 3}));
}

TEST(CommandLine, SyncTakesItsSideToPreferADryRunAndNoBackup)
{
    const ParsedCommandLine plain = Parse({"sync", "a.opbk"});
    ASSERT_EQ(plain.exitStatus, -1) << plain.error;
    EXPECT_EQ(plain.line.syncRequest.prefer, MergePreference::Computer);
    EXPECT_FALSE(plain.line.syncRequest.dryRun);
    EXPECT_TRUE(plain.line.syncRequest.keepBackup);
    EXPECT_TRUE(plain.line.NeedsHandset());

    const ParsedCommandLine r = Parse({"sync", "--prefer", "handset", "a.opbk", "--dry-run", "--no-backup", "--yes"});
    ASSERT_EQ(r.exitStatus, -1) << r.error;
    EXPECT_EQ(r.line.syncRequest.prefer, MergePreference::Handset);
    EXPECT_TRUE(r.line.syncRequest.dryRun);
    EXPECT_FALSE(r.line.syncRequest.keepBackup);
    EXPECT_TRUE(r.line.assumeYes);
    EXPECT_EQ(Parse({"sync", "--prefer=computer", "a.opbk"}).line.syncRequest.prefer, MergePreference::Computer);
}

TEST(CommandLine, HelpExitsZeroAndUsageErrorsExitTwo)
{
    for (const QStringList& args : {QStringList{"--help"}, QStringList{"-h", "info"}}) {
        const ParsedCommandLine r = Parse(args);
        EXPECT_EQ(r.exitStatus, 0);
        EXPECT_NE(r.output.find("Usage: dialbook"), std::string::npos);
    }
    const QStringList wrong[] = {
        {},
        {"frobnicate"},
        {"--bogus", "info"},
        {"info", "extra"},
        {"devices", "x"},
        {"pull"},
        {"push", "a", "b"},
        {"sync"},
        {"sync", "a", "b"},
        {"sync", "a.opbk", "--prefer"},
        {"sync", "a.opbk", "--prefer", "phone"},
        {"sync", "a.opbk", "--prefer", "Handset"},
        {"show"},
        {"send-picture"},
        {"picture", "in.jpg"},
        {"picture", "in.jpg", "out.jpg"},
        {"picture", "in.jpg", "out"},
        {"info", "--rotate"},
        {"info", "--rotate", "up"},
        {"info", "--zoom-in", "x"},
        {"info", "--zoom-out", "-1"},
        {"info", "--frame", "5"},
        {"info", "--frame", "a,b"},
        {"info", "--brightness", "101"},
        {"info", "--blue", "-101"},
        {"info", "--red", "1.5"},
    };
    for (const QStringList& args : wrong) {
        const ParsedCommandLine r = Parse(args);
        EXPECT_EQ(r.exitStatus, kExitUsage) << args.join(' ').toStdString();
        EXPECT_NE(r.error.find("Try 'dialbook --help'"), std::string::npos) << args.join(' ').toStdString();
    }
}

TEST(CommandLine, CommandsOnFilesWatchNoDevicesAndMakeNoHandsetFolder)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("handsets"));
    HandsetFolder::SetOverride(folder.toStdString());
    CommandConsole console;
    console.out = console.err = std::tmpfile();
    const QString missing = dir.filePath(QStringLiteral("missing"));
    EXPECT_EQ(RunCommandLine(Parse({"show", missing}).line, console), 1);
    EXPECT_EQ(RunCommandLine(Parse({"picture", missing, dir.filePath(QStringLiteral("out.png"))}).line, console), 1);
    EXPECT_FALSE(QFileInfo::exists(folder));
    // A command for the handset watches its folder, and so makes it.
    EXPECT_EQ(RunCommandLine(Parse({"devices"}).line, console), 1);
    EXPECT_TRUE(QFileInfo::exists(folder));
    HandsetFolder::SetOverride({});
    std::fclose(console.out);
}

}  // namespace
