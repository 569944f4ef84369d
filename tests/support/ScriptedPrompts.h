#pragma once

#include "gui/shell/UserPrompts.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

// Answers message boxes and file dialogs from a script, and remembers what was asked.
class ScriptedPrompts final : public UserPrompts {
public:
    ScriptedPrompts() { Install(this); }
    ~ScriptedPrompts() override { Install(nullptr); }

    Answer Ask(QWidget*, const QString& text, Buttons offered, Icon) override
    {
        asked.append(text);
        buttons.append(offered);
        if (onAsk)
            onAsk(text);
        if (answers.empty())
            return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString OpenFileName(QWidget*, const QString&, const QString& filter) override
    {
        openFilters.append(filter);
        return Next();
    }
    QString SaveFileName(QWidget*, const QString& proposed, const QString&, const QString& defaultSuffix,
                         bool) override
    {
        proposedNames.append(proposed);
        QString name = Next();
        // As the real dialog does: a name without an extension gets the default one.
        if (!name.isEmpty() && !defaultSuffix.isEmpty() && !name.section(u'/', -1).contains(u'.'))
            name += u'.' + defaultSuffix;
        return name;
    }

    QStringList asked;
    // The buttons of each question, in the order asked.
    QList<Buttons> buttons;
    QStringList proposedNames;
    QStringList openFilters;
    // Called with each question before it is answered, to change the world in between.
    std::function<void(const QString&)> onAsk;
    std::deque<Answer> answers;
    std::deque<QString> files;

private:
    QString Next()
    {
        if (files.empty())
            return {};
        QString f = files.front();
        files.pop_front();
        return f;
    }
};
