#pragma once

#include "gui/phonebook/BookState.h"

#include <QUndoCommand>

#include <optional>
#include <vector>

class PhonebookEditTarget;
class PhonebookHistory;

// A step already carried out on the document (New, Delete Selected, a sort, an import, a book
// replaced, or a whole book brought in), kept as the document before and after it.
class BookStateCommand : public QUndoCommand {
public:
    enum class Kind {
        kEntries,    // the entries or their order changed
        kWholeBook,  // another book: New Phonebook, Open, Get, a restore
    };

    // `unchanged` is, for a whole book, its entries as saved, opened or received; none for a
    // book that was never saved (a restored one).
    BookStateCommand(PhonebookEditTarget& target, PhonebookHistory& history, const QString& text, Kind kind,
                     BookState before, BookState after,
                     std::optional<std::vector<PhonebookEntry>> unchanged = std::nullopt);

    void undo() override;
    void redo() override;

private:
    PhonebookEditTarget& m_target;
    PhonebookHistory& m_history;
    Kind m_kind;
    BookState m_before;
    BookState m_after;
    // The unchanged entries of the book this step does not show.
    std::optional<std::vector<PhonebookEntry>> m_otherUnchanged;
    // The first redo comes with the push, after the document has already carried the step out.
    bool m_done = true;
};
