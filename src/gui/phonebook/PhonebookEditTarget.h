#pragma once

#include <string>

struct BookState;

// What the undo steps change: the document, through these two calls only.
class PhonebookEditTarget {
public:
    virtual ~PhonebookEditTarget() = default;
    // Puts `state` back: its entries, selection, sort directions and handset identity, and with
    // `wholeBook` whether a book is open and its file too.
    virtual void ApplyState(const BookState& state, bool wholeBook) = 0;
    // Sets one field of one row and selects that row, so that the user sees what changed.
    virtual void ApplyField(int row, int column, const std::string& text) = 0;
};
