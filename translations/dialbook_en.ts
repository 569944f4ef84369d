<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CardDavClient</name>
    <message numerus="yes">
        <source>%n cards came without their data</source>
        <translation>
            <numerusform>%n card came without its data</numerusform>
            <numerusform>%n cards came without their data</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactCommands</name>
    <message numerus="yes">
        <source>Would add %n entries to %1 (nothing written)</source>
        <translation>
            <numerusform>Would add %n entry to %1 (nothing written)</numerusform>
            <numerusform>Would add %n entries to %1 (nothing written)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n entries to %1</source>
        <translation>
            <numerusform>Added %n entry to %1</numerusform>
            <numerusform>Added %n entries to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>Wrote %n entry to %1</numerusform>
            <numerusform>Wrote %n entries to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message numerus="yes">
        <source>%n characters that the handset cannot store were left out of the imported names.</source>
        <translation>
            <numerusform>%n character that the handset cannot store was left out of the imported names.</numerusform>
            <numerusform>%n characters that the handset cannot store were left out of the imported names.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n numbers came from another column, as the mapped one was empty.</source>
        <translation>
            <numerusform>%n number came from another column, as the mapped one was empty.</numerusform>
            <numerusform>%n numbers came from another column, as the mapped one was empty.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n numbers were rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>
            <numerusform>%n number was rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</numerusform>
            <numerusform>%n numbers were rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts had no name and were left out.</source>
        <translation>
            <numerusform>%n contact had no name and was left out.</numerusform>
            <numerusform>%n contacts had no name and were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were named after their organisation.</source>
        <translation>
            <numerusform>%n contact was named after its organisation.</numerusform>
            <numerusform>%n contacts were named after their organisation.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhonebookCommands</name>
    <message numerus="yes">
        <source>Received %n entries into %1</source>
        <translation>
            <numerusform>Received %n entry into %1</numerusform>
            <numerusform>Received %n entries into %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %n entries</source>
        <translation>
            <numerusform>Sent %n entry</numerusform>
            <numerusform>Sent %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in the computer&apos;s book and are not sent.</source>
        <translation>
            <numerusform>%n entry without a name or a number stays in the computer&apos;s book and is not sent.</numerusform>
            <numerusform>%n entries without a name or a number stay in the computer&apos;s book and are not sent.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>Exported %n contact to %1.</numerusform>
            <numerusform>Exported %n contacts to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Phone book sent: %n entries.</source>
        <translation>
            <numerusform>Phone book sent: %n entry.</numerusform>
            <numerusform>Phone book sent: %n entries.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate entries selected.</source>
        <translation>
            <numerusform>%n duplicate entry selected.</numerusform>
            <numerusform>%n duplicate entries selected.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in this phone book and are not sent.</source>
        <translation>
            <numerusform>%n entry without a name or a number stays in this phone book and is not sent.</numerusform>
            <numerusform>%n entries without a name or a number stay in this phone book and are not sent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Phone book synced: the handset holds %n entries.</source>
        <translation>
            <numerusform>Phone book synced: the handset holds %n entry.</numerusform>
            <numerusform>Phone book synced: the handset holds %n entries.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhonebookSend</name>
    <message numerus="yes">
        <source>This deletes all %n entries on the handset.</source>
        <translation>
            <numerusform>This deletes the %n entry on the handset.</numerusform>
            <numerusform>This deletes all %n entries on the handset.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhonebookSync</name>
    <message numerus="yes">
        <source>The merged phone book would hold %n entries (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</source>
        <extracomment>%n: the entries the merge gives; %L1 and %L2: the entries of the two books merged.</extracomment>
        <translation>
            <numerusform>The merged phone book would hold %n entry (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</numerusform>
            <numerusform>The merged phone book would hold %n entries (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</numerusform>
        </translation>
    </message>
</context>
</TS>
