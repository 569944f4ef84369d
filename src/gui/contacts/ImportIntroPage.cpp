#include "gui/contacts/ImportIntroPage.h"

#include <QLabel>
#include <QVBoxLayout>

ImportIntroPage::ImportIntroPage(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Import/Export"));
    auto* layout = new QVBoxLayout(this);
    auto* steps = new QLabel(this);
    steps->setTextFormat(Qt::RichText);
    steps->setWordWrap(true);
    steps->setText(tr(
        "<ol>"
        "<li>Export your contacts from your other contact manager (for example your e-mail program "
        "or your phone's account) to a comma-delimited text file (CSV) or a vCard file.</li>"
        "<li>Press <b>Next</b> and locate that file.</li>"
        "<li>Press <b>Next</b> and check how the file's fields map to the phone book. Use "
        "<b>Change Map</b> to adjust the mapping.</li>"
        "</ol>"));
    layout->addWidget(steps);
    auto* server = new QLabel(this);
    server->setWordWrap(true);
    server->setText(tr("Contacts kept on a server that speaks CardDAV (such as a calendar and contacts "
                       "server of your own or your provider's) are read straight from it: choose the "
                       "server on the next page."));
    layout->addWidget(server);
    layout->addStretch();
}
