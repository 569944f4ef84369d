#include "gui/shell/AboutDialog.h"

#include "gui/shell/Artwork.h"
#include "gui/shell/WelcomePage.h"

#include "core/common/StringTable.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace {

constexpr std::uint32_t kVersion = 324;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About the Orvak Dialbook"));
    auto* icon = new QLabel(this);
    icon->setPixmap(Artwork::ProgramIcon().pixmap(48, 48));
    auto* name = new QLabel(LoadString(Msg::AppTitle), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* about = new QLabel(tr("Phone book and picture manager for Orvak handsets."), this);
    auto* web = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(QString::fromLatin1(WelcomePage::kMakerWebAddress)), this);
    web->setOpenExternalLinks(true);
    m_version = new QLabel(LoadString(kVersion), this);
    m_version->setObjectName(QStringLiteral("version"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(about, 1, 1);
    grid->addWidget(web, 2, 1);
    grid->addWidget(m_version, 3, 1);
    grid->addWidget(buttons, 4, 0, 1, 2, Qt::AlignCenter);
    setFixedSize(sizeHint());
}

QString AboutDialog::VersionText() const
{
    return m_version->text();
}
