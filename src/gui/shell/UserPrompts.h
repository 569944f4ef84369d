#pragma once

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"

#include <QString>

#include <cstdint>

class QWidget;

// Every message box and file dialog of the program goes through here, so that tests can
// answer them from a script.
class UserPrompts {
public:
    enum class Answer { Ok, Yes, No, Cancel };
    // YesNoDefaultNo: for a Yes that destroys data; No is the default and Escape answers No.
    enum class Buttons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
    enum class Icon { Warning, Question, Information };

    virtual ~UserPrompts() = default;

    // A message box captioned with the program's title.
    virtual Answer Ask(QWidget* owner, const QString& text, Buttons buttons, Icon icon) = 0;
    // Empty when the user cancels.
    virtual QString OpenFileName(QWidget* owner, const QString& folder, const QString& filter) = 0;
    // A name typed without an extension gets `defaultSuffix` (or, once the user picks another
    // filter, that filter's first extension) before the dialog asks whether to replace an
    // existing file, so that it asks about the file that will really be written.
    // Without `askBeforeReplacing` the caller asks later itself.
    virtual QString SaveFileName(QWidget* owner, const QString& proposed, const QString& filter,
                                 const QString& defaultSuffix = {}, bool askBeforeReplacing = true) = 0;

    // The prompts in use: real dialogs unless a test installed others.
    static UserPrompts& Current();
    // Installs `prompts` (not owned); null puts the real dialogs back.
    static void Install(UserPrompts* prompts);
};

// The warning box of the pages: the text of a string-table entry, an OK button.
void ShowWarning(QWidget* owner, std::uint32_t stringId);
// The same with which file failed and why under the entry's text, when `failure` says.
void ShowWarning(QWidget* owner, Msg m, const FileFailure& failure);

// The first extension of one filter, "vCard File (*.vcf)" giving "vcf"; empty for "(*)".
QString FirstSuffixOfFilter(const QString& filter);

// A file-dialog filter of the string table, "Name (*.a;*.b)|*.a;*.b|All (*.*)|*.*||", as Qt
// takes it: "Name (*.a *.b);;All (*)".
QString QtFileFilter(std::uint32_t stringId);
