#pragma once

#include <string>

struct BookState;

// What the undo steps change: the page, through these two calls only.
class PhonebookEditTarget {
public:
    virtual ~PhonebookEditTarget() = default;
    // Shows `state`: its entries, selection and sort directions, and with `wholeBook` its file
    // and handset too.
    virtual void ApplyState(const BookState& state, bool wholeBook) = 0;
    // Sets one field of one row and selects that row, so that the user sees what changed.
    virtual void ApplyField(int row, int column, const std::string& text) = 0;
};
