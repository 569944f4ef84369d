#pragma once

#include <QUndoCommand>

#include <string>

class PhonebookEditTarget;

// One edit of a name or a number field. The keys typed into the field while it keeps the
// focus merge into one step; typing the old text back leaves no step at all.
class FieldEditCommand : public QUndoCommand {
public:
    FieldEditCommand(PhonebookEditTarget& target, int row, int column, std::string before, std::string after,
                     int editSession);

    void undo() override;
    void redo() override;
    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int kId = 1;

    PhonebookEditTarget& m_target;
    int m_row;
    int m_column;
    std::string m_before;
    std::string m_after;
    int m_editSession;
};
