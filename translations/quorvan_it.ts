<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DocumentLifecycle</name>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Apparato</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>%1 memory channel</source>
        <translation>%1 canale di memoria</translation>
    </message>
    <message>
        <source>%1 memory channels</source>
        <translation>%1 canali di memoria</translation>
    </message>
    <message>
        <source>%1 VFO</source>
        <translation>%1 VFO</translation>
    </message>
    <message>
        <source>%1 VFOs</source>
        <translation>%1 VFO</translation>
    </message>
    <message>
        <source>%1 CALL channel</source>
        <translation>%1 canale CALL</translation>
    </message>
    <message>
        <source>%1 CALL channels</source>
        <translation>%1 canali CALL</translation>
    </message>
    <message>
        <source>%1 DTMF memory</source>
        <translation>%1 memoria DTMF</translation>
    </message>
    <message>
        <source>%1 DTMF memories</source>
        <translation>%1 memorie DTMF</translation>
    </message>
    <message>
        <source>%1 program VFO</source>
        <translation>%1 VFO programmabile</translation>
    </message>
    <message>
        <source>%1 program VFOs</source>
        <translation>%1 VFO programmabili</translation>
    </message>
    <message>
        <source>%1 menu value</source>
        <translation>%1 impostazione del menu</translation>
    </message>
    <message>
        <source>%1 menu values</source>
        <translation>%1 impostazioni del menu</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Memory read</source>
        <translation>Lettura memorie</translation>
    </message>
    <message>
        <source>Menu read</source>
        <translation>Lettura menu</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Sostituito</translation>
    </message>
    <message>
        <source>Pending write</source>
        <translation>Scrittura in sospeso</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Danneggiato</translation>
    </message>
    <message>
        <source>No earlier state</source>
        <translation>Nessuno stato precedente</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>Nessuna modifica</translation>
    </message>
    <message>
        <source>in entry %1</source>
        <translation>nella voce %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Compared with what the radio held after the read of %1.</source>
        <translation>Confrontato con il contenuto dell&apos;apparato dopo la lettura del %1.</translation>
    </message>
    <message>
        <source>Compared with what the radio held after the write of %1.</source>
        <translation>Confrontato con il contenuto dell&apos;apparato dopo la scrittura del %1.</translation>
    </message>
    <message>
        <source>Compared with what the write of %1 was to leave; that write may not have ended, so what it wrote is checked first.</source>
        <translation>Confrontato con ciò che la scrittura del %1 doveva lasciare; quella scrittura potrebbe non essere terminata, quindi ciò che ha scritto viene controllato prima.</translation>
    </message>
    <message>
        <source>Compared with %1.</source>
        <translation>Confrontato con %1.</translation>
    </message>
    <message>
        <source>Nothing has changed since the last read or write of this radio (%1); nothing was sent.</source>
        <translation>Nulla è cambiato dall&apos;ultima lettura o scrittura di questo apparato (%1); non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Nothing differs from %1; nothing was sent.</source>
        <translation>Nulla differisce da %1; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The newest backup of this radio cannot be read: %1</source>
        <translation>Impossibile leggere il backup più recente di questo apparato: %1</translation>
    </message>
    <message>
        <source>The newest backup of this radio is dated later than now (%1; is the computer&apos;s clock right?): %2.</source>
        <translation>Il backup più recente di questo apparato ha una data successiva a quella attuale (%1; l&apos;orologio del computer è giusto?): %2.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: what it is to hold could not be kept first: %1.</source>
        <translation>Non è stato scritto nulla nell&apos;apparato: non è stato possibile conservare prima ciò che dovrà contenere: %1.</translation>
    </message>
    <message>
        <source>The radio was written, but what it now holds could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>L&apos;apparato è stato scritto, ma non è stato possibile conservare ciò che contiene ora: %1. Leggere l&apos;apparato una volta prima della prossima scrittura delle modifiche.</translation>
    </message>
    <message>
        <source>The write did not end, and what it was to leave could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>La scrittura non è terminata e non è stato possibile conservare ciò che doveva lasciare: %1. Leggere l&apos;apparato una volta prima della prossima scrittura delle modifiche.</translation>
    </message>
    <message>
        <source>Write %1 changed item to the radio?</source>
        <translation>Scrivere %1 elemento modificato nell&apos;apparato?</translation>
    </message>
    <message>
        <source>Write %1 changed items to the radio?</source>
        <translation>Scrivere %1 elementi modificati nell&apos;apparato?</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 item differs from what it holds now.</source>
        <translation>Ripristinare l&apos;apparato al suo stato del %1? %2 elemento differisce dal contenuto attuale.</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 items differ from what it holds now.</source>
        <translation>Ripristinare l&apos;apparato al suo stato del %1? %2 elementi differiscono dal contenuto attuale.</translation>
    </message>
    <message>
        <source>The radio already holds its state of %1; nothing was sent.</source>
        <translation>L&apos;apparato è già nel suo stato del %1; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Impossibile scrivere il file: %1</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>Errore nell&apos;apertura del file.</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>I dati sono stati modificati.
Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The data read could not be kept as a backup.</source>
        <translation>Impossibile conservare come backup i dati letti.</translation>
    </message>
    <message>
        <source>The data written could not be kept as a backup.</source>
        <translation>Impossibile conservare come backup i dati scritti.</translation>
    </message>
    <message>
        <source>The data replaced could not be kept as a backup.</source>
        <translation>Impossibile conservare come backup i dati sostituiti.</translation>
    </message>
    <message>
        <source>The user guide could not be read.</source>
        <translation>Impossibile leggere la guida utente.</translation>
    </message>
    <message>
        <source>The language chosen is used when Quorvan is started again.</source>
        <translation>La lingua scelta sarà usata al prossimo avvio di Quorvan.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check and try again.</source>
        <translation>La porta COM non è valida.
