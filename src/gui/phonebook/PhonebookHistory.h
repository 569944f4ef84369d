#pragma once

#include "core/phonebook/PhonebookEntry.h"

#include <QObject>
#include <QUndoStack>

#include <optional>
#include <vector>

// The phone-book document's undo history, and whether the book differs from the one last saved,
// opened or received.
//
// The book counts as changed when its entries differ from those it had then, in any order: a
// sort alone changes nothing, and undoing back, or typing the old text back, makes it
// unchanged again. Each book shown (after New Phonebook, Open, Get or a restore) has its own
// unchanged entries; the step that brings a book in swaps them with those of the book it
// replaces.
class PhonebookHistory : public QObject {
    Q_OBJECT
public:
    explicit PhonebookHistory(QObject* parent = nullptr);

    // Records a step and carries it out (see the step's redo).
    void Push(QUndoCommand* command);
    void Undo();
    void Redo();
    bool CanUndo() const { return m_stack.canUndo(); }
    bool CanRedo() const { return m_stack.canRedo(); }
    QString UndoText() const { return m_stack.undoText(); }
    QString RedoText() const { return m_stack.redoText(); }

    // The entries in the order the unchanged ones are kept in, so that any order compares equal.
    static std::vector<PhonebookEntry> InAnyOrder(std::vector<PhonebookEntry> entries);

    // `entries` are the book as saved.
    void MarkUnchanged(std::vector<PhonebookEntry> entries);
    bool Modified(std::vector<PhonebookEntry> entries) const;

    // Keys typed into a field merge into one step while the field's edit session lasts; moving
    // to another row or field, leaving the field, an undo or a save starts another.
    int EditSession() const { return m_editSession; }
    void EndEditSession() { ++m_editSession; }

    // For a step that brings in another book: the unchanged entries of the book it keeps.
    void SwapUnchanged(std::optional<std::vector<PhonebookEntry>>& other) { std::swap(m_unchanged, other); }

signals:
    // After every push, undo, redo and save.
    void changed();

private:
    QUndoStack m_stack;
    // Sorted; none for a book that was never saved.
    std::optional<std::vector<PhonebookEntry>> m_unchanged = std::vector<PhonebookEntry>{};
    int m_editSession = 0;
};
