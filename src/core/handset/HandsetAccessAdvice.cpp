#include "core/handset/HandsetAccessAdvice.h"

#include "core/common/ShellWord.h"

#include <unistd.h>

namespace {

// Where udev reads rules from that a package or an administrator put there; /lib on systems
// whose /usr is not merged.
const std::vector<std::string>& RuleFolders()
{
    static const std::vector<std::string> folders = {"/etc/udev/rules.d", "/usr/lib/udev/rules.d",
                                                     "/lib/udev/rules.d"};
    return folders;
}

bool Exists(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

}  // namespace

HandsetAccessAdvice HandsetAccessAdvice::ForThisSystem()
{
    return For(RuleFolders(), DIALBOOK_SOURCE_DIR);
}

HandsetAccessAdvice HandsetAccessAdvice::For(const std::vector<std::string>& ruleFolders,
                                             const std::string& sourceFolder)
{
    HandsetAccessAdvice a;
    for (const std::string& folder : ruleFolders) {
        const std::string rule = folder + "/" + kRuleName;
        if (Exists(rule)) {
            a.m_remedy = Remedy::Replug;
            a.m_rulePath = rule;
            return a;
        }
    }
    // An installed program never looks for its source: a package built elsewhere has none here,
    // and one built here brings the rule, found above.
    const std::string sourceRule = sourceFolder + "/resources/udev/" + kRuleName;
    if (!sourceFolder.empty() && Exists(sourceRule)) {
        a.m_remedy = Remedy::InstallFromSource;
        a.m_rulePath = sourceRule;
        a.m_commands = "sudo install -m 644 " + ShellWord(sourceRule) +
                       " /etc/udev/rules.d/ && sudo udevadm control --reload-rules && "
                       "sudo udevadm trigger --subsystem-match=hidraw";
        return a;
    }
    a.m_remedy = Remedy::InstallPackage;
    a.m_rulePath = kPackageRule;
    return a;
}

HandsetAccessAdvice::Wording HandsetAccessAdvice::DefaultWording()
{
    return {
        tr("An Orvak handset is plugged in, but this user may not open it."),
        tr("Unplug the handset and plug it in again, so that the udev rule %1 applies to it."),
        tr("Install the orvak-dialbook package, whose udev rule %1 lets the person at the "
           "computer open it, then unplug the handset and plug it in again."),
        tr("Install the udev rule from the source tree and have udev apply it:\n%1"),
    };
}

QString HandsetAccessAdvice::Text(const Wording& wording) const
{
    const QString* fix = &wording.installPackage;
    QString argument = QString::fromStdString(m_rulePath);
    switch (m_remedy) {
    case Remedy::Replug: fix = &wording.replug; break;
    case Remedy::InstallPackage: fix = &wording.installPackage; break;
    case Remedy::InstallFromSource:
        fix = &wording.installFromSource;
        argument = QString::fromStdString(m_commands);
        break;
    }
    return wording.notPermitted + QLatin1Char('\n') + fix->arg(argument);
}
