#include "gui/shell/UserPrompts.h"

#include "core/common/StringTable.h"
#include "core/phonebook/PhonebookBackups.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

// A Yes/No question has no way out but its two buttons: Escape and the window's close button
// would otherwise answer No, and a No can throw work away.
class YesNoBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape && standardButtons() == (QMessageBox::Yes | QMessageBox::No) &&
            !escapeButton())
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (standardButtons() == (QMessageBox::Yes | QMessageBox::No) && !escapeButton() && !clickedButton()) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

class DialogPrompts final : public UserPrompts {
public:
    Answer Ask(QWidget* owner, const QString& text, Buttons buttons, Icon icon) override
    {
        YesNoBox box(owner);
        box.setWindowTitle(LoadString(Msg::AppTitle));
        box.setText(text);
        box.setIcon(icon == Icon::Warning    ? QMessageBox::Warning
                    : icon == Icon::Question ? QMessageBox::Question
                                             : QMessageBox::Information);
        switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::YesNoDefaultNo:
            // A question whose No loses nothing may be escaped from.
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Ok: return Answer::Ok;
        default: return Answer::Cancel;
        }
    }

    QString OpenFileName(QWidget* owner, const QString& folder, const QString& filter) override
    {
        QFileDialog dialog(owner, QString(), folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        // The phone books kept before each send are one click away.
        QList<QUrl> places = dialog.sidebarUrls();
        if (const QString backups = PhonebookBackups::Folder(); !backups.isEmpty())
            places.append(QUrl::fromLocalFile(backups));
        dialog.setSidebarUrls(places);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString SaveFileName(QWidget* owner, const QString& proposed, const QString& filter,
                         const QString& defaultSuffix, bool askBeforeReplacing) override
    {
        QFileDialog dialog(owner, QString(), proposed, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !askBeforeReplacing);
        dialog.setDefaultSuffix(defaultSuffix);
        // "Save as vCard" with a bare name writes NAME.vcf, not NAME.txt.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, defaultSuffix](const QString& f) {
            const QString suffix = FirstSuffixOfFilter(f);
            dialog.setDefaultSuffix(suffix.isEmpty() ? defaultSuffix : suffix);
        });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

UserPrompts* g_installed = nullptr;

}  // namespace

UserPrompts& UserPrompts::Current()
{
    static DialogPrompts dialogs;
    return g_installed ? *g_installed : dialogs;
}

void UserPrompts::Install(UserPrompts* prompts)
{
    g_installed = prompts;
}

void ShowWarning(QWidget* owner, std::uint32_t stringId)
{
    UserPrompts::Current().Ask(owner, LoadString(stringId), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

void ShowWarning(QWidget* owner, Msg m, const FileFailure& failure)
{
    UserPrompts::Current().Ask(owner, failure.Message(m), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

QString QtFileFilter(std::uint32_t stringId)
{
    const QStringList parts = LoadString(stringId).split(u'|', Qt::SkipEmptyParts);
    QStringList names;
    // Qt reads the patterns from the name's parentheses, separated by spaces.
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString name = parts[i];
        const qsizetype open = name.lastIndexOf(u'(');
        // "*.*" is every file on Windows, but only names with a dot here.
        if (open >= 0)
            name = name.left(open) + name.mid(open).replace(u';', u' ').replace(QStringLiteral("*.*"), QStringLiteral("*"));
        names.append(name);
    }
    return names.join(QStringLiteral(";;"));
}

QString FirstSuffixOfFilter(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    return pattern.match(filter).captured(1);
}
