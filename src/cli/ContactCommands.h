#pragma once

#include "cli/PhonebookCommands.h"

#include <QString>

// `dialbook import CONTACTS BOOK.opbk`: the rows of a comma-delimited or vCard file appended to
// BOOK.opbk (a new book when it does not exist), as the wizard's Finish appends them, and the
// book saved whole. `mapTargets` is "phone=COL,first=COL,last=COL" or any part of it, COL a header
// text, a column number from 1, or "none"; the targets it leaves out keep the guessed column.
// With `dryRun` the entries are printed and nothing is written.
int RunImportCommand(const CommandConsole& console, const QString& contacts, const QString& book,
                     const QString& mapTargets, bool dryRun);

// `dialbook export BOOK.opbk OUT`: every entry of the book, as vCard when OUT ends in .vcf,
// else as comma-delimited text.
int RunExportCommand(const CommandConsole& console, const QString& book, const QString& out);
