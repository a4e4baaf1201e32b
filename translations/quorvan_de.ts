<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DocumentLifecycle</name>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>%1 memory channel</source>
        <translation>%1 Speicherkanal</translation>
    </message>
    <message>
        <source>%1 memory channels</source>
        <translation>%1 Speicherkanäle</translation>
    </message>
    <message>
        <source>%1 VFO</source>
        <translation>%1 VFO</translation>
    </message>
    <message>
        <source>%1 VFOs</source>
        <translation>%1 VFOs</translation>
    </message>
    <message>
        <source>%1 CALL channel</source>
        <translation>%1 CALL-Kanal</translation>
    </message>
    <message>
        <source>%1 CALL channels</source>
        <translation>%1 CALL-Kanäle</translation>
    </message>
    <message>
        <source>%1 DTMF memory</source>
        <translation>%1 DTMF-Speicher</translation>
    </message>
    <message>
        <source>%1 DTMF memories</source>
        <translation>%1 DTMF-Speicher</translation>
    </message>
    <message>
        <source>%1 program VFO</source>
        <translation>%1 Programm-VFO</translation>
    </message>
    <message>
        <source>%1 program VFOs</source>
        <translation>%1 Programm-VFOs</translation>
    </message>
    <message>
        <source>%1 menu value</source>
        <translation>%1 Menüwert</translation>
    </message>
    <message>
        <source>%1 menu values</source>
        <translation>%1 Menüwerte</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ausgelesen</translation>
    </message>
    <message>
        <source>Memory read</source>
        <translation>Speicher ausgelesen</translation>
    </message>
    <message>
        <source>Menu read</source>
        <translation>Menü ausgelesen</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Ersetzt</translation>
    </message>
    <message>
        <source>Pending write</source>
        <translation>Schreiben offen</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Beschädigt</translation>
    </message>
    <message>
        <source>No earlier state</source>
        <translation>Kein früherer Stand</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>Keine Änderung</translation>
    </message>
    <message>
        <source>in entry %1</source>
        <translation>in Eintrag %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Compared with what the radio held after the read of %1.</source>
        <translation>Verglichen mit dem Inhalt des Funkgeräts nach dem Auslesen vom %1.</translation>
    </message>
    <message>
        <source>Compared with what the radio held after the write of %1.</source>
        <translation>Verglichen mit dem Inhalt des Funkgeräts nach dem Schreiben vom %1.</translation>
    </message>
    <message>
        <source>Compared with what the write of %1 was to leave; that write may not have ended, so what it wrote is checked first.</source>
        <translation>Verglichen mit dem, was das Schreiben vom %1 hinterlassen sollte; dieses Schreiben wurde womöglich nicht beendet, daher wird das Geschriebene zuerst geprüft.</translation>
    </message>
    <message>
        <source>Compared with %1.</source>
        <translation>Verglichen mit %1.</translation>
    </message>
    <message>
        <source>Nothing has changed since the last read or write of this radio (%1); nothing was sent.</source>
        <translation>Seit dem letzten Auslesen oder Schreiben dieses Funkgeräts (%1) hat sich nichts geändert; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Nothing differs from %1; nothing was sent.</source>
        <translation>Nichts weicht von %1 ab; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The newest backup of this radio cannot be read: %1</source>
        <translation>Die neueste Sicherung dieses Funkgeräts kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The newest backup of this radio is dated later than now (%1; is the computer&apos;s clock right?): %2.</source>
        <translation>Die neueste Sicherung dieses Funkgeräts ist später datiert als jetzt (%1; geht die Uhr des Computers richtig?): %2.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: what it is to hold could not be kept first: %1.</source>
        <translation>Es wurde nichts in das Funkgerät geschrieben: Der künftige Inhalt konnte vorher nicht gesichert werden: %1.</translation>
    </message>
    <message>
        <source>The radio was written, but what it now holds could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>Das Funkgerät wurde beschrieben, aber sein jetziger Inhalt konnte nicht gesichert werden: %1. Lesen Sie das Funkgerät vor dem nächsten Schreiben der Änderungen einmal aus.</translation>
    </message>
    <message>
        <source>The write did not end, and what it was to leave could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>Das Schreiben wurde nicht beendet, und was es hinterlassen sollte, konnte nicht gesichert werden: %1. Lesen Sie das Funkgerät vor dem nächsten Schreiben der Änderungen einmal aus.</translation>
    </message>
    <message>
        <source>Write %1 changed item to the radio?</source>
        <translation>%1 geänderten Eintrag in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>Write %1 changed items to the radio?</source>
        <translation>%1 geänderte Einträge in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 item differs from what it holds now.</source>
        <translation>Das Funkgerät auf seinen Stand vom %1 zurücksetzen? %2 Eintrag weicht vom jetzigen Inhalt ab.</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 items differ from what it holds now.</source>
        <translation>Das Funkgerät auf seinen Stand vom %1 zurücksetzen? %2 Einträge weichen vom jetzigen Inhalt ab.</translation>
    </message>
    <message>
        <source>The radio already holds its state of %1; nothing was sent.</source>
        <translation>Das Funkgerät hat bereits seinen Stand vom %1; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>Die Daten wurden geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>The data read could not be kept as a backup.</source>
        <translation>Die ausgelesenen Daten konnten nicht als Sicherung aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The data written could not be kept as a backup.</source>
        <translation>Die geschriebenen Daten konnten nicht als Sicherung aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The data replaced could not be kept as a backup.</source>
        <translation>Die ersetzten Daten konnten nicht als Sicherung aufbewahrt werden.</translation>
    </message>
    <message>
        <source>The user guide could not be read.</source>
        <translation>Das Benutzerhandbuch konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The language chosen is used when Quorvan is started again.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start von Quorvan.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check and try again.</source>
        <translation>Der COM-Port ist ungültig.
