// Guards the architecture: folders include only from folders below their own, and the core
// library never reaches for widgets.

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    const char* folder;  // from the top of the source tree
    int rank;            // a folder may include from lower ranks, and from itself
};

// common <- handset <- transfer <- phonebook, picture <- contacts <- sim <- gui, cli.
// Inside the window library: shell <- the contacts wizard <- the pages <- app, which puts the
// pages together (the phone-book page opens the wizard).
constexpr Layer kLayers[] = {
    {"src/core/common", 0},    {"src/core/handset", 1},   {"src/core/transfer", 2},
    {"src/core/phonebook", 3}, {"src/core/picture", 3},   {"src/core/contacts", 4},
    {"sim", 5},                {"src/gui/shell", 6},      {"src/cli", 6},
    {"src/gui/contacts", 7},   {"src/gui/phonebook", 8},  {"src/gui/picture", 8},
    {"src/gui/app", 9},
};

std::optional<Layer> LayerOf(const std::string& relative)
{
    for (const Layer& layer : kLayers) {
        const std::string prefix = std::string(layer.folder) + "/";
        if (relative.rfind(prefix, 0) == 0)
            return layer;
    }
    return std::nullopt;
}

struct Include {
    std::string text;
    bool angled;
};

std::vector<Include> IncludesOf(const fs::path& file)
{
    static const std::regex pattern(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> found;
    std::ifstream in(file);
    std::string line;
    std::smatch m;
    while (std::getline(in, line))
        if (std::regex_search(line, m, pattern))
            found.push_back({m[2].str(), m[1].str() == "<"});
    return found;
}

std::vector<fs::path> SourcesUnder(const fs::path& root)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && (entry.path().extension() == ".h" || entry.path().extension() == ".cpp"))
            files.push_back(entry.path());
    return files;
}

// Quoted includes name their file from src/ ("core/handset/HandsetLink.h") or from the top
// ("sim/SimHandset.h").
std::optional<std::string> Target(const Include& inc, const fs::path& top)
{
    if (inc.angled)
        return std::nullopt;
    for (const std::string base : {"src/", ""}) {
        if (fs::exists(top / (base + inc.text)))
            return base + inc.text;
    }
    return std::nullopt;
}

bool IsWidgetsHeader(const std::string& name)
{
    const QString headers = QLibraryInfo::path(QLibraryInfo::HeadersPath);
    const QString qname = QString::fromStdString(name);
    if (qname.startsWith(QLatin1String("QtWidgets")))
        return true;
    return !qname.contains(QLatin1Char('/')) && QFileInfo::exists(headers + QStringLiteral("/QtWidgets/") + qname);
}

const fs::path kTop = DIALBOOK_SOURCE_DIR;

}  // namespace

TEST(Layout, FoldersIncludeOnlyFromBelow)
{
    int checked = 0;
    std::vector<std::string> wrong;
    for (const fs::path& root : {kTop / "src", kTop / "sim"}) {
        for (const fs::path& file : SourcesUnder(root)) {
            const std::string from = fs::relative(file, kTop).generic_string();
            const auto fromLayer = LayerOf(from);
            ASSERT_TRUE(fromLayer) << from << " lies in no known folder";
            for (const Include& inc : IncludesOf(file)) {
                const auto to = Target(inc, kTop);
                if (!inc.angled) {
                    EXPECT_TRUE(to) << from << " includes \"" << inc.text << "\", which is not named from src/ or the top";
                }
                if (!to)
                    continue;
                ++checked;
                const auto toLayer = LayerOf(*to);
                const bool sameFolder = toLayer && std::string(toLayer->folder) == fromLayer->folder;
                if (!toLayer || (!sameFolder && toLayer->rank >= fromLayer->rank))
                    wrong.push_back(from + " -> " + *to);
            }
        }
    }
    EXPECT_GT(checked, 200);
    for (const std::string& w : wrong)
        ADD_FAILURE() << "includes from a folder that is not below its own: " << w;
}

TEST(Layout, CoreNeverIncludesWidgets)
{
    ASSERT_TRUE(IsWidgetsHeader("QWidget")) << "cannot find Qt's headers to compare with";
    ASSERT_FALSE(IsWidgetsHeader("QImage"));
    for (const fs::path& file : SourcesUnder(kTop / "src/core"))
        for (const Include& inc : IncludesOf(file))
            EXPECT_FALSE(inc.angled && IsWidgetsHeader(inc.text))
                << fs::relative(file, kTop).generic_string() << " includes <" << inc.text << ">";
}
