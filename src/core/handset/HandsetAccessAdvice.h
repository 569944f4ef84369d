#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <vector>

// What to tell someone whose handset is plugged in but who may not open it: Linux gives HID
// devices to root only, until a udev rule lets the person at the computer have them. The
// window and `dialbook` word it each in their own way, the window translated; the paths and
// commands come from here, so that both name the same fix.
class HandsetAccessAdvice {
    Q_DECLARE_TR_FUNCTIONS(HandsetAccessAdvice)

public:
    enum class Remedy {
        // The rule is in place, but the handset was plugged in before it was: plug it in again.
        Replug,
        // The package brings the rule: install it (again), then plug the handset in again.
        InstallPackage,
        // The program runs from its build tree: install the rule from the source tree.
        InstallFromSource,
    };

    // The sentences; %1 is the rule's path (Replug, InstallPackage) or the commands
    // (InstallFromSource).
    struct Wording {
        QString notPermitted;
        QString replug;
        QString installPackage;
        QString installFromSource;
    };

    static constexpr const char* kRuleName = "70-orvak-dialbook.rules";
    static constexpr const char* kPackageRule = "/usr/lib/udev/rules.d/70-orvak-dialbook.rules";

    // For this computer: the folders udev reads its rules from, and the source tree the program
    // was built from, which only a program run from its build tree still has beside it.
    static HandsetAccessAdvice ForThisSystem();
    // The same decision on other folders.
    static HandsetAccessAdvice For(const std::vector<std::string>& ruleFolders, const std::string& sourceFolder);

    // The wording for the terminal, in the user's language.
    static Wording DefaultWording();

    Remedy GetRemedy() const { return m_remedy; }
    // The rule in place (Replug), the package's (InstallPackage), or the source tree's.
    const std::string& RulePath() const { return m_rulePath; }
    // InstallFromSource: the shell commands that install the rule and have udev apply it.
    const std::string& Commands() const { return m_commands; }

    // Two lines: that the handset may not be opened, and the fix.
    QString Text(const Wording& wording = DefaultWording()) const;

private:
    Remedy m_remedy = Remedy::InstallPackage;
    std::string m_rulePath;
    std::string m_commands;
};