Bitte prüfen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check comport status.</source>
        <translation>Der COM-Port ist ungültig.
Bitte prüfen Sie den Zustand des COM-Ports.</translation>
    </message>
    <message>
        <source>The radio is invalid.
Please check and try again.</source>
        <translation>Das Funkgerät ist ungültig.
Bitte prüfen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>Zeitüberschreitung bei der Übertragung.</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>Möchten Sie die Daten in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known</source>
        <translation>Kein früheres Auslesen oder Schreiben dieses Funkgeräts ist bekannt</translation>
    </message>
    <message>
        <source>The radio holds this document.</source>
        <translation>Das Funkgerät enthält dieses Dokument.</translation>
    </message>
    <message>
        <source>The radio holds what was written.</source>
        <translation>Das Funkgerät enthält das Geschriebene.</translation>
    </message>
    <message>
        <source>The radio does not hold this document:</source>
        <translation>Das Funkgerät enthält dieses Dokument nicht:</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>Das Funkgerät enthält das Geschriebene nicht:</translation>
    </message>
    <message>
        <source>The radio was changed since it was last read or written:</source>
        <translation>Das Funkgerät wurde seit dem letzten Auslesen oder Schreiben geändert:</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Es wurde nichts in das Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>in the file</source>
        <translation>in der Datei</translation>
    </message>
    <message>
        <source>in the document</source>
        <translation>im Dokument</translation>
    </message>
    <message>
        <source>in the radio</source>
        <translation>im Funkgerät</translation>
    </message>
    <message>
        <source>at the last read or write</source>
        <translation>beim letzten Auslesen oder Schreiben</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once.</source>
        <translation>Es wurde nichts gesendet. Lesen Sie das Funkgerät einmal aus.</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once, or give --since.</source>
        <translation>Es wurde nichts gesendet. Lesen Sie das Funkgerät einmal aus oder geben Sie --since an.</translation>
    </message>
    <message>
        <source>The write did not end; the next write of changes completes it.</source>
        <translation>Das Schreiben wurde nicht beendet; das nächste Schreiben der Änderungen schließt es ab.</translation>
    </message>
    <message>
        <source>The next write of changes writes again what the radio did not take.</source>
        <translation>Das nächste Schreiben der Änderungen schreibt erneut, was das Funkgerät nicht angenommen hat.</translation>
    </message>
    <message>
        <source>Complete the write that did not end?</source>
        <translation>Das nicht beendete Schreiben abschließen?</translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be used.</source>
        <translation>Diese Sicherung ist beschädigt und kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The pin of this backup could not be changed.</source>
        <translation>Die Markierung dieser Sicherung konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>These two backups hold no part of the radio in common: nothing to compare.</source>
        <translation>Diese beiden Sicherungen haben keinen Teil des Funkgeräts gemeinsam: nichts zu vergleichen.</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>Ungültige Funktion.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Nicht gefunden.</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>Ungültige Frequenz.
Bitte prüfen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>Ungültige Ablage.
Bitte prüfen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>Die Frequenz wurde gerundet.</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>Der Inhalt wurde geändert.
Möchten Sie die Änderung übernehmen?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <translation>Der Inhalt wurde geändert.
Möchten Sie die Änderung übernehmen? </translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>Ungültige Kanalnummer.
Bitte prüfen Sie sie und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>Ungültiges Zeichen.
Bitte prüfen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The last memory channel is in use.</source>
        <translation>Der letzte Speicherkanal ist belegt.</translation>
    </message>
    <message>
        <source>These rows were not pasted:</source>
        <translation>Diese Zeilen wurden nicht eingefügt:</translation>
    </message>
    <message>
        <source>These rows were adjusted or skipped:</source>
        <translation>Diese Zeilen wurden angepasst oder übersprungen:</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Es ist kein Standarddrucker eingerichtet.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Edit (%1 rows)</source>
        <translation>Bearbeiten (%1 Zeilen)</translation>
    </message>
    <message>
        <source>Cut (%1 rows)</source>
        <translation>Ausschneiden (%1 Zeilen)</translation>
    </message>
    <message>
        <source>Paste into (%1 rows)</source>
        <translation>Einfügen (%1 Zeilen)</translation>
    </message>
    <message>
        <source>Delete (%1 rows)</source>
        <translation>Löschen (%1 Zeilen)</translation>
    </message>
    <message>
        <source>Import CSV (%1 row)</source>
        <translation>CSV importieren (%1 Zeile)</translation>
    </message>
    <message>
        <source>Import CSV (%1 rows)</source>
        <translation>CSV importieren (%1 Zeilen)</translation>
    </message>
    <message>
        <source>Change Selected (%1 rows)</source>
        <translation>Ausgewählte ändern (%1 Zeilen)</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>In %1 einfügen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Tx Frequency : %1MHz</source>
        <translation>Sendefrequenz : %1MHz</translation>
    </message>
    <message>
        <source>Offset : %1MHz</source>
        <translation>Ablage : %1MHz</translation>
    </message>
    <message>
        <source>Programmable VFO : %1-%2</source>
        <translation>Programm-VFO : %1-%2</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>Name : %1</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Nach Frequenz sortieren</translation>
    </message>
    <message>
        <source>Sort by Memory Name</source>
        <translation>Nach Speichername sortieren</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> Kan.</translation>
    </message>
    <message>
        <source> Rx(Tx) Freq.</source>
        <translation> RX(TX)-Freq.</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Name</translation>
    </message>
    <message>
        <source> Band</source>
        <translation> Band</translation>
    </message>
    <message>
        <source> Freq.</source>
        <translation> Freq.</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> Nr.</translation>
    </message>
    <message>
        <source> DTMF Code</source>
        <translation> DTMF-Code</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Offset/Tx</source>
        <translation>Ablage/TX</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: read the radio once.</source>
        <translation>Kein früheres Auslesen oder Schreiben dieses Funkgeräts ist bekannt: Lesen Sie das Funkgerät einmal aus.</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: write everything once.</source>
        <translation>Kein früheres Auslesen oder Schreiben dieses Funkgeräts ist bekannt: Schreiben Sie einmal alles.</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>440-MHz-Band</translation>
    </message>
    <message>
        <source>430MHz Band</source>
        <translation>430-MHz-Band</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>220-MHz-Band</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>-7.6MHz-Ablage</translation>
    </message>
    <message>
        <source>-6MHz Shift</source>
        <translation>-6MHz-Ablage</translation>
    </message>
    <message>
        <source>-20MHz Shift</source>
        <translation>-20MHz-Ablage</translation>
    </message>
    <message>
        <source>-6.0MHz Shift</source>
        <translation>-6.0MHz-Ablage</translation>
    </message>
    <message>
        <source>-20.0MHz Shift</source>
        <translation>-20.0MHz-Ablage</translation>
    </message>
    <message>
        <source>ARVENA (U.S.A./Canada)</source>
        <translation>ARVENA (USA/Kanada)</translation>
    </message>
    <message>
        <source>BELTOE (Europe)</source>
        <translation>BELTOE (Europa)</translation>
    </message>
    <message>
        <source>BELTO (Japan)</source>
        <translation>BELTO (Japan)</translation>
    </message>
    <message>
        <source>BELTOA (General market)</source>
        <translation>BELTOA (Allgemeiner Markt)</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 item.</source>
        <translation>Das Dokument weicht in %1 Eintrag vom Inhalt des Funkgeräts ab.</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 items.</source>
        <translation>Das Dokument weicht in %1 Einträgen vom Inhalt des Funkgeräts ab.</translation>
    </message>
    <message>
        <source>The radio may not hold %1 item of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>Das Funkgerät enthält %1 Eintrag des Dokuments womöglich nicht.
