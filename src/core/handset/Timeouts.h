#pragma once

// Every time limit of the handset link and the transfers, in milliseconds, with the values
// the handset was designed against. Tests scale the process-wide copy down; nothing else
// changes it.
struct Timeouts {
    int commandWriteMs = 2000;
    // Reply and data reports wait reportBaseMs + (OutLen / 256) * reportPer256Ms.
    int reportBaseMs = 2000;
    int reportPer256Ms = 500;
    // Control commands (op code 3) may take this long to answer, whatever the report length.
    int controlReplyMs = 5000;
    int abortReplyMs = 500;
    // How long a simulated handset may take to greet a new connection.
    int helloMs = 1000;
    int transferLockMs = 2500;
    int pageLockMs = 500;

    // The designed values divided by `divisor`, at least 1 ms each.
    static Timeouts Scaled(int divisor);
};

Timeouts& HandsetTimeouts();

// The wait for a reply or data report on a handset whose output reports are outLen bytes.
int ReportTimeoutMs(const Timeouts& t, int outLen);
