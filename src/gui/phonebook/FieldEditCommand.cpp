#include "gui/phonebook/FieldEditCommand.h"

#include "gui/phonebook/PhonebookEditTarget.h"

#include "gui/phonebook/PhonebookListModel.h"

#include <QCoreApplication>

#include <utility>

FieldEditCommand::FieldEditCommand(PhonebookEditTarget& target, int row, int column, std::string before,
                                   std::string after, int editSession)
    : m_target(target), m_row(row), m_column(column), m_before(std::move(before)), m_after(std::move(after)),
      m_editSession(editSession)
{
    setText(column == PhonebookListModel::kNameColumn ? QCoreApplication::translate("PhonebookPage", "Name Edit")
                                                      : QCoreApplication::translate("PhonebookPage", "Number Edit"));
}

void FieldEditCommand::undo()
{
    m_target.ApplyField(m_row, m_column, m_before);
}

void FieldEditCommand::redo()
{
    m_target.ApplyField(m_row, m_column, m_after);
}

bool FieldEditCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const FieldEditCommand*>(other);
    if (next->m_row != m_row || next->m_column != m_column || next->m_editSession != m_editSession)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}