Controllare e riprovare.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check comport status.</source>
        <translation>La porta COM non è valida.
Controllare lo stato della porta COM.</translation>
    </message>
    <message>
        <source>The radio is invalid.
Please check and try again.</source>
        <translation>L&apos;apparato non è valido.
Controllare e riprovare.</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>Errore di timeout della comunicazione.</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>Scrivere i dati nell&apos;apparato?</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known</source>
        <translation>Non è nota alcuna lettura o scrittura precedente di questo apparato</translation>
    </message>
    <message>
        <source>The radio holds this document.</source>
        <translation>L&apos;apparato contiene questo documento.</translation>
    </message>
    <message>
        <source>The radio holds what was written.</source>
        <translation>L&apos;apparato contiene ciò che è stato scritto.</translation>
    </message>
    <message>
        <source>The radio does not hold this document:</source>
        <translation>L&apos;apparato non contiene questo documento:</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>L&apos;apparato non contiene ciò che è stato scritto:</translation>
    </message>
    <message>
        <source>The radio was changed since it was last read or written:</source>
        <translation>L&apos;apparato è stato modificato dall&apos;ultima lettura o scrittura:</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Non è stato scritto nulla nell&apos;apparato.</translation>
    </message>
    <message>
        <source>in the file</source>
        <translation>nel file</translation>
    </message>
    <message>
        <source>in the document</source>
        <translation>nel documento</translation>
    </message>
    <message>
        <source>in the radio</source>
        <translation>nell&apos;apparato</translation>
    </message>
    <message>
        <source>at the last read or write</source>
        <translation>all&apos;ultima lettura o scrittura</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once.</source>
        <translation>Non è stato inviato nulla. Leggere l&apos;apparato una volta.</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once, or give --since.</source>
        <translation>Non è stato inviato nulla. Leggere l&apos;apparato una volta oppure indicare --since.</translation>
    </message>
    <message>
        <source>The write did not end; the next write of changes completes it.</source>
        <translation>La scrittura non è terminata; la prossima scrittura delle modifiche la completerà.</translation>
    </message>
    <message>
        <source>The next write of changes writes again what the radio did not take.</source>
        <translation>La prossima scrittura delle modifiche riscriverà ciò che l&apos;apparato non ha accettato.</translation>
    </message>
    <message>
        <source>Complete the write that did not end?</source>
        <translation>Completare la scrittura non terminata?</translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be used.</source>
        <translation>Questo backup è danneggiato e non può essere usato.</translation>
    </message>
    <message>
        <source>The pin of this backup could not be changed.</source>
        <translation>Impossibile cambiare il fissaggio di questo backup.</translation>
    </message>
    <message>
        <source>These two backups hold no part of the radio in common: nothing to compare.</source>
        <translation>Questi due backup non hanno alcuna parte dell&apos;apparato in comune: niente da confrontare.</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>Funzione non valida.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Non trovato.</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>Frequenza non valida.
Controllare e riprovare.</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>Offset non valido.
Controllare e riprovare.</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>La frequenza è stata arrotondata.</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>Il contenuto è stato modificato.
Applicare la modifica?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <translation>Il contenuto è stato modificato.
Applicare la modifica? </translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>Numero di canale non valido.
Controllare e riprovare.</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>Carattere non valido.
Controllare e riprovare.</translation>
    </message>
    <message>
        <source>The last memory channel is in use.</source>
        <translation>L&apos;ultimo canale di memoria è occupato.</translation>
    </message>
    <message>
        <source>These rows were not pasted:</source>
        <translation>Queste righe non sono state incollate:</translation>
    </message>
    <message>
        <source>These rows were adjusted or skipped:</source>
        <translation>Queste righe sono state adattate o saltate:</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Non è impostata alcuna stampante predefinita.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <source>Edit (%1 rows)</source>
        <translation>Modifica (%1 righe)</translation>
    </message>
    <message>
        <source>Cut (%1 rows)</source>
        <translation>Taglia (%1 righe)</translation>
    </message>
    <message>
        <source>Paste into (%1 rows)</source>
        <translation>Incolla (%1 righe)</translation>
    </message>
    <message>
        <source>Delete (%1 rows)</source>
        <translation>Elimina (%1 righe)</translation>
    </message>
    <message>
        <source>Import CSV (%1 row)</source>
        <translation>Importa CSV (%1 riga)</translation>
    </message>
    <message>
        <source>Import CSV (%1 rows)</source>
        <translation>Importa CSV (%1 righe)</translation>
    </message>
    <message>
        <source>Change Selected (%1 rows)</source>
        <translation>Modifica selezione (%1 righe)</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Taglia %1</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>Incolla in %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
    <message>
        <source>Tx Frequency : %1MHz</source>
        <translation>Frequenza TX : %1MHz</translation>
    </message>
    <message>
        <source>Offset : %1MHz</source>
        <translation>Offset : %1MHz</translation>
    </message>
    <message>
        <source>Programmable VFO : %1-%2</source>
        <translation>VFO programmabile : %1-%2</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>Nome : %1</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Ordina per frequenza</translation>
    </message>
    <message>
        <source>Sort by Memory Name</source>
        <translation>Ordina per nome memoria</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> can.</translation>
    </message>
    <message>
        <source> Rx(Tx) Freq.</source>
        <translation> Freq. RX(TX)</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Nome</translation>
    </message>
    <message>
        <source> Band</source>
        <translation> Banda</translation>
    </message>
    <message>
        <source> Freq.</source>
        <translation> Freq.</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> N.</translation>
    </message>
    <message>
        <source> DTMF Code</source>
        <translation> Codice DTMF</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Offset/Tx</source>
        <translation>Offset/TX</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Escluso</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: read the radio once.</source>
        <translation>Non è nota alcuna lettura o scrittura precedente di questo apparato: leggere l&apos;apparato una volta.</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: write everything once.</source>
        <translation>Non è nota alcuna lettura o scrittura precedente di questo apparato: scrivere tutto una volta.</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>Banda 440 MHz</translation>
    </message>
    <message>
        <source>430MHz Band</source>
        <translation>Banda 430 MHz</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>Banda 220 MHz</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>Shift -7.6MHz</translation>
    </message>
    <message>
        <source>-6MHz Shift</source>
        <translation>Shift -6MHz</translation>
    </message>
    <message>
        <source>-20MHz Shift</source>
        <translation>Shift -20MHz</translation>
    </message>
    <message>
        <source>-6.0MHz Shift</source>
        <translation>Shift -6.0MHz</translation>
    </message>
    <message>
        <source>-20.0MHz Shift</source>
        <translation>Shift -20.0MHz</translation>
    </message>
    <message>
        <source>ARVENA (U.S.A./Canada)</source>
        <translation>ARVENA (USA/Canada)</translation>
    </message>
    <message>
        <source>BELTOE (Europe)</source>
        <translation>BELTOE (Europa)</translation>
    </message>
    <message>
        <source>BELTO (Japan)</source>
        <translation>BELTO (Giappone)</translation>
    </message>
    <message>
        <source>BELTOA (General market)</source>
        <translation>BELTOA (Mercato generale)</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 item.</source>
        <translation>Il documento differisce dal contenuto dell&apos;apparato in %1 elemento.</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 items.</source>
        <translation>Il documento differisce dal contenuto dell&apos;apparato in %1 elementi.</translation>
    </message>
    <message>
        <source>The radio may not hold %1 item of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>L&apos;apparato potrebbe non contenere %1 elemento del documento.
