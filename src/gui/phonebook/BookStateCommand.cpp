#include "gui/phonebook/BookStateCommand.h"

#include "gui/phonebook/PhonebookEditTarget.h"
#include "gui/phonebook/PhonebookHistory.h"

#include <utility>

BookStateCommand::BookStateCommand(PhonebookEditTarget& target, PhonebookHistory& history, const QString& text,
                                   Kind kind, BookState before, BookState after,
                                   std::optional<std::vector<PhonebookEntry>> unchanged)
    : m_target(target), m_history(history), m_kind(kind), m_before(std::move(before)), m_after(std::move(after)),
      m_otherUnchanged(std::move(unchanged))
{
    setText(text);
}

void BookStateCommand::undo()
{
    m_target.ApplyState(m_before, m_kind == Kind::kWholeBook);
    if (m_kind == Kind::kWholeBook)
        m_history.SwapUnchanged(m_otherUnchanged);
}

void BookStateCommand::redo()
{
    if (!std::exchange(m_done, false))
        m_target.ApplyState(m_after, m_kind == Kind::kWholeBook);
    if (m_kind == Kind::kWholeBook)
        m_history.SwapUnchanged(m_otherUnchanged);
}
