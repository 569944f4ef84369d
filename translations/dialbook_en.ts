<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
</TS>