Das nächste Schreiben der Änderungen sendet ihn. Den Live-Modus trotzdem verlassen?</translation>
    </message>
    <message>
        <source>The radio may not hold %1 items of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>Das Funkgerät enthält %1 Einträge des Dokuments womöglich nicht.
Das nächste Schreiben der Änderungen sendet sie. Den Live-Modus trotzdem verlassen?</translation>
    </message>
    <message>
        <source>Live mode keeps the radio equal to this document.</source>
        <translation>Der Live-Modus hält das Funkgerät gleich diesem Dokument.</translation>
    </message>
    <message>
        <source>What this radio holds is not known: read it first.</source>
        <translation>Was dieses Funkgerät enthält, ist nicht bekannt: Lesen Sie es zuerst aus.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Incomplete read: %1 item was not read from the radio.</source>
        <translation>Unvollständig ausgelesen: %1 Eintrag wurde nicht aus dem Funkgerät gelesen.</translation>
    </message>
    <message>
        <source>Incomplete read: %1 items were not read from the radio.</source>
        <translation>Unvollständig ausgelesen: %1 Einträge wurden nicht aus dem Funkgerät gelesen.</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 item was not read from the radio. Write anyway?</source>
        <translation>Dieses Dokument enthält ein nicht beendetes Auslesen: %1 Eintrag wurde nicht aus dem Funkgerät gelesen. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 items were not read from the radio. Write anyway?</source>
        <translation>Dieses Dokument enthält ein nicht beendetes Auslesen: %1 Einträge wurden nicht aus dem Funkgerät gelesen. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Quorvan was closed without saving changes to %1 (%2).
Restore them?</source>
        <translation>Quorvan wurde beendet, ohne die Änderungen an %1 zu speichern (%2).
