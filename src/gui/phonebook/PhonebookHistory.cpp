#include "gui/phonebook/PhonebookHistory.h"

#include "gui/phonebook/BookCommand.h"

#include <algorithm>

PhonebookHistory::PhonebookHistory(QObject* parent) : QObject(parent) {}

void PhonebookHistory::Push(BookCommand* command)
{
    // The steps above the current one are dropped with the push; so is an unchanged point
    // among them.
    if (m_unchanged > m_stack.index())
        m_unchanged = -1;
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

void PhonebookHistory::MarkUnchanged()
{
    EndEditSession();
    m_unchanged = m_stack.index();
    emit changed();
}

bool PhonebookHistory::Modified() const
{
    if (m_unchanged < 0)
        return true;
    const int now = m_stack.index();
    for (int i = std::min(now, m_unchanged); i < std::max(now, m_unchanged); ++i) {
        if (static_cast<const BookCommand*>(m_stack.command(i))->MarksChanged())
            return true;
    }
    return false;
}