La prossima scrittura delle modifiche lo invierà. Uscire comunque dalla modalità diretta?</translation>
    </message>
    <message>
        <source>The radio may not hold %1 items of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>L&apos;apparato potrebbe non contenere %1 elementi del documento.
La prossima scrittura delle modifiche li invierà. Uscire comunque dalla modalità diretta?</translation>
    </message>
    <message>
        <source>Live mode keeps the radio equal to this document.</source>
        <translation>La modalità diretta mantiene l&apos;apparato uguale a questo documento.</translation>
    </message>
    <message>
        <source>What this radio holds is not known: read it first.</source>
        <translation>Il contenuto di questo apparato non è noto: leggerlo prima.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 è stato modificato da un altro programma da quando è stato aperto.</translation>
    </message>
    <message>
        <source>Incomplete read: %1 item was not read from the radio.</source>
        <translation>Lettura incompleta: %1 elemento non è stato letto dall&apos;apparato.</translation>
    </message>
    <message>
        <source>Incomplete read: %1 items were not read from the radio.</source>
        <translation>Lettura incompleta: %1 elementi non sono stati letti dall&apos;apparato.</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 item was not read from the radio. Write anyway?</source>
        <translation>Questo documento contiene una lettura non terminata: %1 elemento non è stato letto dall&apos;apparato. Scrivere comunque?</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 items were not read from the radio. Write anyway?</source>
        <translation>Questo documento contiene una lettura non terminata: %1 elementi non sono stati letti dall&apos;apparato. Scrivere comunque?</translation>
    </message>
    <message>
        <source>Quorvan was closed without saving changes to %1 (%2).
Restore them?</source>
        <translation>Quorvan è stato chiuso senza salvare le modifiche a %1 (%2).
