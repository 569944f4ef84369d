#pragma once

#include "core/contacts/ContactImport.h"
#include "core/contacts/ImportFieldMap.h"
#include "core/phonebook/PhonebookLimits.h"

#include <QStringList>
#include <QWizardPage>

#include <memory>

class ContactChoiceModel;
class DelimitedFile;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTreeWidget;

// Import: which column of the file goes where, and which of its contacts. The file is read
// once, on a worker, when the page comes up (an address book's cards come read already); the mapping is guessed afresh from its headers
// and Change Map adjusts one row. Under the mapping a note tells the order numbers are looked
// for in, and the list of the file's contacts shows what the mapping makes of them, each with
// a check box: when the file holds more than the book has room for, the user picks which.
class ImportMappingPage : public QWizardPage {
    Q_OBJECT
public:
    explicit ImportMappingPage(QWidget* parent = nullptr);
    ~ImportMappingPage() override;

    // Where the contacts come from, for the words that count them.
    enum class Origin { File, AddressBook };

    // Reads the file and guesses the mapping. False, after telling the user, when the file
    // cannot be read or has no columns or more than 254.
    bool LoadFile(const QString& path);
    // The same for a table read already (an address book's cards): `name` says where it came
    // from in a warning.
    bool LoadTable(std::shared_ptr<DelimitedFile> table, const QString& name, Origin origin);
    // The entries the book has room for; the choice is checked against it.
    void SetRoom(int room);

    const ImportFieldMap& Map() const { return m_map; }
    ImportOptions Options() const;
    // The contacts as the mapping makes them, and which are chosen.
    std::shared_ptr<const ContactList> Contacts() const;
    std::vector<int> Chosen() const;
    ContactChoiceModel* ContactModel() const { return m_contactModel; }

    QTreeWidget* List() const { return m_list; }
    QLabel* NumberNote() const { return m_numberNote; }
    QLabel* CountText() const { return m_countText; }
    QComboBox* CategoryBox() const { return m_category; }
    QLineEdit* PrefixEdit() const { return m_prefix; }
    // The target of row `row` (ImportFieldMap::Target).
    int RowTarget(int row) const;
    // Sets row `row` to `target` (-1: not imported) as the Change Map dialog's OK does.
    void ChangeRow(int row, int target);
    void OnChangeMap();
    void OnChooseFirstThatFit();

    int nextId() const override { return -1; }
    // Finish waits until no more contacts are chosen than there is room for.
    bool isComplete() const override;

private:
    // Nothing read: no mapping, no contacts.
    void Clear();
    void ShowRow(int row, int target);
    // The contacts made again from the reading, after the mapping or the prefix changed.
    void Remake();
    void ShowNumberOrder();
    void ShowCount();
    void ShowCategories();

    QTreeWidget* m_list = nullptr;
    QLabel* m_numberNote = nullptr;
    QLineEdit* m_prefix = nullptr;
    QLabel* m_countText = nullptr;
    QComboBox* m_category = nullptr;
    QPushButton* m_firstThatFit = nullptr;
    QListView* m_contacts = nullptr;
    ContactChoiceModel* m_contactModel = nullptr;
    ImportFieldMap m_map;
    QStringList m_headers;
    std::shared_ptr<DelimitedFile> m_file;
    Origin m_origin = Origin::File;
    int m_room = static_cast<int>(MAX_PHONEBOOK_ENTRIES);
};
