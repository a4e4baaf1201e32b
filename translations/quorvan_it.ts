<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>HistoryDialog</name>
    <message>
        <source>%1 memory channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 memory channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 VFOs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 CALL channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 CALL channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 DTMF memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 DTMF memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 program VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 program VFOs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 menu value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 menu values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No earlier state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in entry %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Compared with what the radio held after the read of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared with what the radio held after the write of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared with what the write of %1 was to leave; that write may not have ended, so what it wrote is checked first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has changed since the last read or write of this radio (%1); nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing differs from %1; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest backup of this radio cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest backup of this radio is dated later than now (%1; is the computer&apos;s clock right?): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written to the radio: what it is to hold could not be kept first: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio was written, but what it now holds could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write did not end, and what it was to leave could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 changed item to the radio?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 changed items to the radio?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 item differs from what it holds now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 items differ from what it holds now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio already holds its state of %1; nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data read could not be kept as a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data written could not be kept as a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data replaced could not be kept as a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user guide could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language chosen is used when Quorvan is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check comport status.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio is invalid.
Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio holds this document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio holds what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio does not hold this document:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio was changed since it was last read or written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at the last read or write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once, or give --since.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The write did not end; the next write of changes completes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next write of changes writes again what the radio did not take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete the write that did not end?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pin of this backup could not be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These two backups hold no part of the radio in common: nothing to compare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last memory channel is in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These rows were not pasted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These rows were adjusted or skipped:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit (%1 rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut (%1 rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste into (%1 rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete (%1 rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV (%1 row)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV (%1 rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Selected (%1 rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Frequency : %1MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset : %1MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmable VFO : %1-%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Memory Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Rx(Tx) Freq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Freq.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> DTMF Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset/Tx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvan Files (*.qvx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files(*.csv);;All Files(*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLabel</name>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These channels were left out because their frequency cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RadioCommands</name>
    <message>
        <source>Write Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::BandChannelForm</name>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::ChangeSelectedDialog</name>
    <message>
        <source>Change Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The band&apos;s extra shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift and Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::CsvImportDialog</name>
    <message>
        <source>By Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the selected channel on, in file order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected channel: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a channel from 0 to 399 to place the rows from there on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the rows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::DiagnosticReportDialog</name>
    <message>
        <source>Diagnostic Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record Transfers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::FindBar</name>
    <message>
        <source>Find (name or MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>×</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::FindRadioDialog</name>
    <message>
        <source>&amp;Use Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying the serial ports one at a time...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying %1 (%2 of %3)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A radio answered. Use its port?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 radios answered. Choose the port to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial ports were found. Check that the cable&apos;s adapter is plugged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No radio answered. Check that the radio is on and its cable is plugged in at both ends, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::FrequencyGroup</name>
    <message>
        <source>Rx Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::HelpTopics</name>
    <message>
        <source>The user guide was not found.
It is installed with Quorvan as share/doc/quorvan/user-guide.md; it was looked for as:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Differences:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No state of the radio %1 is kept yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;States of the radio %1, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un&amp;pin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select two entries to see what differs between them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries %1 and %2 hold the same.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage1</name>
    <message>
        <source>&quot;A&quot; Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;B&quot; Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Operation Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power on Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage2</name>
    <message>
        <source>R&amp;X/TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Narrow %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Repeater Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1750Hz Tone Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Bands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPageControls</name>
    <message>
        <source>Change %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::PortMenu</name>
    <message>
        <source>Other...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is invalid.
Please check comport status.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::ReportDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TAboutBox</name>
    <message>
        <source>About Quorvan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvan for the ARVEN and BELTO dual-band radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later; it comes with no warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 0.00 Beta %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TCallForm</name>
    <message>
        <source>CALL Channel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TDtmfForm</name>
    <message>
        <source>DTMF Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::THelpForm</name>
    <message>
        <source>Quorvan Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No section &quot;%1&quot; in the guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TMainForm</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diagnostic Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify &amp;After Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Selected...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory channel &amp;Sort...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Memory Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Row at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Comment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TMemoryForm</name>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TSetupForm</name>
    <message>
        <source>Quorvan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TSortForm</name>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Channel Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TVfoForm</name>
    <message>
        <source>VfoForm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TWelcomeForm</name>
    <message>
        <source>Quorvan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory channel programming for ARVEN and BELTO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::ToneGroup</name>
    <message>
        <source>Tone/CTCSS/DCS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvan::TransferDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