Wiederherstellen?</translation>
    </message>
    <message>
        <source>%1 is not on the %2 step; left at %3</source>
        <translation>%1 liegt nicht im Raster der Schrittweite %2; bei %3 belassen</translation>
    </message>
    <message>
        <source>File &gt; Export PDF... writes the same pages to a PDF file without a printer.</source>
        <translation>Datei &gt; PDF exportieren... schreibt dieselben Seiten ohne Drucker in eine PDF-Datei.</translation>
    </message>
    <message>
        <source>Read cancelled after %1 of %2 steps; the document holds what was read.</source>
        <translation>Auslesen nach %1 von %2 Schritten abgebrochen; das Dokument enthält, was gelesen wurde.</translation>
    </message>
    <message>
        <source>Read failed after %1 of %2 steps; the document holds what was read.</source>
        <translation>Auslesen nach %1 von %2 Schritten fehlgeschlagen; das Dokument enthält, was gelesen wurde.</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL, DTMF and menu in %2.</source>
        <translation>%1 Speicherkanäle, VFOs, CALL, DTMF und Menü in %2 ausgelesen.</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL and DTMF in %2.</source>
        <translation>%1 Speicherkanäle, VFOs, CALL und DTMF in %2 ausgelesen.</translation>
    </message>
    <message>
        <source>Read the menu in %1.</source>
        <translation>Menü in %1 ausgelesen.</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2; the radio holds it.</source>
        <translation>%1 geänderter Eintrag in %2 geschrieben; das Funkgerät enthält ihn.</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2; the radio holds them.</source>
        <translation>%1 geänderte Einträge in %2 geschrieben; das Funkgerät enthält sie.</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2.</source>
        <translation>%1 geänderter Eintrag in %2 geschrieben.</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2.</source>
        <translation>%1 geänderte Einträge in %2 geschrieben.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1; the radio holds them.</source>
        <translation>Speicherkanäle, VFOs, CALL, DTMF und Menü in %1 geschrieben; das Funkgerät enthält sie.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1.</source>
        <translation>Speicherkanäle, VFOs, CALL, DTMF und Menü in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1; the radio holds them.</source>
        <translation>Speicherkanäle, VFOs, CALL und DTMF in %1 geschrieben; das Funkgerät enthält sie.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1.</source>
        <translation>Speicherkanäle, VFOs, CALL und DTMF in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Wrote the menu in %1; the radio holds them.</source>
        <translation>Menü in %1 geschrieben; das Funkgerät enthält es.</translation>
    </message>
    <message>
        <source>Wrote the menu in %1.</source>
        <translation>Menü in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Verified in %1: the radio holds this document.</source>
        <translation>In %1 geprüft: das Funkgerät enthält dieses Dokument.</translation>
    </message>
    <message>
        <source>Verified in %1: %2 field differs from this document.</source>
        <translation>In %1 geprüft: %2 Feld weicht von diesem Dokument ab.</translation>
    </message>
    <message>
        <source>Verified in %1: %2 fields differ from this document.</source>
        <translation>In %1 geprüft: %2 Felder weichen von diesem Dokument ab.</translation>
    </message>
    <message>
        <source>Exported %1 channel to %2.</source>
        <translation>%1 Kanal nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Exported %1 channels to %2.</source>
        <translation>%1 Kanäle nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Export failed: %1 was not written.</source>
        <translation>Export fehlgeschlagen: %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Import failed: %1 is not a channel list.</source>
        <translation>Import fehlgeschlagen: %1 ist keine Kanalliste.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Aus %1 wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Imported %1 channel from %2.</source>
        <translation>%1 Kanal aus %2 importiert.</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2.</source>
        <translation>%1 Kanäle aus %2 importiert.</translation>
    </message>
    <message>
        <source>Import failed: %1 could not be read.</source>
        <translation>Import fehlgeschlagen: %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Nothing was written: the write&apos;s journal could not be kept.</source>
        <translation>Nichts wurde geschrieben: das Protokoll des Schreibens konnte nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio changed since it was last read.</source>
        <translation>Nichts wurde geschrieben: das Funkgerät wurde seit dem letzten Auslesen geändert.</translation>
    </message>
    <message>
        <source>Write cancelled; the radio may hold part of it.</source>
        <translation>Schreiben abgebrochen; das Funkgerät enthält vielleicht einen Teil davon.</translation>
    </message>
    <message>
        <source>Write failed; the radio may hold part of it.</source>
        <translation>Schreiben fehlgeschlagen; das Funkgerät enthält vielleicht einen Teil davon.</translation>
    </message>
    <message>
        <source>Nothing needed writing; the radio holds it.</source>
        <translation>Nichts musste geschrieben werden; das Funkgerät enthält es bereits.</translation>
    </message>
    <message>
        <source>Verify cancelled.</source>
        <translation>Prüfen abgebrochen.</translation>
    </message>
    <message>
        <source>Verify failed; nothing was compared.</source>
        <translation>Prüfen fehlgeschlagen; nichts wurde verglichen.</translation>
    </message>
    <message>
        <source>Checking %1 item</source>
        <translation>%1 Eintrag wird geprüft</translation>
    </message>
    <message>
        <source>Checking %1 items</source>
        <translation>%1 Einträge werden geprüft</translation>
    </message>
    <message>
        <source>Reading back %1 item</source>
        <translation>%1 Eintrag wird zurückgelesen</translation>
    </message>
    <message>
        <source>Reading back %1 items</source>
        <translation>%1 Einträge werden zurückgelesen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2, about %3 left</source>
        <translation>%1 von %2, noch etwa %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 von %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3, about %4 left</source>
        <translation>%1: %2 von %3, noch etwa %4</translation>
    </message>
    <message>
        <source>Band lists</source>
        <translation>Bandlisten</translation>
    </message>
    <message>
        <source>Writing: Band lists</source>
        <translation>Schreiben: Bandlisten</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>Writing: Memory channels</source>
        <translation>Schreiben: Speicherkanäle</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>CALL-Kanäle</translation>
    </message>
    <message>
        <source>Writing: CALL channels</source>
        <translation>Schreiben: CALL-Kanäle</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFOs</translation>
    </message>
    <message>
        <source>Writing: VFOs</source>
        <translation>Schreiben: VFOs</translation>
    </message>
    <message>
        <source>Programmable VFOs</source>
        <translation>Programm-VFOs</translation>
    </message>
    <message>
        <source>Writing: Programmable VFOs</source>
        <translation>Schreiben: Programm-VFOs</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>Writing: DTMF memories</source>
        <translation>Schreiben: DTMF-Speicher</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Writing: Menu</source>
        <translation>Schreiben: Menü</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <comment>the form of a time in a message: d day, MM month, yyyy year, HH:mm hours and minutes</comment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>%1.%2 s</source>
        <translation>%1,%2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>something answered, but not as a radio of this family</source>
        <translation>etwas hat geantwortet, aber nicht als Funkgerät dieser Familie</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>belegt: von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>cannot be opened as a serial port</source>
        <translation>lässt sich nicht als serieller Port öffnen</translation>
    </message>
    <message>
        <source>the line failed</source>
        <translation>die Verbindung ist ausgefallen</translation>
    </message>
    <message>
        <source>You have no permission to use %1.</source>
        <translation>Sie haben keine Berechtigung, %1 zu verwenden.</translation>
    </message>
    <message>
        <source>You are a member of the group &quot;%1&quot; that may use it, but not yet in this session.</source>
        <translation>Sie sind Mitglied der Gruppe „%1“, die ihn verwenden darf, aber noch nicht in dieser Sitzung.</translation>
    </message>
    <message>
        <source>It may be used by the members of the group &quot;%1&quot;. To join it, run</source>
        <translation>Die Mitglieder der Gruppe „%1“ dürfen ihn verwenden. Um der Gruppe beizutreten, führen Sie</translation>
    </message>
    <message>
        <source>%1 does not exist; no serial adapter is plugged in.</source>
        <translation>%1 existiert nicht; es ist kein serieller Adapter eingesteckt.</translation>
    </message>
    <message>
        <source>%1 does not exist; plugged adapters: %2.</source>
        <translation>%1 existiert nicht; eingesteckte Adapter: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a serial port.</source>
        <translation>%1 lässt sich nicht als serieller Port öffnen.</translation>
    </message>
    <message>
        <source>Check that the radio is on and not showing one of its menus, that the cable is seated at both ends and that %1 is the cable&apos;s port.</source>
        <translation>Prüfen Sie, ob das Funkgerät eingeschaltet ist und keines seiner Menüs zeigt, ob das Kabel an beiden Enden fest sitzt und ob %1 der Port des Kabels ist.</translation>
    </message>
    <message>
        <source>The line to %1 failed during the transfer; check that the cable is seated and its adapter still plugged in.</source>
        <translation>Die Verbindung zu %1 ist während der Übertragung ausgefallen; prüfen Sie, ob das Kabel fest sitzt und sein Adapter noch eingesteckt ist.</translation>
    </message>
    <message>
        <source>The radio did not accept 1 command.
