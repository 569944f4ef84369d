#pragma once

#include "gui/phonebook/BookCommand.h"
#include "gui/phonebook/BookState.h"

class PhonebookEditTarget;
class PhonebookHistory;

// A step already carried out on the page (New, Delete Selected, a sort, an import, or a whole
// book brought in), kept as the page before and after it.
class BookStateCommand : public BookCommand {
public:
    enum class Kind {
        kEntries,    // the entries changed
        kOrder,      // only their order: the book as a file would store it is the same
        kWholeBook,  // another book: New Phonebook, Open, Get, a restore
    };

    // `unchangedPoint` is, for a whole book, the history index at which it is unchanged: the
    // index after this step, or -1 for a book that was never saved (a restored one).
    BookStateCommand(PhonebookEditTarget& target, PhonebookHistory& history, const QString& text, Kind kind,
                     BookState before, BookState after, int unchangedPoint = -1);

    void undo() override;
    void redo() override;
    bool MarksChanged() const override { return m_kind != Kind::kOrder; }

private:
    PhonebookEditTarget& m_target;
    PhonebookHistory& m_history;
    Kind m_kind;
    BookState m_before;
    BookState m_after;
    int m_otherUnchangedPoint;
    // The first redo comes with the push, after the page has already carried the step out.
    bool m_done = true;
};
