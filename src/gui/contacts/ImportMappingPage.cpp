#include "gui/contacts/ImportMappingPage.h"

#include "gui/contacts/BackgroundFileRead.h"
#include "gui/contacts/ChangeMapDialog.h"
#include "gui/contacts/ContactChoiceModel.h"
#include "gui/shell/UserPrompts.h"

#include "core/contacts/ContactImport.h"
#include "core/contacts/DelimitedFile.h"
#include "core/phonebook/PhonebookLimits.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTargetRole = Qt::UserRole;
constexpr int kMappingRowsShown = 10;

QString Quoted(const QString& header)
{
    return ImportMappingPage::tr("\u201c%1\u201d").arg(header);
}

}  // namespace

ImportMappingPage::ImportMappingPage(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Import Contacts"));
    setSubTitle(tr("Import Field Mapping"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setAccessibleName(tr("Field mapping"));
    m_list->setHeaderLabels({tr("Import Text Field"), tr("Orvak Phonebook Field")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->header()->setSectionResizeMode(QHeaderView::Stretch);
    // Room for the columns of a Google or Outlook export to be seen a good part at a time.
    m_list->setMinimumHeight(m_list->fontMetrics().height() * kMappingRowsShown);
    layout->addWidget(m_list, 1);
    auto* change = new QPushButton(tr("Change Map"), this);
    connect(change, &QPushButton::clicked, this, &ImportMappingPage::OnChangeMap);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &ImportMappingPage::OnChangeMap);
    layout->addWidget(change, 0, Qt::AlignRight);

    m_numberNote = new QLabel(this);
    m_numberNote->setWordWrap(true);
    m_numberNote->setTextFormat(Qt::PlainText);
    layout->addWidget(m_numberNote);
    auto* prefixRow = new QFormLayout;
    m_prefix = new QLineEdit(QStringLiteral("00"), this);
    m_prefix->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(ImportOptions::kMaxPrefixDigits)), m_prefix));
    m_prefix->setMaximumWidth(m_prefix->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    m_prefix->setToolTip(tr("What a leading \u201c+\u201d is dialled as: 00 in most of the world, 011 in North America."));
    prefixRow->addRow(tr("&Prefix for \u201c+\u201d:"), m_prefix);
    layout->addLayout(prefixRow);
    connect(m_prefix, &QLineEdit::textChanged, this, [this] { Remake(); });

    auto* chooser = new QGroupBox(tr("Contacts"), this);
    auto* chooserLayout = new QVBoxLayout(chooser);
    m_countText = new QLabel(chooser);
    m_countText->setWordWrap(true);
    m_countText->setTextFormat(Qt::PlainText);
    chooserLayout->addWidget(m_countText);
    auto* filterRow = new QHBoxLayout;
    auto* categoryLabel = new QLabel(tr("C&ategory:"), chooser);
    m_category = new QComboBox(chooser);
    categoryLabel->setBuddy(m_category);
    m_firstThatFit = new QPushButton(tr("&Select the First That Fit"), chooser);
    filterRow->addWidget(categoryLabel);
    filterRow->addWidget(m_category, 1);
    filterRow->addWidget(m_firstThatFit);
    chooserLayout->addLayout(filterRow);
    m_contactModel = new ContactChoiceModel(this);
    m_contacts = new QListView(chooser);
    m_contacts->setModel(m_contactModel);
    m_contacts->setUniformItemSizes(true);
    m_contacts->setAccessibleName(tr("Contacts to import"));
    chooserLayout->addWidget(m_contacts);
    layout->addWidget(chooser, 1);

    connect(m_category, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_contactModel->SetCategory(index <= 0 ? QString() : m_category->itemText(index));
        ShowCount();
    });
    connect(m_firstThatFit, &QPushButton::clicked, this, &ImportMappingPage::OnChooseFirstThatFit);
    connect(m_contactModel, &ContactChoiceModel::choiceChanged, this, [this] {
        ShowCount();
        emit completeChanged();
    });
    setFinalPage(true);
}

ImportMappingPage::~ImportMappingPage() = default;

bool ImportMappingPage::LoadFile(const QString& path)
{
    FileFailure failure;
    std::shared_ptr<DelimitedFile> file = ReadInBackground(this, path, &failure);
    if (!file) {
        Clear();
        UserPrompts::Current().Ask(this, CouldNotReadText(failure), UserPrompts::Buttons::Ok,
                                   UserPrompts::Icon::Warning);
        return false;
    }
    return LoadTable(std::move(file), path, Origin::File);
}

bool ImportMappingPage::LoadTable(std::shared_ptr<DelimitedFile> table, const QString& name, Origin origin)
{
    Clear();
    if (const FileFailure failure = UnusableColumns(*table, name); failure.IsSet()) {
        UserPrompts::Current().Ask(this, CouldNotReadText(failure), UserPrompts::Buttons::Ok,
                                   UserPrompts::Icon::Warning);
        return false;
    }
    m_origin = origin;
    m_headers = table->Headers();
    for (const QString& header : m_headers)
        new QTreeWidgetItem(m_list, {header, QString()});
    m_file = std::move(table);
    // When several columns look alike, the first wins and the rest stay out; a phone column
    // that nobody filled in is passed over for one that has numbers.
    m_map = ImportFieldMap::Guess(m_headers, m_file->ColumnsWithValues());
    for (int i = 0; i < m_file->HeaderCount(); ++i)
        ShowRow(i, m_map.TargetOf(i));
    m_contactModel->SetContacts(ContactList(), m_room, false);
    Remake();
    return true;
}

void ImportMappingPage::Clear()
{
    m_list->clear();
    m_headers.clear();
    m_map.Reset();
    m_file.reset();
    Remake();
}