The first was &quot;%1&quot;.
Please check the radio and try again.</source>
        <translation>Das Funkgerät hat 1 Befehl nicht angenommen.
Es war „%1“.
Bitte prüfen Sie das Funkgerät und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio did not accept %1 commands.
The first was &quot;%2&quot;.
Please check the radio and try again.</source>
        <translation>Das Funkgerät hat %1 Befehle nicht angenommen.
Der erste war „%2“.
Bitte prüfen Sie das Funkgerät und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No complete answer within %1 seconds.</source>
        <translation>Keine vollständige Antwort innerhalb von %1 Sekunden.</translation>
    </message>
    <message>
        <source>The adapter is %1: Prolific&apos;s Windows drivers since 2012 refuse the PL2303HXA and PL2303XA chips they no longer support, and counterfeit PL2303 chips; Device Manager then shows the adapter with a warning sign and nothing goes through it.</source>
        <translation>Der Adapter ist %1: Die Windows-Treiber von Prolific verweigern seit 2012 die nicht mehr unterstützten Chips PL2303HXA und PL2303XA sowie gefälschte PL2303-Chips; der Geräte-Manager zeigt den Adapter dann mit einem Warnzeichen, und nichts geht hindurch.</translation>
    </message>
    <message>
        <source>The adapter is %1: Product id 0000 is what an FTDI driver for Windows of 2014 wrote into counterfeit FT232R chips to stop them working.</source>
        <translation>Der Adapter ist %1: Die Produkt-ID 0000 hat ein FTDI-Treiber für Windows von 2014 in gefälschte FT232R-Chips geschrieben, um sie stillzulegen.</translation>
    </message>
    <message>
        <source>The adapter is %1: Newer FTDI drivers for Windows send &quot;NON GENUINE DEVICE FOUND!&quot; instead of the data through counterfeit FT232R chips.</source>
        <translation>Der Adapter ist %1: Neuere FTDI-Treiber für Windows senden über gefälschte FT232R-Chips „NON GENUINE DEVICE FOUND!“ statt der Daten.</translation>
    </message>
    <message>
        <source>The adapter is %1: ModemManager may send modem commands to a newly plugged ttyACM device for some seconds; try again after a moment, or have ModemManager ignore the device (ID_MM_DEVICE_IGNORE in a udev rule).</source>
        <translation>Der Adapter ist %1: ModemManager sendet einem neu eingesteckten ttyACM-Gerät womöglich einige Sekunden lang Modembefehle; versuchen Sie es nach einem Moment erneut, oder lassen Sie ModemManager das Gerät übergehen (ID_MM_DEVICE_IGNORE in einer udev-Regel).</translation>
    </message>
    <message>
        <source>%1, type %2</source>
        <translation>%1, Typ %2</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer for read and write access to it.</source>
        <translation>Bitten Sie den Administrator dieses Computers um Lese- und Schreibzugriff darauf.</translation>
    </message>
    <message>
        <source>Log out and log in again.</source>
        <translation>Melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>then log out and log in again.</source>
        <translation>aus und melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>Der Port wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Live paused: %1 item not confirmed.</source>
        <translation>Live angehalten: %1 Eintrag nicht bestätigt.</translation>
    </message>
    <message>
        <source>Live paused: %1 items not confirmed.</source>
        <translation>Live angehalten: %1 Einträge nicht bestätigt.</translation>
    </message>
    <message>
        <source>Live: sending %1 item...</source>
        <translation>Live: %1 Eintrag wird gesendet...</translation>
    </message>
    <message>
        <source>Live: sending %1 items...</source>
        <translation>Live: %1 Einträge werden gesendet...</translation>
    </message>
    <message>
        <source>The journal of the write could not be kept: %1 Nothing was sent.</source>
        <translation>Das Protokoll des Schreibens konnte nicht gesichert werden: %1 Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The radio did not accept &quot;%1&quot;.</source>
        <translation>Das Funkgerät hat „%1“ nicht angenommen.</translation>
    </message>
    <message>
        <source>Live mode is paused: the radio may not hold %1.</source>
        <translation>Der Live-Modus ist angehalten: Das Funkgerät enthält möglicherweise %1 nicht.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>memory channel %1</source>
        <translation>Speicherkanal %1</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>CALL channel %1</source>
        <translation>CALL-Kanal %1</translation>
    </message>
    <message>
        <source>DTMF memory %1</source>
        <translation>DTMF-Speicher %1</translation>
    </message>
    <message>
        <source>program VFO %1</source>
        <translation>Programm-VFO %1</translation>
    </message>
    <message>
        <source>menu value %1</source>
        <translation>Menüwert %1</translation>
    </message>
    <message>
        <source>the comment</source>
        <translation>den Kommentar</translation>
    </message>
    <message>
        <source>The radio answered %1.</source>
        <translation>Das Funkgerät antwortete %1.</translation>
    </message>
    <message>
        <source>The radio reports type %1; this document is for %2.</source>
        <translation>Das Funkgerät meldet den Typ %1; dieses Dokument ist für %2.</translation>
    </message>
    <message>
        <source>Live: radio holds the document.</source>
        <translation>Live: Das Funkgerät enthält das Dokument.</translation>
    </message>
    <message>
        <source>The exchange with the radio did not end.</source>
        <translation>Der Austausch mit dem Funkgerät wurde nicht beendet.</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when live mode began. Nothing was sent.</source>
        <translation>Das Funkgerät enthält nicht mehr, was es zu Beginn des Live-Modus enthielt. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The items sent were not read back.</source>
        <translation>Die gesendeten Einträge wurden nicht zurückgelesen.</translation>
    </message>
    <message>
        <source>The radio gave back otherwise what was sent.</source>
        <translation>Das Funkgerät gab anders zurück, was gesendet wurde.</translation>
    </message>
    <message>
        <source>The document keeps every edit. Check the cable and the radio, then choose Resume: it reads what the radio holds and sends what it lacks.</source>
        <translation>Das Dokument behält jede Änderung. Prüfen Sie das Kabel und das Funkgerät und wählen Sie dann Fortsetzen: Es liest, was das Funkgerät enthält, und sendet, was ihm fehlt.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5 %6</source>
        <translation>%1: %2 %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DCS</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>tone frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>CTCSS frequency</source>
        <translation>CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>DCS-Code</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>lock out</source>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>transmit step</source>
        <translation>Sende-Schrittweite</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>Speicher %1</translation>
    </message>
    <message>
        <source>CALL %1</source>
        <translation>CALL %1</translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <translation>DTMF %1</translation>
    </message>
    <message>
        <source>menu %1</source>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>untere Grenze</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>obere Grenze</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Datensatz</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Quorvan Files (*.qvx)</source>
        <translation>Quorvan-Dateien (*.qvx)</translation>
    </message>
    <message>
        <source>CSV Files(*.csv);;All Files(*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Device path:</source>
        <translation>Gerätepfad:</translation>
    </message>
</context>
<context>
    <name>QLabel</name>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>These channels were left out because their frequency cannot be read: %1</source>
        <translation>Diese Kanäle wurden ausgelassen, weil ihre Frequenz nicht lesbar ist: %1</translation>
    </message>
</context>
<context>
    <name>RadioCommands</name>
    <message>
        <source>Write Changes</source>
        <translation>Änderungen schreiben</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>Trotzdem schreiben</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
</context>
<context>
    <name>quorvan::BandChannelForm</name>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
</context>
<context>
    <name>quorvan::ChangeSelectedDialog</name>
    <message>
        <source>Change Selected</source>
        <translation>Ausgewählte ändern</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Ablage plus</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Ablage minus</translation>
    </message>
    <message>
        <source>The band&apos;s extra shift</source>
        <translation>Sonderablage des Bandes</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DCS</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Shift and Offset</source>
        <translation>Ablage und Ablagefrequenz</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Suchlauf sperren</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Namensanfang</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Offset in MHz</source>
        <translation>Ablage in MHz</translation>
    </message>
    <message>
        <source>Tone kind</source>
        <translation>Tonart</translation>
    </message>
    <message>
        <source>Tone value</source>
        <translation>Tonwert</translation>
    </message>
</context>
<context>
    <name>quorvan::CsvImportDialog</name>
    <message>
        <source>By Location</source>
        <translation>Nach Speicherplatz</translation>
    </message>
    <message>
        <source>From the selected channel on, in file order</source>
        <translation>Ab dem gewählten Kanal, in der Reihenfolge der Datei</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Selected channel: %1</source>
        <translation>Gewählter Kanal: %1</translation>
    </message>
    <message>
        <source>Select a channel from 0 to 399 to place the rows from there on.</source>
        <translation>Wählen Sie einen Kanal von 0 bis 399, ab dem die Zeilen abgelegt werden.</translation>
    </message>
    <message>
        <source>Place the rows</source>
        <translation>Zeilen ablegen</translation>
    </message>
</context>
<context>
    <name>quorvan::DiagnosticReportDialog</name>
    <message>
        <source>Diagnostic Report</source>
        <translation>Diagnosebericht</translation>
    </message>
    <message>
        <source>&amp;Record Transfers</source>
        <translation>Übertragungen &amp;aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Diagnosebericht speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
</context>
<context>
    <name>quorvan::FindBar</name>
    <message>
        <source>Find (name or MHz)</source>
        <translation>Suchen (Name oder MHz)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <source>Find name or MHz</source>
        <translation>Name oder MHz suchen</translation>
    </message>
</context>
<context>
    <name>quorvan::FindRadioDialog</name>
    <message>
        <source>&amp;Use Port</source>
        <translation>Port &amp;verwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Find Radio</source>
        <translation>Funkgerät suchen</translation>
    </message>
    <message>
        <source>Trying the serial ports one at a time...</source>
        <translation>Die seriellen Ports werden nacheinander versucht...</translation>
    </message>
    <message>
        <source>Trying %1 (%2 of %3)...</source>
        <translation>%1 wird versucht (%2 von %3)...</translation>
    </message>
    <message>
        <source>A radio answered. Use its port?</source>
        <translation>Ein Funkgerät hat geantwortet. Seinen Port verwenden?</translation>
    </message>
    <message>
        <source>%1 radios answered. Choose the port to use.</source>
        <translation>%1 Funkgeräte haben geantwortet. Wählen Sie den zu verwendenden Port.</translation>
    </message>
    <message>
        <source>The search was cancelled.</source>
        <translation>Die Suche wurde abgebrochen.</translation>
    </message>
    <message>
        <source>No serial ports were found. Check that the cable&apos;s adapter is plugged in.</source>
        <translation>Es wurden keine seriellen Ports gefunden. Prüfen Sie, ob der Adapter des Kabels eingesteckt ist.</translation>
    </message>
    <message>
        <source>No radio answered. Check that the radio is on and its cable is plugged in at both ends, then try again.</source>
        <translation>Kein Funkgerät hat geantwortet. Prüfen Sie, ob das Funkgerät eingeschaltet und sein Kabel an beiden Enden eingesteckt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ports tried</source>
        <translation>Geprüfte Ports</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>What each serial port answered</source>
        <translation>Was jeder serielle Port geantwortet hat</translation>
    </message>
</context>
<context>
    <name>quorvan::FrequencyGroup</name>
    <message>
        <source>Rx Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>Split-Kanal</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Ablage plus</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Ablage minus</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
</context>
<context>
    <name>quorvan::HelpTopics</name>
    <message>
        <source>The user guide was not found.
It is installed with Quorvan as share/doc/quorvan/user-guide.md; it was looked for as:</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden.
Es wird mit Quorvan als share/doc/quorvan/user-guide.md installiert; gesucht wurde als:</translation>
    </message>
</context>
<context>
    <name>quorvan::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Differences:</source>
        <translation>&amp;Unterschiede:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Restore to Radio</source>
        <translation>Im Funkgerät &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>&amp;Markieren</translation>
    </message>
    <message>
        <source>No state of the radio %1 is kept yet.</source>
        <translation>Von Funkgerät %1 ist noch kein Stand aufbewahrt.</translation>
    </message>
    <message>
        <source>&amp;States of the radio %1, newest first:</source>
        <translation>&amp;Stände von Funkgerät %1, neueste zuerst:</translation>
    </message>
    <message>
        <source>Un&amp;pin</source>
        <translation>Markierung &amp;aufheben</translation>
    </message>
    <message>
        <source>Select two entries to see what differs between them.</source>
        <translation>Wählen Sie zwei Einträge, um ihre Unterschiede zu sehen.</translation>
    </message>
    <message>
        <source>Entries %1 and %2 hold the same.</source>
        <translation>Die Einträge %1 und %2 sind gleich.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>The radio&apos;s backups, newest first</source>
        <translation>Die Sicherungen des Funkgeräts, neueste zuerst</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveBanner</name>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Leave Live Mode</source>
        <translation>Live-Modus verlassen</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveMode</name>
    <message numerus="yes">
        <source>Write %n Changes First</source>
        <translation>
            <numerusform>Zuerst %n Änderung schreiben</numerusform>
            <numerusform>Zuerst %n Änderungen schreiben</numerusform>
        </translation>
    </message>
    <message>
        <source>Read the radio first?</source>
        <translation>Zuerst das Funkgerät auslesen?</translation>
    </message>
    <message>
        <source>Read the Radio First</source>
        <translation>Zuerst das Funkgerät auslesen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage1</name>
    <message>
        <source>&quot;A&quot; Band</source>
        <translation>Band „A“</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>&quot;B&quot; Band</source>
        <translation>Band „B“</translation>
    </message>
    <message>
        <source>&amp;Operation Band</source>
        <translation>&amp;Betriebsband</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>&amp;Balance</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>F&amp;unktion</translation>
    </message>
    <message>
        <source>Dual</source>
        <translation>Dual</translation>
    </message>
    <message>
        <source>ATT</source>
        <translation>ATT</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation>&amp;Stromversorgung</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Batteriesparen</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Automatisch ausschalten</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeige</translation>
    </message>
    <message>
        <source>Power on Message</source>
        <translation>Einschaltmeldung</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>D&amp;TMF</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMF-Sperre</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMF halten</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMF-Pause</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMF-Geschwindigkeit</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation>&amp;VOX</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>VOX-Verzögerung</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>VOX bei belegtem Kanal</translation>
    </message>
    <message>
        <source>From the A band at the left to the B band at the right</source>
        <translation>Von Band A links bis Band B rechts</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage2</name>
    <message>
        <source>R&amp;X/TX</source>
        <translation>&amp;RX/TX</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FM schmal</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>Re&amp;lais</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>So&amp;nstiges</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>Speichergruppen verbinden</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Senden sperren</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>Stabantenne</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>Beat Shift</translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation>Sendeleistung Band A</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation>Sendeleistung Band B</translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation>Leistung 1,2 GHz Band A</translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation>Leistung 1,2 GHz Band B</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>220-MHz-Band</translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation>KW-Band</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>440-MHz-Band</translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation>1,2-GHz-Band</translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation>144-MHz-Band</translation>
    </message>
    <message>
        <source>FM Narrow %1</source>
        <translation>FM schmal %1</translation>
    </message>
    <message>
        <source>Auto Repeater Offset</source>
        <translation>Automatische Relaisablage</translation>
    </message>
    <message>
        <source>1750Hz Tone Key</source>
        <translation>1750-Hz-Tontaste</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>1750-Hz-Ton halten</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>Abstimmen erlauben</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>Suchlauf fortsetzen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>Packet-Geschwindigkeit</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>Speicheraufruf</translation>
    </message>
    <message>
        <source>All Bands</source>
        <translation>Alle Bänder</translation>
    </message>
    <message>
        <source>Current Band</source>
        <translation>Aktuelles Band</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alkali</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPageControls</name>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
</context>
<context>
    <name>quorvan::PortMenu</name>
    <message>
        <source>Other...</source>
        <translation>Andere...</translation>
    </message>
    <message>
        <source>&amp;Find Radio</source>
        <translation>Funkgerät &amp;suchen</translation>
    </message>
    <message>
        <source>%1 is invalid.
Please check comport status.</source>
        <translation>%1 ist ungültig.
Bitte prüfen Sie den Zustand des COM-Ports.</translation>
    </message>
</context>
<context>
    <name>quorvan::ReportDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>quorvan::StatusAnnouncer</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>quorvan::TAboutBox</name>
    <message>
        <source>About Quorvan</source>
        <translation>Über Quorvan</translation>
    </message>
    <message>
        <source>Quorvan for the ARVEN and BELTO dual-band radios</source>
        <translation>Quorvan für die Dualband-Funkgeräte ARVEN und BELTO</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later; it comes with no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später; ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>Version 0.00 Beta %1</source>
        <translation>Version 0.00 Beta %1</translation>
    </message>
</context>
<context>
    <name>quorvan::TCallForm</name>
    <message>
        <source>CALL Channel</source>
        <translation>CALL-Kanal</translation>
    </message>
</context>
<context>
    <name>quorvan::TDtmfForm</name>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMF-Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>quorvan::TEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>quorvan::THelpForm</name>
    <message>
        <source>Quorvan Help</source>
        <translation>Quorvan-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Not found: &quot;%1&quot;</source>
        <translation>Nicht gefunden: „%1“</translation>
    </message>
    <message>
        <source>No section &quot;%1&quot; in the guide</source>
        <translation>Kein Abschnitt „%1“ im Handbuch</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
</context>
<context>
    <name>quorvan::TMainForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>&amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>All &amp;Columns</source>
        <translation>Alle &amp;Spalten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Diagnostic Report...</source>
        <translation>&amp;Diagnosebericht...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Änderungen</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Verify &amp;After Writing</source>
        <translation>Nach dem Schreiben p&amp;rüfen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>P&amp;ortauswahl</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;holen</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>Zeile e&amp;infügen</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Change &amp;Selected...</source>
        <translation>Ausgewählte ä&amp;ndern...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Memory channel &amp;Sort...</source>
        <translation>Speicherkanäle sor&amp;tieren...</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>&amp;Speicherkanal</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>&amp;VFO</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>&amp;CALL-Kanal</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>D&amp;TMF-Speicher</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Speicher</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>M&amp;enü</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>Speich&amp;er</translation>
    </message>
    <message>
        <source>Menu &amp;1</source>
        <translation>Menü &amp;1</translation>
    </message>
    <message>
        <source>Menu &amp;2</source>
        <translation>Menü &amp;2</translation>
    </message>
    <message>
        <source>Insert Row at %1</source>
        <translation>Zeile bei %1 einfügen</translation>
    </message>
    <message>
        <source>Remove Row %1</source>
        <translation>Zeile %1 entfernen</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>%1 nach oben</translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>%1 nach unten</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit Comment</source>
        <translation>Kommentar bearbeiten</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>&amp;Live Mode</source>
        <translation>L&amp;ive-Modus</translation>
    </message>
    <message>
        <source>Waiting to be sent to the radio</source>
        <translation>Wartet auf das Senden an das Funkgerät</translation>
    </message>
    <message>
        <source>Sent to the radio, being read back</source>
        <translation>An das Funkgerät gesendet, wird zurückgelesen</translation>
    </message>
    <message>
        <source>Confirmed: the radio holds this row</source>
        <translation>Bestätigt: Das Funkgerät enthält diese Zeile</translation>
    </message>
    <message>
        <source>Not confirmed: the radio may not hold this row</source>
        <translation>Nicht bestätigt: Das Funkgerät enthält diese Zeile womöglich nicht</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>quorvan::TMemoryForm</name>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>Speicherkanalnummer</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Suchlauf sperren</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
</context>
<context>
    <name>quorvan::TSetupForm</name>
    <message>
        <source>Quorvan</source>
        <translation>Quorvan</translation>
    </message>
    <message>
        <source>Which radio do you have?</source>
        <translation>Welches Funkgerät haben Sie?</translation>
    </message>
</context>
<context>
    <name>quorvan::TSortForm</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>Memory Channel Sort</source>
        <translation>Speicherkanäle sortieren</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>quorvan::TVfoForm</name>
    <message>
        <source>VfoForm</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Program VFO</source>
        <translation>Programm-VFO</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Program VFO lower limit</source>
        <translation>Untere Grenze des Programm-VFO</translation>
    </message>
    <message>
        <source>Lowest whole MHz of the range</source>
        <translation>Niedrigste ganze MHz des Bereichs</translation>
    </message>
    <message>
        <source>Program VFO upper limit</source>
        <translation>Obere Grenze des Programm-VFO</translation>
    </message>
    <message>
        <source>Highest whole MHz of the range</source>
        <translation>Höchste ganze MHz des Bereichs</translation>
    </message>
</context>
<context>
    <name>quorvan::TWelcomeForm</name>
    <message>
        <source>Quorvan</source>
        <translation>Quorvan</translation>
    </message>
    <message>
        <source>Memory channel programming for ARVEN and BELTO</source>
        <translation>Speicherkanal-Programmierung für ARVEN und BELTO</translation>
    </message>
</context>
<context>
    <name>quorvan::ToneGroup</name>
    <message>
        <source>Tone/CTCSS/DCS</source>
        <translation>Ton/CTCSS/DCS</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCS-Code</translation>
    </message>
</context>
<context>
    <name>quorvan::TransferDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>Daten werden aus dem Funkgerät ausgelesen.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>Daten werden in das Funkgerät geschrieben.</translation>
    </message>
</context>
</TS>
