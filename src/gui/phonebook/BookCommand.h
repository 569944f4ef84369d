#pragma once

#include <QUndoCommand>

// A step of the phone-book page's undo history.
class BookCommand : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    // False for a step that leaves the book as a file would store it, such as a sort: it alone
    // does not make the book changed.
    virtual bool MarksChanged() const { return true; }
};