Ripristinarle?</translation>
    </message>
    <message>
        <source>%1 is not on the %2 step; left at %3</source>
        <translation>%1 non è sul passo di %2; lasciato a %3</translation>
    </message>
    <message>
        <source>File &gt; Export PDF... writes the same pages to a PDF file without a printer.</source>
        <translation>File &gt; Esporta PDF... scrive le stesse pagine in un file PDF senza stampante.</translation>
    </message>
    <message>
        <source>Read cancelled after %1 of %2 steps; the document holds what was read.</source>
        <translation>Lettura annullata dopo %1 passi su %2; il documento contiene ciò che è stato letto.</translation>
    </message>
    <message>
        <source>Read failed after %1 of %2 steps; the document holds what was read.</source>
        <translation>Lettura non riuscita dopo %1 passi su %2; il documento contiene ciò che è stato letto.</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL, DTMF and menu in %2.</source>
        <translation>Letti %1 canali di memoria, VFO, CALL, DTMF e menu in %2.</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL and DTMF in %2.</source>
        <translation>Letti %1 canali di memoria, VFO, CALL e DTMF in %2.</translation>
    </message>
    <message>
        <source>Read the menu in %1.</source>
        <translation>Menu letto in %1.</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2; the radio holds it.</source>
        <translation>Scritto %1 elemento modificato in %2; l&apos;apparato lo contiene.</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2; the radio holds them.</source>
        <translation>Scritti %1 elementi modificati in %2; l&apos;apparato li contiene.</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2.</source>
        <translation>Scritto %1 elemento modificato in %2.</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2.</source>
        <translation>Scritti %1 elementi modificati in %2.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1; the radio holds them.</source>
        <translation>Scritti canali di memoria, VFO, CALL, DTMF e menu in %1; l&apos;apparato li contiene.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1.</source>
        <translation>Scritti canali di memoria, VFO, CALL, DTMF e menu in %1.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1; the radio holds them.</source>
        <translation>Scritti canali di memoria, VFO, CALL e DTMF in %1; l&apos;apparato li contiene.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1.</source>
        <translation>Scritti canali di memoria, VFO, CALL e DTMF in %1.</translation>
    </message>
    <message>
        <source>Wrote the menu in %1; the radio holds them.</source>
        <translation>Menu scritto in %1; l&apos;apparato lo contiene.</translation>
    </message>
    <message>
        <source>Wrote the menu in %1.</source>
        <translation>Menu scritto in %1.</translation>
    </message>
    <message>
        <source>Verified in %1: the radio holds this document.</source>
        <translation>Verificato in %1: l&apos;apparato contiene questo documento.</translation>
    </message>
    <message>
        <source>Verified in %1: %2 field differs from this document.</source>
        <translation>Verificato in %1: %2 campo differisce da questo documento.</translation>
    </message>
    <message>
        <source>Verified in %1: %2 fields differ from this document.</source>
        <translation>Verificato in %1: %2 campi differiscono da questo documento.</translation>
    </message>
    <message>
        <source>Exported %1 channel to %2.</source>
        <translation>Esportato %1 canale in %2.</translation>
    </message>
    <message>
        <source>Exported %1 channels to %2.</source>
        <translation>Esportati %1 canali in %2.</translation>
    </message>
    <message>
        <source>Export failed: %1 was not written.</source>
        <translation>Esportazione non riuscita: %1 non è stato scritto.</translation>
    </message>
    <message>
        <source>Import failed: %1 is not a channel list.</source>
        <translation>Importazione non riuscita: %1 non è un elenco di canali.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Non è stato importato nulla da %1.</translation>
    </message>
    <message>
        <source>Imported %1 channel from %2.</source>
        <translation>Importato %1 canale da %2.</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2.</source>
        <translation>Importati %1 canali da %2.</translation>
    </message>
    <message>
        <source>Import failed: %1 could not be read.</source>
        <translation>Importazione non riuscita: non è stato possibile leggere %1.</translation>
    </message>
    <message>
        <source>Nothing was written: the write&apos;s journal could not be kept.</source>
        <translation>Non è stato scritto nulla: non è stato possibile conservare il registro della scrittura.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio changed since it was last read.</source>
        <translation>Non è stato scritto nulla: l&apos;apparato è cambiato dall&apos;ultima lettura.</translation>
    </message>
    <message>
        <source>Write cancelled; the radio may hold part of it.</source>
        <translation>Scrittura annullata; l&apos;apparato potrebbe contenerne una parte.</translation>
    </message>
    <message>
        <source>Write failed; the radio may hold part of it.</source>
        <translation>Scrittura non riuscita; l&apos;apparato potrebbe contenerne una parte.</translation>
    </message>
    <message>
        <source>Nothing needed writing; the radio holds it.</source>
        <translation>Non c&apos;era nulla da scrivere; l&apos;apparato lo contiene già.</translation>
    </message>
    <message>
        <source>Verify cancelled.</source>
        <translation>Verifica annullata.</translation>
    </message>
    <message>
        <source>Verify failed; nothing was compared.</source>
        <translation>Verifica non riuscita; non è stato confrontato nulla.</translation>
    </message>
    <message>
        <source>Checking %1 item</source>
        <translation>Controllo di %1 elemento</translation>
    </message>
    <message>
        <source>Checking %1 items</source>
        <translation>Controllo di %1 elementi</translation>
    </message>
    <message>
        <source>Reading back %1 item</source>
        <translation>Rilettura di %1 elemento</translation>
    </message>
    <message>
        <source>Reading back %1 items</source>
        <translation>Rilettura di %1 elementi</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1 of %2, about %3 left</source>
        <translation>%1 di %2, mancano circa %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 di %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3, about %4 left</source>
        <translation>%1: %2 di %3, mancano circa %4</translation>
    </message>
    <message>
        <source>Band lists</source>
        <translation>Elenchi delle bande</translation>
    </message>
    <message>
        <source>Writing: Band lists</source>
        <translation>Scrittura: elenchi delle bande</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Canali di memoria</translation>
    </message>
    <message>
        <source>Writing: Memory channels</source>
        <translation>Scrittura: canali di memoria</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>Canali CALL</translation>
    </message>
    <message>
        <source>Writing: CALL channels</source>
        <translation>Scrittura: canali CALL</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Writing: VFOs</source>
        <translation>Scrittura: VFO</translation>
    </message>
    <message>
        <source>Programmable VFOs</source>
        <translation>VFO programmabili</translation>
    </message>
    <message>
        <source>Writing: Programmable VFOs</source>
        <translation>Scrittura: VFO programmabili</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>Memorie DTMF</translation>
    </message>
    <message>
        <source>Writing: DTMF memories</source>
        <translation>Scrittura: memorie DTMF</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Writing: Menu</source>
        <translation>Scrittura: menu</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <comment>the form of a time in a message: d day, MM month, yyyy year, HH:mm hours and minutes</comment>
        <translation>dd/MM/yyyy HH:mm</translation>
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
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>something answered, but not as a radio of this family</source>
        <translation>qualcosa ha risposto, ma non come un apparato di questa famiglia</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>occupata: in uso da un altro programma</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>nessun permesso</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>cannot be opened as a serial port</source>
        <translation>non si può aprire come porta seriale</translation>
    </message>
    <message>
        <source>the line failed</source>
        <translation>la linea si è interrotta</translation>
    </message>
    <message>
        <source>You have no permission to use %1.</source>
        <translation>Non hai il permesso di usare %1.</translation>
    </message>
    <message>
        <source>You are a member of the group &quot;%1&quot; that may use it, but not yet in this session.</source>
        <translation>Sei membro del gruppo «%1» che può usarla, ma non ancora in questa sessione.</translation>
    </message>
    <message>
        <source>It may be used by the members of the group &quot;%1&quot;. To join it, run</source>
        <translation>Possono usarla i membri del gruppo «%1». Per unirti al gruppo, esegui</translation>
    </message>
    <message>
        <source>%1 does not exist; no serial adapter is plugged in.</source>
        <translation>%1 non esiste; nessun adattatore seriale è collegato.</translation>
    </message>
    <message>
        <source>%1 does not exist; plugged adapters: %2.</source>
        <translation>%1 non esiste; adattatori collegati: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a serial port.</source>
        <translation>%1 non si può aprire come porta seriale.</translation>
    </message>
    <message>
        <source>Check that the radio is on and not showing one of its menus, that the cable is seated at both ends and that %1 is the cable&apos;s port.</source>
        <translation>Controlla che l&apos;apparato sia acceso e non mostri uno dei suoi menu, che il cavo sia ben inserito a entrambe le estremità e che %1 sia la porta del cavo.</translation>
    </message>
    <message>
        <source>The line to %1 failed during the transfer; check that the cable is seated and its adapter still plugged in.</source>
        <translation>La linea verso %1 si è interrotta durante il trasferimento; controlla che il cavo sia ben inserito e che il suo adattatore sia ancora collegato.</translation>
    </message>
    <message>
        <source>The radio did not accept 1 command.
