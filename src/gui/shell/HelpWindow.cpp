#include "gui/shell/HelpWindow.h"

#include "gui/shell/AboutDialog.h"

#include "core/common/StringTable.h"

#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<HelpWindow> g_help;

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    //: %1 is the program's name.
    setWindowTitle(tr("%1 Help").arg(LoadString(Msg::AppTitle)));
    resize(560, 520);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* about = buttons->addButton(tr("About..."), QDialogButtonBox::HelpRole);
    // Modal to this window only: an operation's progress window and its Cancel stay usable.
    connect(about, &QPushButton::clicked, this, [this] {
        auto* dialog = new AboutDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
}

HelpWindow* HelpWindow::ShowContext(std::uint32_t context, QWidget* parent)
{
    if (!g_help)
        g_help = new HelpWindow(parent);
    g_help->Load(context);
    g_help->show();
    g_help->raise();
    g_help->activateWindow();
    return g_help;
}

void HelpWindow::Quit()
{
    if (g_help)
        g_help->close();
}

void HelpWindow::Load(std::uint32_t context)
{
    m_context = context;
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/%1.html").arg(context)));
}

QString HelpWindow::PageTitle() const
{
    return m_browser->documentTitle();
}
