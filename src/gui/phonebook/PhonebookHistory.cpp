#include "gui/phonebook/PhonebookHistory.h"

#include <algorithm>

PhonebookHistory::PhonebookHistory(QObject* parent) : QObject(parent) {}

void PhonebookHistory::Push(QUndoCommand* command)
{
    m_stack.push(command);
    emit changed();
}

void PhonebookHistory::Undo()
{
    EndEditSession();
    m_stack.undo();
    emit changed();
}

void PhonebookHistory::Redo()
{
    EndEditSession();
    m_stack.redo();
    emit changed();
}

void PhonebookHistory::MarkUnchanged(std::vector<PhonebookEntry> entries)
{
    EndEditSession();
    m_unchanged = InAnyOrder(std::move(entries));
    emit changed();
}

bool PhonebookHistory::Modified(std::vector<PhonebookEntry> entries) const
{
    if (!m_unchanged || entries.size() != m_unchanged->size())
        return true;
    return InAnyOrder(std::move(entries)) != *m_unchanged;
}

std::vector<PhonebookEntry> PhonebookHistory::InAnyOrder(std::vector<PhonebookEntry> entries)
{
    std::sort(entries.begin(), entries.end());
    return entries;
}
