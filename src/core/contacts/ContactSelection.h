#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct ContactList;

// Which contacts of a file go into the book, when the file holds more than fit: each contact
// chosen or not, a filter by category that limits what is shown and what "the first that fit"
// takes, and the count against the room left.
class ContactSelection {
public:
    // All chosen when they fit in `room`; none otherwise, for the user to choose.
    void Reset(const ContactList& list, int room);

    int Count() const { return static_cast<int>(m_chosen.size()); }
    int Room() const { return m_room; }
    bool Chosen(int index) const;
    void SetChosen(int index, bool chosen);
    int ChosenCount() const { return m_chosenCount; }
    // Something is chosen, and no more than there is room for.
    bool Fits() const { return m_chosenCount > 0 && m_chosenCount <= m_room; }

    // Only contacts of this category are shown; empty: all.
    void SetCategory(const QString& category);
    QString Category() const { return m_wanted.value(0); }
    // Only contacts of any of these categories are shown; empty: all.
    void SetCategories(const QStringList& categories, Qt::CaseSensitivity sensitivity);
    bool Shown(int index) const;
    // Chooses the first `n` shown contacts, and no others.
    void ChooseFirst(int n);
    // Chooses the first shown contacts that fit in the room, and no others.
    void ChooseFirstThatFit() { ChooseFirst(m_room); }
    void ChooseNone();
    // The chosen indices, in file order.
    std::vector<int> ChosenIndices() const;

private:
    std::vector<bool> m_chosen;
    std::vector<QStringList> m_categories;
    QStringList m_wanted;
    Qt::CaseSensitivity m_sensitivity = Qt::CaseSensitive;
    int m_room = 0;
    int m_chosenCount = 0;
};
