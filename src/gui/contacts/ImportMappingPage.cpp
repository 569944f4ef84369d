#include "gui/contacts/ImportMappingPage.h"

#include "gui/contacts/ChangeMapDialog.h"
#include "gui/shell/UserPrompts.h"

#include "core/contacts/ContactImport.h"
#include "core/contacts/DelimitedFile.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const kNoRowSelected = "No row selected.";
constexpr int kTargetRole = Qt::UserRole;

}  // namespace

ImportMappingPage::ImportMappingPage(QWidget* parent) : QWizardPage(parent)
{
    setTitle(QStringLiteral("Import Contacts"));
    setSubTitle(QStringLiteral("Import Field Mapping"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Import Text Field"), QStringLiteral("Orvak Phonebook Field")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->header()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(m_list);
    auto* change = new QPushButton(QStringLiteral("Change Map"), this);
    connect(change, &QPushButton::clicked, this, &ImportMappingPage::OnChangeMap);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &ImportMappingPage::OnChangeMap);
    layout->addWidget(change, 0, Qt::AlignRight);
    setFinalPage(true);
}

bool ImportMappingPage::LoadFile(const QString& path)
{
    m_list->clear();
    m_headers.clear();
    m_map.Reset();
    DelimitedFile file;
    const bool read = file.Read(path, DelimitedFile::READ_AS_STRING);
    if (!read || file.HeaderCount() == 0 || file.HeaderCount() > ImportFieldMap::kMaxColumn) {
        UserPrompts::Current().Ask(this, CouldNotReadText(), UserPrompts::Buttons::Ok,
                                   UserPrompts::Icon::Warning);
        return false;
    }
    for (int i = 0; i < file.HeaderCount(); ++i) {
        QString header;
        file.GetHeader(i, header);
        m_headers.append(header);
        new QTreeWidgetItem(m_list, {header, QString()});
    }
    // When several columns look alike, the first wins and the rest stay out.
    m_map = ImportFieldMap::Guess(m_headers, file.ColumnsWithValues());
    for (int i = 0; i < file.HeaderCount(); ++i)
        ShowRow(i, m_map.TargetOf(i));
    return true;
}

void ImportMappingPage::ShowRow(int row, int target)
{
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    item->setText(1, ImportFieldMap::Label(target));
    item->setData(0, kTargetRole, target);
}

int ImportMappingPage::RowTarget(int row) const
{
    const QTreeWidgetItem* item = m_list->topLevelItem(row);
    return item ? item->data(0, kTargetRole).toInt() : ImportFieldMap::kNotImported;
}

void ImportMappingPage::ChangeRow(int row, int target)
{
    m_map.Clear(RowTarget(row));
    if (target >= ImportFieldMap::kPhoneNumber && target <= ImportFieldMap::kLastName &&
        m_map.Assign(target, row) == Msg::Ok) {
        ShowRow(row, target);
        return;
    }
    ShowRow(row, ImportFieldMap::kNotImported);
}

void ImportMappingPage::OnChangeMap()
{
    QTreeWidgetItem* current = m_list->currentItem();
    if (!current || !current->isSelected()) {
        UserPrompts::Current().Ask(this, QString::fromLatin1(kNoRowSelected), UserPrompts::Buttons::Ok,
                                   UserPrompts::Icon::Warning);
        return;
    }
    const int row = m_list->indexOfTopLevelItem(current);
    const int own = RowTarget(row);
    ChangeMapDialog dialog(m_headers.value(row), this);
    for (int t = ImportFieldMap::kPhoneNumber; t <= ImportFieldMap::kLastName; ++t)
        dialog.SetEnabled(t, m_map.Column(t) < 0);
    if (own != ImportFieldMap::kNotImported) {
        dialog.SetEnabled(own, true);
        dialog.SetChecked(own, true);
    }
    if (dialog.exec() == QDialog::Accepted)
        ChangeRow(row, dialog.CheckedTarget());
}
