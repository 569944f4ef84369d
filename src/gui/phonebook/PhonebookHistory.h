#pragma once

#include <QObject>
#include <QUndoStack>

class BookCommand;

// The phone-book page's undo history, and whether the book differs from the one last saved,
// opened or received.
//
// Each book shown (after New Phonebook, Open, Get or a restore) has its own unchanged point
// in the history. The step that brings a book in swaps that point with the one of the book it
// replaces, so that undoing the step makes the old book unchanged again if it was.
class PhonebookHistory : public QObject {
    Q_OBJECT
public:
    explicit PhonebookHistory(QObject* parent = nullptr);

    // Records a step and carries it out (see the step's redo).
    void Push(BookCommand* command);
    void Undo();
    void Redo();
    bool CanUndo() const { return m_stack.canUndo(); }
    bool CanRedo() const { return m_stack.canRedo(); }
    QString UndoText() const { return m_stack.undoText(); }
    QString RedoText() const { return m_stack.redoText(); }
    int Index() const { return m_stack.index(); }

    // The book as it is now is the one saved.
    void MarkUnchanged();
    // Some step between the unchanged point and now changes the book; or there is no such point.
    bool Modified() const;

    // Keys typed into a field merge into one step while the field's edit session lasts; moving
    // to another row or field, leaving the field, an undo or a save starts another.
    int EditSession() const { return m_editSession; }
    void EndEditSession() { ++m_editSession; }

    // For a step that brings in another book: its unchanged point for the one kept.
    void SwapUnchangedPoint(int& other) { std::swap(m_unchanged, other); }

signals:
    // After every push, undo, redo and save.
    void changed();

private:
    QUndoStack m_stack;
    // The history index at which the book shown was unchanged; -1 when it never was, or when
    // that point was dropped with the steps redone from it.
    int m_unchanged = 0;
    int m_editSession = 0;
};