The first was &quot;%1&quot;.
Please check the radio and try again.</source>
        <translation>L&apos;apparato non ha accettato 1 comando.
Era «%1».
Controlla l&apos;apparato e riprova.</translation>
    </message>
    <message>
        <source>The radio did not accept %1 commands.
The first was &quot;%2&quot;.
Please check the radio and try again.</source>
        <translation>L&apos;apparato non ha accettato %1 comandi.
Il primo era «%2».
Controlla l&apos;apparato e riprova.</translation>
    </message>
    <message>
        <source>No complete answer within %1 seconds.</source>
        <translation>Nessuna risposta completa entro %1 secondi.</translation>
    </message>
    <message>
        <source>The adapter is %1: Prolific&apos;s Windows drivers since 2012 refuse the PL2303HXA and PL2303XA chips they no longer support, and counterfeit PL2303 chips; Device Manager then shows the adapter with a warning sign and nothing goes through it.</source>
        <translation>L&apos;adattatore è %1: dal 2012 i driver Prolific per Windows rifiutano i chip PL2303HXA e PL2303XA che non supportano più e i chip PL2303 contraffatti; Gestione dispositivi mostra allora l&apos;adattatore con un segnale di avviso e non vi passa nulla.</translation>
    </message>
    <message>
        <source>The adapter is %1: Product id 0000 is what an FTDI driver for Windows of 2014 wrote into counterfeit FT232R chips to stop them working.</source>
        <translation>L&apos;adattatore è %1: l&apos;id prodotto 0000 è quello che un driver FTDI per Windows del 2014 ha scritto nei chip FT232R contraffatti per bloccarli.</translation>
    </message>
    <message>
        <source>The adapter is %1: Newer FTDI drivers for Windows send &quot;NON GENUINE DEVICE FOUND!&quot; instead of the data through counterfeit FT232R chips.</source>
        <translation>L&apos;adattatore è %1: i driver FTDI più recenti per Windows inviano «NON GENUINE DEVICE FOUND!» al posto dei dati attraverso i chip FT232R contraffatti.</translation>
    </message>
    <message>
        <source>The adapter is %1: ModemManager may send modem commands to a newly plugged ttyACM device for some seconds; try again after a moment, or have ModemManager ignore the device (ID_MM_DEVICE_IGNORE in a udev rule).</source>
        <translation>L&apos;adattatore è %1: ModemManager può inviare comandi modem a un dispositivo ttyACM appena collegato per alcuni secondi; riprova tra un momento, oppure fai ignorare il dispositivo a ModemManager (ID_MM_DEVICE_IGNORE in una regola udev).</translation>
    </message>
    <message>
        <source>%1, type %2</source>
        <translation>%1, tipo %2</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer for read and write access to it.</source>
        <translation>Chiedi all&apos;amministratore di questo computer l&apos;accesso in lettura e scrittura.</translation>
    </message>
    <message>
        <source>Log out and log in again.</source>
        <translation>Esci e accedi di nuovo.</translation>
    </message>
    <message>
        <source>then log out and log in again.</source>
        <translation>quindi esci e accedi di nuovo.</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>La porta è in uso da un altro programma.</translation>
    </message>
    <message>
        <source>Live paused: %1 item not confirmed.</source>
        <translation>Diretta in pausa: %1 elemento non confermato.</translation>
    </message>
    <message>
        <source>Live paused: %1 items not confirmed.</source>
        <translation>Diretta in pausa: %1 elementi non confermati.</translation>
    </message>
    <message>
        <source>Live: sending %1 item...</source>
        <translation>Diretta: invio di %1 elemento...</translation>
    </message>
    <message>
        <source>Live: sending %1 items...</source>
        <translation>Diretta: invio di %1 elementi...</translation>
    </message>
    <message>
        <source>The journal of the write could not be kept: %1 Nothing was sent.</source>
        <translation>Non è stato possibile conservare il registro della scrittura: %1 Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The radio did not accept &quot;%1&quot;.</source>
        <translation>L&apos;apparato non ha accettato «%1».</translation>
    </message>
    <message>
        <source>Live mode is paused: the radio may not hold %1.</source>
        <translation>La modalità diretta è in pausa: l&apos;apparato potrebbe non contenere %1.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e altri %2</translation>
    </message>
    <message>
        <source>memory channel %1</source>
        <translation>canale di memoria %1</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>CALL channel %1</source>
        <translation>canale CALL %1</translation>
    </message>
    <message>
        <source>DTMF memory %1</source>
        <translation>memoria DTMF %1</translation>
    </message>
    <message>
        <source>program VFO %1</source>
        <translation>VFO programmabile %1</translation>
    </message>
    <message>
        <source>menu value %1</source>
        <translation>valore di menu %1</translation>
    </message>
    <message>
        <source>the comment</source>
        <translation>il commento</translation>
    </message>
    <message>
        <source>The radio answered %1.</source>
        <translation>L&apos;apparato ha risposto %1.</translation>
    </message>
    <message>
        <source>The radio reports type %1; this document is for %2.</source>
        <translation>L&apos;apparato indica il tipo %1; questo documento è per %2.</translation>
    </message>
    <message>
        <source>Live: radio holds the document.</source>
        <translation>Diretta: l&apos;apparato contiene il documento.</translation>
    </message>
    <message>
        <source>The exchange with the radio did not end.</source>
        <translation>Lo scambio con l&apos;apparato non è terminato.</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when live mode began. Nothing was sent.</source>
        <translation>L&apos;apparato non contiene più ciò che conteneva all&apos;inizio della modalità diretta. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The items sent were not read back.</source>
        <translation>Gli elementi inviati non sono stati riletti.</translation>
    </message>
    <message>
        <source>The radio gave back otherwise what was sent.</source>
        <translation>L&apos;apparato ha restituito qualcosa di diverso da ciò che è stato inviato.</translation>
    </message>
    <message>
        <source>The document keeps every edit. Check the cable and the radio, then choose Resume: it reads what the radio holds and sends what it lacks.</source>
        <translation>Il documento conserva ogni modifica. Controlla il cavo e l&apos;apparato, poi scegli Riprendi: legge ciò che l&apos;apparato contiene e invia ciò che manca.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5 %6</source>
        <translation>%1: %2 %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etichetta</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>step</source>
        <translation>passo</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>shift</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>inversione</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>tono</translation>
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
        <translation>frequenza del tono</translation>
    </message>
    <message>
        <source>CTCSS frequency</source>
        <translation>frequenza CTCSS</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>codice DCS</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>offset</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>lock out</source>
        <translation>esclusione dalla scansione</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>frequenza TX</translation>
    </message>
    <message>
        <source>transmit step</source>
        <translation>passo TX</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potenza</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>memoria %1</translation>
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
        <translation>menu %1</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>commento</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numero</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>band</source>
        <translation>banda</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>limite inferiore</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>limite superiore</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valore</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canale</translation>
    </message>
    <message>
        <source>range</source>
        <translation>intervallo</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Quorvan Files (*.qvx)</source>
        <translation>File di Quorvan (*.qvx)</translation>
    </message>
    <message>
        <source>CSV Files(*.csv);;All Files(*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Device path:</source>
        <translation>Percorso del dispositivo:</translation>
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
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>These channels were left out because their frequency cannot be read: %1</source>
        <translation>Questi canali sono stati esclusi perché la loro frequenza non è leggibile: %1</translation>
    </message>
</context>
<context>
    <name>RadioCommands</name>
    <message>
        <source>Write Changes</source>
        <translation>Scrivi modifiche</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>Scrivi comunque</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
</context>
<context>
    <name>quorvan::BandChannelForm</name>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
</context>
<context>
    <name>quorvan::ChangeSelectedDialog</name>
    <message>
        <source>Change Selected</source>
        <translation>Modifica selezione</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Shift +</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Shift −</translation>
    </message>
    <message>
        <source>The band&apos;s extra shift</source>
        <translation>Shift proprio della banda</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
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
        <translation>Acceso</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Shift and Offset</source>
        <translation>Shift e offset</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Escludi dalla scansione</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Inizio del nome</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Offset in MHz</source>
        <translation>Offset in MHz</translation>
    </message>
    <message>
        <source>Tone kind</source>
        <translation>Tipo di tono</translation>
    </message>
    <message>
        <source>Tone value</source>
        <translation>Valore del tono</translation>
    </message>
</context>
<context>
    <name>quorvan::CsvImportDialog</name>
    <message>
        <source>By Location</source>
        <translation>Per posizione</translation>
    </message>
    <message>
        <source>From the selected channel on, in file order</source>
        <translation>Dal canale scelto in poi, nell&apos;ordine del file</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>Selected channel: %1</source>
        <translation>Canale scelto: %1</translation>
    </message>
    <message>
        <source>Select a channel from 0 to 399 to place the rows from there on.</source>
        <translation>Scegliere un canale da 0 a 399 da cui collocare le righe.</translation>
    </message>
    <message>
        <source>Place the rows</source>
        <translation>Colloca le righe</translation>
    </message>
</context>
<context>
    <name>quorvan::DiagnosticReportDialog</name>
    <message>
        <source>Diagnostic Report</source>
        <translation>Rapporto diagnostico</translation>
    </message>
    <message>
        <source>&amp;Record Transfers</source>
        <translation>&amp;Registra i trasferimenti</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Salva rapporto diagnostico</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
</context>
<context>
    <name>quorvan::FindBar</name>
    <message>
        <source>Find (name or MHz)</source>
        <translation>Trova (nome o MHz)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Chiudi (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Chiudi la barra di ricerca</translation>
    </message>
    <message>
        <source>Find name or MHz</source>
        <translation>Trova nome o MHz</translation>
    </message>
</context>
<context>
    <name>quorvan::FindRadioDialog</name>
    <message>
        <source>&amp;Use Port</source>
        <translation>&amp;Usa la porta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Find Radio</source>
        <translation>Trova apparato</translation>
    </message>
    <message>
        <source>Trying the serial ports one at a time...</source>
        <translation>Prova delle porte seriali una alla volta...</translation>
    </message>
    <message>
        <source>Trying %1 (%2 of %3)...</source>
        <translation>Prova di %1 (%2 di %3)...</translation>
    </message>
    <message>
        <source>A radio answered. Use its port?</source>
        <translation>Un apparato ha risposto. Usare la sua porta?</translation>
    </message>
    <message>
        <source>%1 radios answered. Choose the port to use.</source>
        <translation>Hanno risposto %1 apparati. Scegliere la porta da usare.</translation>
    </message>
    <message>
        <source>The search was cancelled.</source>
        <translation>La ricerca è stata annullata.</translation>
    </message>
    <message>
        <source>No serial ports were found. Check that the cable&apos;s adapter is plugged in.</source>
        <translation>Nessuna porta seriale trovata. Controllare che l&apos;adattatore del cavo sia collegato.</translation>
    </message>
    <message>
        <source>No radio answered. Check that the radio is on and its cable is plugged in at both ends, then try again.</source>
        <translation>Nessun apparato ha risposto. Controllare che l&apos;apparato sia acceso e il cavo collegato a entrambe le estremità, poi riprovare.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Ports tried</source>
        <translation>Porte provate</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>What each serial port answered</source>
        <translation>Che cosa ha risposto ogni porta seriale</translation>
    </message>
</context>
<context>
    <name>quorvan::FrequencyGroup</name>
    <message>
        <source>Rx Frequency</source>
        <translation>Frequenza RX</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Frequenza TX</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversione</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>Canale split</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Shift +</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Shift −</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
</context>
<context>
    <name>quorvan::HelpTopics</name>
    <message>
        <source>The user guide was not found.
It is installed with Quorvan as share/doc/quorvan/user-guide.md; it was looked for as:</source>
        <translation>Guida utente non trovata.
Viene installata con Quorvan come share/doc/quorvan/user-guide.md; è stata cercata in:</translation>
    </message>
</context>
<context>
    <name>quorvan::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Fissato</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Differences:</source>
        <translation>&amp;Differenze:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Restore to Radio</source>
        <translation>&amp;Ripristina nell&apos;apparato</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>&amp;Fissa</translation>
    </message>
    <message>
        <source>No state of the radio %1 is kept yet.</source>
        <translation>Nessuno stato dell&apos;apparato %1 è ancora conservato.</translation>
    </message>
    <message>
        <source>&amp;States of the radio %1, newest first:</source>
        <translation>&amp;Stati dell&apos;apparato %1, dal più recente:</translation>
    </message>
    <message>
        <source>Un&amp;pin</source>
        <translation>&amp;Togli fissaggio</translation>
    </message>
    <message>
        <source>Select two entries to see what differs between them.</source>
        <translation>Scegliere due voci per vedere in cosa differiscono.</translation>
    </message>
    <message>
        <source>Entries %1 and %2 hold the same.</source>
        <translation>Le voci %1 e %2 sono uguali.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>The radio&apos;s backups, newest first</source>
        <translation>I backup dell&apos;apparato, dal più recente</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveBanner</name>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>Leave Live Mode</source>
        <translation>Esci dalla modalità diretta</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveMode</name>
    <message numerus="yes">
        <source>Write %n Changes First</source>
        <translation>
            <numerusform>Scrivi prima %n modifica</numerusform>
            <numerusform>Scrivi prima %n modifiche</numerusform>
        </translation>
    </message>
    <message>
        <source>Read the radio first?</source>
        <translation>Leggere prima l&apos;apparato?</translation>
    </message>
    <message>
        <source>Read the Radio First</source>
        <translation>Leggi prima l&apos;apparato</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage1</name>
    <message>
        <source>&quot;A&quot; Band</source>
        <translation>Banda «A»</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>&quot;B&quot; Band</source>
        <translation>Banda «B»</translation>
    </message>
    <message>
        <source>&amp;Operation Band</source>
        <translation>Banda &amp;operativa</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>&amp;Bilanciamento</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Bilanciamento</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>F&amp;unzioni</translation>
    </message>
    <message>
        <source>Dual</source>
        <translation>Doppio ascolto</translation>
    </message>
    <message>
        <source>ATT</source>
        <translation>ATT</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nome memoria</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation>&amp;Alimentazione</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Risparmio batteria</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Spegnimento automatico</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>Power on Message</source>
        <translation>Messaggio di accensione</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>D&amp;TMF</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>Blocco DTMF</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>Mantenimento DTMF</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>Pausa DTMF</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>Velocità DTMF</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation>&amp;VOX</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>Guadagno VOX</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>Ritardo VOX</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>VOX con canale occupato</translation>
    </message>
    <message>
        <source>From the A band at the left to the B band at the right</source>
        <translation>Dalla banda A a sinistra alla banda B a destra</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage2</name>
    <message>
        <source>R&amp;X/TX</source>
        <translation>R&amp;X/TX</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FM stretta</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>Ri&amp;petitore</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>Al&amp;tro</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>Collegamento gruppi di memoria</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Trasmissione inibita</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>Antenna in ferrite</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>Spostamento battimento</translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation>Potenza RF banda A</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation>Potenza RF banda B</translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation>Potenza 1,2 GHz banda A</translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation>Potenza 1,2 GHz banda B</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>Banda 220 MHz</translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation>Banda HF</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>Banda 440 MHz</translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation>Banda 1,2 GHz</translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation>Banda 144 MHz</translation>
    </message>
    <message>
        <source>FM Narrow %1</source>
        <translation>FM stretta %1</translation>
    </message>
    <message>
        <source>Auto Repeater Offset</source>
        <translation>Offset automatico ripetitore</translation>
    </message>
    <message>
        <source>1750Hz Tone Key</source>
        <translation>Tasto tono 1750 Hz</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>Mantenimento tono 1750 Hz</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>Sintonia abilitata</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Beep dei tasti</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>Ripresa scansione</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portante</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>Velocità packet</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>Richiamo memorie</translation>
    </message>
    <message>
        <source>All Bands</source>
        <translation>Tutte le bande</translation>
    </message>
    <message>
        <source>Current Band</source>
        <translation>Banda attuale</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alcalina</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPageControls</name>
    <message>
        <source>Change %1</source>
        <translation>Modifica %1</translation>
    </message>
</context>
<context>
    <name>quorvan::PortMenu</name>
    <message>
        <source>Other...</source>
        <translation>Altro...</translation>
    </message>
    <message>
        <source>&amp;Find Radio</source>
        <translation>&amp;Trova apparato</translation>
    </message>
    <message>
        <source>%1 is invalid.
Please check comport status.</source>
        <translation>%1 non è valida.
Controllare lo stato della porta COM.</translation>
    </message>
</context>
<context>
    <name>quorvan::ReportDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
</context>
<context>
    <name>quorvan::StatusAnnouncer</name>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
</context>
<context>
    <name>quorvan::TAboutBox</name>
    <message>
        <source>About Quorvan</source>
        <translation>Informazioni su Quorvan</translation>
    </message>
    <message>
        <source>Quorvan for the ARVEN and BELTO dual-band radios</source>
        <translation>Quorvan per gli apparati bibanda ARVEN e BELTO</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later; it comes with no warranty.</source>
        <translation>Software libero con licenza GNU General Public License, versione 3 o successiva; senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>Version 0.00 Beta %1</source>
        <translation>Versione 0.00 beta %1</translation>
    </message>
</context>
<context>
    <name>quorvan::TCallForm</name>
    <message>
        <source>CALL Channel</source>
        <translation>Canale CALL</translation>
    </message>
</context>
<context>
    <name>quorvan::TDtmfForm</name>
    <message>
        <source>DTMF Memory</source>
        <translation>Memoria DTMF</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Numero di canale</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>Codice DTMF</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>quorvan::THelpForm</name>
    <message>
        <source>Quorvan Help</source>
        <translation>Guida di Quorvan</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Successivo</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Precedente</translation>
    </message>
    <message>
        <source>Not found: &quot;%1&quot;</source>
        <translation>Non trovato: «%1»</translation>
    </message>
    <message>
        <source>No section &quot;%1&quot; in the guide</source>
        <translation>Nessuna sezione «%1» nella guida</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Trova successivo</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Trova precedente</translation>
    </message>
</context>
<context>
    <name>quorvan::TMainForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva con no&amp;me...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>&amp;Importa CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Esporta P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>All &amp;Columns</source>
        <translation>Tutte le &amp;colonne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>Argomenti della &amp;guida</translation>
    </message>
    <message>
        <source>&amp;Diagnostic Report...</source>
        <translation>Rapporto &amp;diagnostico...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Apparato</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Modifiche</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Verifica</translation>
    </message>
    <message>
        <source>Verify &amp;After Writing</source>
        <translation>Verifica &amp;dopo la scrittura</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Cronologia...</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>Scelta &amp;porta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Inserisci riga</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>Rimuovi riga</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>Change &amp;Selected...</source>
        <translation>Modifica sele&amp;zione...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Trova...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova successi&amp;vo</translation>
    </message>
    <message>
        <source>Memory channel &amp;Sort...</source>
        <translation>&amp;Ordina canali di memoria...</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>Canale di memo&amp;ria</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>&amp;VFO</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>Canale &amp;CALL</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>Memoria &amp;DTMF</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tutto</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Memorie</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>M&amp;enu</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Tag&amp;lia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>Memori&amp;e</translation>
    </message>
    <message>
        <source>Menu &amp;1</source>
        <translation>Menu &amp;1</translation>
    </message>
    <message>
        <source>Menu &amp;2</source>
        <translation>Menu &amp;2</translation>
    </message>
    <message>
        <source>Insert Row at %1</source>
        <translation>Inserisci riga in %1</translation>
    </message>
    <message>
        <source>Remove Row %1</source>
        <translation>Rimuovi riga %1</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>Sposta su %1</translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>Sposta giù %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Edit Comment</source>
        <translation>Modifica commento</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Visuali&amp;zza</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Esclusione</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Segno</translation>
    </message>
    <message>
        <source>&amp;Live Mode</source>
        <translation>Modalità dire&amp;tta</translation>
    </message>
    <message>
        <source>Waiting to be sent to the radio</source>
        <translation>In attesa di invio all&apos;apparato</translation>
    </message>
    <message>
        <source>Sent to the radio, being read back</source>
        <translation>Inviato all&apos;apparato, in rilettura</translation>
    </message>
    <message>
        <source>Confirmed: the radio holds this row</source>
        <translation>Confermato: l&apos;apparato contiene questa riga</translation>
    </message>
    <message>
        <source>Not confirmed: the radio may not hold this row</source>
        <translation>Non confermato: l&apos;apparato potrebbe non contenere questa riga</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>inviato</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confermato</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
</context>
<context>
    <name>quorvan::TMemoryForm</name>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>Numero del canale di memoria</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opzione</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Escludi dalla scansione</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nome memoria</translation>
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
        <translation>Quale apparato possiede?</translation>
    </message>
</context>
<context>
    <name>quorvan::TSortForm</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nome memoria</translation>
    </message>
    <message>
        <source>Memory Channel Sort</source>
        <translation>Ordina canali di memoria</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordina</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
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
        <translation>VFO programmabile</translation>
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
        <translation>Limite inferiore del VFO programmabile</translation>
    </message>
    <message>
        <source>Lowest whole MHz of the range</source>
        <translation>MHz intero più basso dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Program VFO upper limit</source>
        <translation>Limite superiore del VFO programmabile</translation>
    </message>
    <message>
        <source>Highest whole MHz of the range</source>
        <translation>MHz intero più alto dell&apos;intervallo</translation>
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
        <translation>Programmazione dei canali di memoria per ARVEN e BELTO</translation>
    </message>
</context>
<context>
    <name>quorvan::ToneGroup</name>
    <message>
        <source>Tone/CTCSS/DCS</source>
        <translation>Tono/CTCSS/DCS</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Frequenza del tono</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>Frequenza CTCSS</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>Codice DCS</translation>
    </message>
</context>
<context>
    <name>quorvan::TransferDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>Lettura dei dati dall&apos;apparato.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>Scrittura dei dati nell&apos;apparato.</translation>
    </message>
</context>
</TS>
