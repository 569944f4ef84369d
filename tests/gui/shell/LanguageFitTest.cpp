// The window and its dialogs in each of the program's languages: no text is cut off. German's
// words run longest, but a short widget can be too short in any of them.

#include "support/ScriptedPrompts.h"

#include "gui/app/MainWindow.h"
#include "gui/contacts/ChangeMapDialog.h"
#include "gui/contacts/ChooseOperationPage.h"
#include "gui/contacts/ImportExportChoices.h"
#include "gui/contacts/ImportExportWizard.h"
#include "gui/contacts/ImportFilePage.h"
#include "gui/picture/BrightnessContrastDialog.h"
#include "gui/picture/ColorBalanceDialog.h"
#include "gui/picture/PicturePage.h"
#include "gui/shell/AboutDialog.h"
#include "gui/shell/PictureButton.h"
#include "gui/shell/TabButton.h"

#include "core/common/Translations.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(5);
    }
}

QString Describe(const QWidget* w, const QString& text)
{
    return QStringLiteral("%1 \"%2\" in %3").arg(QString::fromLatin1(w->metaObject()->className()), text,
                                                QString::fromLatin1(w->window()->metaObject()->className()));
}

// Every label, button and group title that shows in `top` has the room its text needs.
int CheckTextsFit(QWidget* top, const QString& language)
{
    Settle();
    int checked = 0;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible() || qobject_cast<PictureButton*>(w))
            continue;
        QString text;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            if (text.isEmpty())
                continue;
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : label->sizeHint().width() <= label->width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            // An icon button's text is for screen readers alone.
            const auto* tool = qobject_cast<QToolButton*>(w);
            if (text.isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
                continue;
            fits = button->sizeHint().width() <= button->width();
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            text = group->title();
            if (text.isEmpty())
                continue;
            fits = group->minimumSizeHint().width() <= group->width();
        } else {
            continue;
        }
        ++checked;
        EXPECT_TRUE(fits) << language.toStdString() << ": " << Describe(w, text).toStdString() << " is cut off ("
                          << w->width() << " x " << w->height() << ")";
    }
    return checked;
}

}  // namespace

TEST(LanguageFit, EveryTextOfTheWindowAndItsDialogsHasRoomInEveryLanguage)
{
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    const QString contacts = dir.filePath(QStringLiteral("contacts.csv"));
    {
        QFile file(contacts);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("First Name,Last Name,Mobile Phone,Business Phone,Categories\r\nAnna,Berg,0170 1234567,,Family\r\n");
    }
    const QStringList languages = Translations::Languages() << QStringLiteral("en");
    for (const QString& language : languages) {
        const Translations translations{QLocale(language)};
        int checked = 0;
        MainWindow window;
        window.show();
        for (const TabPageEntry& row : window.TabPageTable()) {
            row.tabButton->click();
            checked += CheckTextsFit(&window, language);
        }
        auto* pictures = qobject_cast<PicturePage*>(window.TabPageTable()[1].page);
        ASSERT_TRUE(pictures);
        BrightnessContrastDialog light(0, 0, pictures->Preview(), &window);
        light.show();
        checked += CheckTextsFit(&light, language);
        ColorBalanceDialog colour(0, 0, 0, pictures->Preview(), &window);
        colour.show();
        checked += CheckTextsFit(&colour, language);
        AboutDialog about(&window);
        about.show();
        checked += CheckTextsFit(&about, language);
        ChangeMapDialog mapping(QStringLiteral("Mobile Phone"), &window);
        mapping.show();
        checked += CheckTextsFit(&mapping, language);

        // Each page of the wizard, both ways.
        {
            ImportExportWizard wizard(&window, 95);
            wizard.SetExportCounts(2, 5);
            wizard.show();
            checked += CheckTextsFit(&wizard, language);
            wizard.OperationPage()->SetOperation(ImportExportChoices::kExport);
            wizard.next();
            checked += CheckTextsFit(&wizard, language);
        }
        {
            // The server page, with its list headings.
            ImportExportWizard wizard(&window, 95);
            wizard.show();
            wizard.next();
            wizard.next();
            wizard.FilePage()->SetFromServer(true);
            checked += CheckTextsFit(&wizard, language);
            wizard.next();
            EXPECT_EQ(wizard.currentId(), ImportExportWizard::kImportServerPage) << language.toStdString();
            checked += CheckTextsFit(&wizard, language);
        }
        ImportExportWizard wizard(&window, 95);
        wizard.show();
        wizard.next();
        checked += CheckTextsFit(&wizard, language);
        wizard.next();
        wizard.FilePage()->SetFileName(contacts);
        checked += CheckTextsFit(&wizard, language);
        wizard.next();
        ASSERT_EQ(wizard.currentId(), ImportExportWizard::kImportMappingPage) << language.toStdString();
        checked += CheckTextsFit(&wizard, language);
        EXPECT_GT(checked, 40) << language.toStdString();
    }
}
