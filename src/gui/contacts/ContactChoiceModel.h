#pragma once

#include "core/contacts/ContactImport.h"
#include "core/contacts/ContactSelection.h"

#include <QAbstractListModel>

#include <vector>

// The contacts of a file as the mapping page lists them: one checkable row per contact of the
// chosen category, "name, number", checked when it is chosen for the book.
class ContactChoiceModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // A new list; the contacts chosen before stay chosen where the same row of the file is
    // still in it, when `keepChoice` is set and the user had chosen.
    void SetContacts(const ContactList& list, int room, bool keepChoice);
    const ContactList& Contacts() const { return m_list; }
    const ContactSelection& Selection() const { return m_selection; }

    // Shows the contacts of `category` and chooses them, as many as fit; empty: all, the
    // choice kept.
    void SetCategory(const QString& category);
    void ChooseFirstThatFit();
    void ChooseNone();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void choiceChanged();

private:
    void RebuildShown();
    // After a choice made for every contact at once.
    void ChoseAll();

    ContactList m_list;
    ContactSelection m_selection;
    // The contacts shown, as indices into m_list.contacts.
    std::vector<int> m_shown;
    bool m_userChose = false;
};
