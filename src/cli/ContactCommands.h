#pragma once

#include "cli/PhonebookCommands.h"
#include "cli/ServerCommands.h"

#include <QString>
#include <QStringList>

// What `dialbook import` was asked beside its two files.
struct ImportRequest {
    // "phone=COL,first=COL,last=COL" or any part of it, COL a header text, a column number from
    // 1, or "none"; phone may name several columns, "phone=COL1|COL2", tried in that order. The
    // targets it leaves out keep the guessed column.
    QString mapTargets;
    // Digits dialled before a country code, for a number written with "+".
    QString internationalPrefix = QStringLiteral("00");
    // Only contacts with any of these categories; empty: all.
    QStringList categories;
    // Only the first this many of those; -1: all.
    int first = -1;
    // Print the entries and write nothing.
    bool dryRun = false;
    // For contacts on a CardDAV server.
    ServerOptions server;
};

// `dialbook import CONTACTS BOOK.opbk`: the contacts of a comma-delimited or vCard file, or of an
// address book on a CardDAV server (CONTACTS an http(s) address), appended
// to BOOK.opbk (a new book when it does not exist), and the book saved whole. When more are
// asked for than the book has room for, nothing is written.
int RunImportCommand(const CommandConsole& console, const QString& contacts, const QString& book,
                     const ImportRequest& request);

// `dialbook export BOOK.opbk OUT`: every entry of the book, as vCard when OUT ends in .vcf,
// else as comma-delimited text.
int RunExportCommand(const CommandConsole& console, const QString& book, const QString& out);