void ImportMappingPage::SetRoom(int room)
{
    m_room = std::clamp(room, 0, static_cast<int>(MAX_PHONEBOOK_ENTRIES));
}

ImportOptions ImportMappingPage::Options() const
{
    ImportOptions options;
    options.map = m_map;
    if (!m_prefix->text().isEmpty())
        options.internationalPrefix = m_prefix->text();
    return options;
}

std::shared_ptr<const ContactList> ImportMappingPage::Contacts() const
{
    if (!m_file)
        return nullptr;
    return std::make_shared<const ContactList>(m_contactModel->Contacts());
}

std::vector<int> ImportMappingPage::Chosen() const
{
    return m_contactModel->Selection().ChosenIndices();
}

bool ImportMappingPage::isComplete() const
{
    const ContactSelection& s = m_contactModel->Selection();
    // Nothing to choose from (no name mapped, say) goes on to Finish, which says what is wrong.
    return s.ChosenCount() <= s.Room() && (s.ChosenCount() > 0 || s.Count() == 0);
}

void ImportMappingPage::Remake()
{
    const ContactList list = m_file ? ReadContacts(*m_file, Options()) : ContactList();
    m_contactModel->SetContacts(list, m_room, true);
    ShowCategories();
    ShowNumberOrder();
    ShowCount();
    emit completeChanged();
}

void ImportMappingPage::ShowNumberOrder()
{
    const int phone = m_map.Column(ImportFieldMap::kPhoneNumber);
    if (!m_file) {
        m_numberNote->clear();
        return;
    }
    if (phone < 0) {
        m_numberNote->setText(tr("No column is mapped to the phone number: the contacts are imported without numbers."));
        return;
    }
    const std::vector<int> order = ImportFieldMap::PhoneOrder(m_headers, phone);
    QStringList others;
    for (std::size_t i = 1; i < order.size(); ++i)
        others.append(Quoted(m_headers.value(order[i])));
    if (others.isEmpty()) {
        m_numberNote->setText(tr("Numbers are taken from %1.").arg(Quoted(m_headers.value(phone))));
        return;
    }
    if (others.size() == 1) {
        m_numberNote->setText(tr("Numbers are taken from %1; where it is empty, from %2.")
                                  .arg(Quoted(m_headers.value(phone)), others.constFirst()));
        return;
    }
    m_numberNote->setText(tr("Numbers are taken from %1; where it is empty, from the first of %2 that has one.")
                              .arg(Quoted(m_headers.value(phone)), others.join(tr(", "))));
}

void ImportMappingPage::ShowCount()
{
    const ContactSelection& s = m_contactModel->Selection();
    const bool fits = s.Count() <= s.Room();
    m_firstThatFit->setEnabled(s.Count() > 0);
    m_category->setEnabled(m_category->count() > 1);
    if (!m_file) {
        m_countText->clear();
        return;
    }
    QString text;
    if (m_origin == Origin::AddressBook) {
        text = !fits ? tr("The address book holds %1 contacts; the book has room for %2.").arg(s.Count()).arg(s.Room())
               : s.Count() == 1 ? tr("The address book holds 1 contact; it fits in the book.")
                                : tr("The address book holds %1 contacts; all of them fit in the book.").arg(s.Count());
    } else {
        text = !fits            ? NoRoomText(s.Count(), s.Room())
               : s.Count() == 1 ? tr("The file holds 1 contact; it fits in the book.")
                                : tr("The file holds %1 contacts; all of them fit in the book.").arg(s.Count());
    }
    text += u' ';
    text += tr("%1 chosen, room for %2.").arg(s.ChosenCount()).arg(s.Room());
    if (const int line = m_contactModel->Contacts().stoppedAtLine; line > 0)
        text += u' ' + tr("Only the file's lines before line %1 were read: the rest is more than an import can use.").arg(line);
    if (s.ChosenCount() > s.Room())
        text += u' ' + tr("Uncheck some, or choose a category, to go on.");
    m_countText->setText(text);
}

void ImportMappingPage::ShowCategories()
{
    const QString current = m_contactModel->Selection().Category();
    const QSignalBlocker quiet(m_category);
    m_category->clear();
    m_category->addItem(tr("All categories"));
    m_category->addItems(m_contactModel->Contacts().categories);
    const int at = current.isEmpty() ? 0 : m_category->findText(current);
    m_category->setCurrentIndex(at < 0 ? 0 : at);
}

void ImportMappingPage::OnChooseFirstThatFit()
{
    m_contactModel->ChooseFirstThatFit();
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
    } else {
        ShowRow(row, ImportFieldMap::kNotImported);
    }
    Remake();
}

void ImportMappingPage::OnChangeMap()
{
    QTreeWidgetItem* current = m_list->currentItem();
    if (!current || !current->isSelected()) {
        UserPrompts::Current().Ask(this, tr("No row selected."), UserPrompts::Buttons::Ok,
                                   UserPrompts::Icon::Warning);
        return;
    }
    const int row = m_list->indexOfTopLevelItem(current);
    const int own = RowTarget(row);
    ChangeMapDialog dialog(m_headers.value(row), this);
    for (int t = ImportFieldMap::kPhoneNumber; t <= ImportFieldMap::kLastName; ++t) {
        const int holder = m_map.Column(t);
        if (holder >= 0 && t != own)
            dialog.SetTaken(t, m_headers.value(holder));
    }
    if (own != ImportFieldMap::kNotImported)
        dialog.SetChecked(own, true);
    if (dialog.exec() == QDialog::Accepted)
        ChangeRow(row, dialog.CheckedTarget());
}
