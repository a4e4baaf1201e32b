<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DocumentLifecycle</name>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Émetteur-récepteur</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>%1 memory channel</source>
        <translation>%1 canal mémoire</translation>
    </message>
    <message>
        <source>%1 memory channels</source>
        <translation>%1 canaux mémoire</translation>
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
        <translation>%1 canal CALL</translation>
    </message>
    <message>
        <source>%1 CALL channels</source>
        <translation>%1 canaux CALL</translation>
    </message>
    <message>
        <source>%1 DTMF memory</source>
        <translation>%1 mémoire DTMF</translation>
    </message>
    <message>
        <source>%1 DTMF memories</source>
        <translation>%1 mémoires DTMF</translation>
    </message>
    <message>
        <source>%1 program VFO</source>
        <translation>%1 VFO programmable</translation>
    </message>
    <message>
        <source>%1 program VFOs</source>
        <translation>%1 VFO programmables</translation>
    </message>
    <message>
        <source>%1 menu value</source>
        <translation>%1 réglage du menu</translation>
    </message>
    <message>
        <source>%1 menu values</source>
        <translation>%1 réglages du menu</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Memory read</source>
        <translation>Lecture des mémoires</translation>
    </message>
    <message>
        <source>Menu read</source>
        <translation>Lecture du menu</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Remplacé</translation>
    </message>
    <message>
        <source>Pending write</source>
        <translation>Écriture en attente</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Endommagée</translation>
    </message>
    <message>
        <source>No earlier state</source>
        <translation>Pas d&apos;état antérieur</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>Aucune modification</translation>
    </message>
    <message>
        <source>in entry %1</source>
        <translation>dans l&apos;entrée %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Compared with what the radio held after the read of %1.</source>
        <translation>Comparé au contenu de l&apos;émetteur-récepteur après la lecture du %1.</translation>
    </message>
    <message>
        <source>Compared with what the radio held after the write of %1.</source>
        <translation>Comparé au contenu de l&apos;émetteur-récepteur après l&apos;écriture du %1.</translation>
    </message>
    <message>
        <source>Compared with what the write of %1 was to leave; that write may not have ended, so what it wrote is checked first.</source>
        <translation>Comparé à ce que l&apos;écriture du %1 devait laisser ; cette écriture n&apos;est peut-être pas terminée, ce qu&apos;elle a écrit est donc vérifié d&apos;abord.</translation>
    </message>
    <message>
        <source>Compared with %1.</source>
        <translation>Comparé à %1.</translation>
    </message>
    <message>
        <source>Nothing has changed since the last read or write of this radio (%1); nothing was sent.</source>
        <translation>Rien n&apos;a changé depuis la dernière lecture ou écriture de cet émetteur-récepteur (%1) ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Nothing differs from %1; nothing was sent.</source>
        <translation>Rien ne diffère de %1 ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The newest backup of this radio cannot be read: %1</source>
        <translation>La sauvegarde la plus récente de cet émetteur-récepteur est illisible : %1</translation>
    </message>
    <message>
        <source>The newest backup of this radio is dated later than now (%1; is the computer&apos;s clock right?): %2.</source>
        <translation>La sauvegarde la plus récente de cet émetteur-récepteur est datée d&apos;après maintenant (%1 ; l&apos;horloge de l&apos;ordinateur est-elle juste ?) : %2.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: what it is to hold could not be kept first: %1.</source>
        <translation>Rien n&apos;a été écrit dans l&apos;émetteur-récepteur : son futur contenu n&apos;a pas pu être conservé d&apos;abord : %1.</translation>
    </message>
    <message>
        <source>The radio was written, but what it now holds could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>L&apos;émetteur-récepteur a été écrit, mais son contenu actuel n&apos;a pas pu être conservé : %1. Lisez l&apos;émetteur-récepteur une fois avant la prochaine écriture des modifications.</translation>
    </message>
    <message>
        <source>The write did not end, and what it was to leave could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>L&apos;écriture ne s&apos;est pas terminée, et ce qu&apos;elle devait laisser n&apos;a pas pu être conservé : %1. Lisez l&apos;émetteur-récepteur une fois avant la prochaine écriture des modifications.</translation>
    </message>
    <message>
        <source>Write %1 changed item to the radio?</source>
        <translation>Écrire %1 élément modifié dans l&apos;émetteur-récepteur ?</translation>
    </message>
    <message>
        <source>Write %1 changed items to the radio?</source>
        <translation>Écrire %1 éléments modifiés dans l&apos;émetteur-récepteur ?</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 item differs from what it holds now.</source>
        <translation>Rétablir l&apos;émetteur-récepteur dans son état du %1 ? %2 élément diffère de son contenu actuel.</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 items differ from what it holds now.</source>
        <translation>Rétablir l&apos;émetteur-récepteur dans son état du %1 ? %2 éléments diffèrent de son contenu actuel.</translation>
    </message>
    <message>
        <source>The radio already holds its state of %1; nothing was sent.</source>
        <translation>L&apos;émetteur-récepteur est déjà dans son état du %1 ; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Le fichier n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>Erreur à l&apos;ouverture du fichier.</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>Les données ont été modifiées.
Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>The data read could not be kept as a backup.</source>
        <translation>Les données lues n&apos;ont pas pu être conservées en sauvegarde.</translation>
    </message>
    <message>
        <source>The data written could not be kept as a backup.</source>
        <translation>Les données écrites n&apos;ont pas pu être conservées en sauvegarde.</translation>
    </message>
    <message>
        <source>The data replaced could not be kept as a backup.</source>
        <translation>Les données remplacées n&apos;ont pas pu être conservées en sauvegarde.</translation>
    </message>
    <message>
        <source>The user guide could not be read.</source>
        <translation>Le guide de l&apos;utilisateur n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The language chosen is used when Quorvan is started again.</source>
        <translation>La langue choisie sera utilisée au prochain démarrage de Quorvan.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check and try again.</source>
        <translation>Le port COM est invalide.
Veuillez vérifier et réessayer.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check comport status.</source>
        <translation>Le port COM est invalide.
Veuillez vérifier l&apos;état du port COM.</translation>
    </message>
    <message>
        <source>The radio is invalid.
Please check and try again.</source>
        <translation>L&apos;émetteur-récepteur est invalide.
Veuillez vérifier et réessayer.</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>Délai de communication dépassé.</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>Voulez-vous écrire les données dans l&apos;émetteur-récepteur ?</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known</source>
        <translation>Aucune lecture ou écriture antérieure de cet émetteur-récepteur n&apos;est connue</translation>
    </message>
    <message>
        <source>The radio holds this document.</source>
        <translation>L&apos;émetteur-récepteur contient ce document.</translation>
    </message>
    <message>
        <source>The radio holds what was written.</source>
        <translation>L&apos;émetteur-récepteur contient ce qui a été écrit.</translation>
    </message>
    <message>
        <source>The radio does not hold this document:</source>
        <translation>L&apos;émetteur-récepteur ne contient pas ce document :</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>L&apos;émetteur-récepteur ne contient pas ce qui a été écrit :</translation>
    </message>
    <message>
        <source>The radio was changed since it was last read or written:</source>
        <translation>L&apos;émetteur-récepteur a été modifié depuis sa dernière lecture ou écriture :</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Rien n&apos;a été écrit dans l&apos;émetteur-récepteur.</translation>
    </message>
    <message>
        <source>in the file</source>
        <translation>dans le fichier</translation>
    </message>
    <message>
        <source>in the document</source>
        <translation>dans le document</translation>
    </message>
    <message>
        <source>in the radio</source>
        <translation>dans l&apos;émetteur-récepteur</translation>
    </message>
    <message>
        <source>at the last read or write</source>
        <translation>à la dernière lecture ou écriture</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once.</source>
        <translation>Rien n&apos;a été envoyé. Lisez l&apos;émetteur-récepteur une fois.</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once, or give --since.</source>
        <translation>Rien n&apos;a été envoyé. Lisez l&apos;émetteur-récepteur une fois, ou indiquez --since.</translation>
    </message>
    <message>
        <source>The write did not end; the next write of changes completes it.</source>
        <translation>L&apos;écriture ne s&apos;est pas terminée ; la prochaine écriture des modifications la complète.</translation>
    </message>
    <message>
        <source>The next write of changes writes again what the radio did not take.</source>
        <translation>La prochaine écriture des modifications écrit de nouveau ce que l&apos;émetteur-récepteur n&apos;a pas accepté.</translation>
    </message>
    <message>
        <source>Complete the write that did not end?</source>
        <translation>Terminer l&apos;écriture inachevée ?</translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be used.</source>
        <translation>Cette sauvegarde est endommagée et inutilisable.</translation>
    </message>
    <message>
        <source>The pin of this backup could not be changed.</source>
        <translation>L&apos;épinglage de cette sauvegarde n&apos;a pas pu être modifié.</translation>
    </message>
    <message>
        <source>These two backups hold no part of the radio in common: nothing to compare.</source>
        <translation>Ces deux sauvegardes n&apos;ont aucune partie de l&apos;émetteur-récepteur en commun : rien à comparer.</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>Fonction invalide.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>Introuvable.</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>Fréquence invalide.
Veuillez vérifier et réessayer.</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>Décalage invalide.
Veuillez vérifier et réessayer.</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>La fréquence a été arrondie.</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>Le contenu a été modifié.
Voulez-vous appliquer la modification ?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <translation>Le contenu a été modifié.
Voulez-vous appliquer la modification ? </translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>Numéro de canal invalide.
Veuillez vérifier et réessayer.</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>Caractère invalide.
Veuillez vérifier et réessayer.</translation>
    </message>
    <message>
        <source>The last memory channel is in use.</source>
        <translation>Le dernier canal mémoire est occupé.</translation>
    </message>
    <message>
        <source>These rows were not pasted:</source>
        <translation>Ces lignes n&apos;ont pas été collées :</translation>
    </message>
    <message>
        <source>These rows were adjusted or skipped:</source>
        <translation>Ces lignes ont été ajustées ou ignorées :</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>Il n&apos;y a pas d&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Edit (%1 rows)</source>
        <translation>Modifier (%1 lignes)</translation>
    </message>
    <message>
        <source>Cut (%1 rows)</source>
        <translation>Couper (%1 lignes)</translation>
    </message>
    <message>
        <source>Paste into (%1 rows)</source>
        <translation>Coller (%1 lignes)</translation>
    </message>
    <message>
        <source>Delete (%1 rows)</source>
        <translation>Effacer (%1 lignes)</translation>
    </message>
    <message>
        <source>Import CSV (%1 row)</source>
        <translation>Importer un CSV (%1 ligne)</translation>
    </message>
    <message>
        <source>Import CSV (%1 rows)</source>
        <translation>Importer un CSV (%1 lignes)</translation>
    </message>
    <message>
        <source>Change Selected (%1 rows)</source>
        <translation>Modifier la sélection (%1 lignes)</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Couper %1</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>Coller dans %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <source>Tx Frequency : %1MHz</source>
        <translation>Fréquence TX : %1MHz</translation>
    </message>
    <message>
        <source>Offset : %1MHz</source>
        <translation>Décalage : %1MHz</translation>
    </message>
    <message>
        <source>Programmable VFO : %1-%2</source>
        <translation>VFO programmable : %1-%2</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Trier par fréquence</translation>
    </message>
    <message>
        <source>Sort by Memory Name</source>
        <translation>Trier par nom de mémoire</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> can.</translation>
    </message>
    <message>
        <source> Rx(Tx) Freq.</source>
        <translation> Fréq. RX(TX)</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Nom</translation>
    </message>
    <message>
        <source> Band</source>
        <translation> Bande</translation>
    </message>
    <message>
        <source> Freq.</source>
        <translation> Fréq.</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> N°</translation>
    </message>
    <message>
        <source> DTMF Code</source>
        <translation> Code DTMF</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Offset/Tx</source>
        <translation>Écart/TX</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Exclu</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: read the radio once.</source>
        <translation>Aucune lecture ou écriture antérieure de cet émetteur-récepteur n&apos;est connue : lisez-le une fois.</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: write everything once.</source>
        <translation>Aucune lecture ou écriture antérieure de cet émetteur-récepteur n&apos;est connue : écrivez tout une fois.</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>Bande 440 MHz</translation>
    </message>
    <message>
        <source>430MHz Band</source>
        <translation>Bande 430 MHz</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>Bande 220 MHz</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>Décalage -7.6MHz</translation>
    </message>
    <message>
        <source>-6MHz Shift</source>
        <translation>Décalage -6MHz</translation>
    </message>
    <message>
        <source>-20MHz Shift</source>
        <translation>Décalage -20MHz</translation>
    </message>
    <message>
        <source>-6.0MHz Shift</source>
        <translation>Décalage -6.0MHz</translation>
    </message>
    <message>
        <source>-20.0MHz Shift</source>
        <translation>Décalage -20.0MHz</translation>
    </message>
    <message>
        <source>ARVENA (U.S.A./Canada)</source>
        <translation>ARVENA (États-Unis/Canada)</translation>
    </message>
    <message>
        <source>BELTOE (Europe)</source>
        <translation>BELTOE (Europe)</translation>
    </message>
    <message>
        <source>BELTO (Japan)</source>
        <translation>BELTO (Japon)</translation>
    </message>
    <message>
        <source>BELTOA (General market)</source>
        <translation>BELTOA (Marché général)</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 item.</source>
        <translation>Le document diffère du contenu de l&apos;émetteur-récepteur pour %1 élément.</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 items.</source>
        <translation>Le document diffère du contenu de l&apos;émetteur-récepteur pour %1 éléments.</translation>
    </message>
    <message>
        <source>The radio may not hold %1 item of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>L&apos;émetteur-récepteur ne contient peut-être pas %1 élément du document.
La prochaine écriture des modifications l&apos;envoie. Quitter quand même le mode direct ?</translation>
    </message>
    <message>
        <source>The radio may not hold %1 items of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>L&apos;émetteur-récepteur ne contient peut-être pas %1 éléments du document.
La prochaine écriture des modifications les envoie. Quitter quand même le mode direct ?</translation>
    </message>
    <message>
        <source>Live mode keeps the radio equal to this document.</source>
        <translation>Le mode direct maintient l&apos;émetteur-récepteur identique à ce document.</translation>
    </message>
    <message>
        <source>What this radio holds is not known: read it first.</source>
        <translation>Le contenu de cet émetteur-récepteur n&apos;est pas connu : lisez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 a été modifié par un autre programme depuis que vous l&apos;avez ouvert.</translation>
    </message>
    <message>
        <source>Incomplete read: %1 item was not read from the radio.</source>
        <translation>Lecture incomplète : %1 élément n&apos;a pas été lu depuis l&apos;émetteur-récepteur.</translation>
    </message>
    <message>
        <source>Incomplete read: %1 items were not read from the radio.</source>
        <translation>Lecture incomplète : %1 éléments n&apos;ont pas été lus depuis l&apos;émetteur-récepteur.</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 item was not read from the radio. Write anyway?</source>
        <translation>Ce document contient une lecture inachevée : %1 élément n&apos;a pas été lu depuis l&apos;émetteur-récepteur. Écrire quand même ?</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 items were not read from the radio. Write anyway?</source>
        <translation>Ce document contient une lecture inachevée : %1 éléments n&apos;ont pas été lus depuis l&apos;émetteur-récepteur. Écrire quand même ?</translation>
    </message>
    <message>
        <source>Quorvan was closed without saving changes to %1 (%2).
Restore them?</source>
        <translation>Quorvan a été fermé sans enregistrer les modifications de %1 (%2).
Les restaurer ?</translation>
    </message>
    <message>
        <source>%1 is not on the %2 step; left at %3</source>
        <translation>%1 n&apos;est pas sur le pas de %2 ; laissé à %3</translation>
    </message>
    <message>
        <source>File &gt; Export PDF... writes the same pages to a PDF file without a printer.</source>
        <translation>Fichier &gt; Exporter en PDF... écrit les mêmes pages dans un fichier PDF, sans imprimante.</translation>
    </message>
    <message>
        <source>Read cancelled after %1 of %2 steps; the document holds what was read.</source>
        <translation>Lecture annulée après %1 étapes sur %2 ; le document contient ce qui a été lu.</translation>
    </message>
    <message>
        <source>Read failed after %1 of %2 steps; the document holds what was read.</source>
        <translation>Échec de la lecture après %1 étapes sur %2 ; le document contient ce qui a été lu.</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL, DTMF and menu in %2.</source>
        <translation>%1 canaux mémoire, VFO, CALL, DTMF et menu lus en %2.</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL and DTMF in %2.</source>
        <translation>%1 canaux mémoire, VFO, CALL et DTMF lus en %2.</translation>
    </message>
    <message>
        <source>Read the menu in %1.</source>
        <translation>Menu lu en %1.</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2; the radio holds it.</source>
        <translation>%1 élément modifié écrit en %2 ; l&apos;émetteur-récepteur le contient.</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2; the radio holds them.</source>
        <translation>%1 éléments modifiés écrits en %2 ; l&apos;émetteur-récepteur les contient.</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2.</source>
        <translation>%1 élément modifié écrit en %2.</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2.</source>
        <translation>%1 éléments modifiés écrits en %2.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1; the radio holds them.</source>
        <translation>Canaux mémoire, VFO, CALL, DTMF et menu écrits en %1 ; l&apos;émetteur-récepteur les contient.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1.</source>
        <translation>Canaux mémoire, VFO, CALL, DTMF et menu écrits en %1.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1; the radio holds them.</source>
        <translation>Canaux mémoire, VFO, CALL et DTMF écrits en %1 ; l&apos;émetteur-récepteur les contient.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1.</source>
        <translation>Canaux mémoire, VFO, CALL et DTMF écrits en %1.</translation>
    </message>
    <message>
        <source>Wrote the menu in %1; the radio holds them.</source>
        <translation>Menu écrit en %1 ; l&apos;émetteur-récepteur le contient.</translation>
    </message>
    <message>
        <source>Wrote the menu in %1.</source>
        <translation>Menu écrit en %1.</translation>
    </message>
    <message>
        <source>Verified in %1: the radio holds this document.</source>
        <translation>Vérifié en %1 : l&apos;émetteur-récepteur contient ce document.</translation>
    </message>
    <message>
        <source>Verified in %1: %2 field differs from this document.</source>
        <translation>Vérifié en %1 : %2 champ diffère de ce document.</translation>
    </message>
    <message>
        <source>Verified in %1: %2 fields differ from this document.</source>
        <translation>Vérifié en %1 : %2 champs diffèrent de ce document.</translation>
    </message>
    <message>
        <source>Exported %1 channel to %2.</source>
        <translation>%1 canal exporté vers %2.</translation>
    </message>
    <message>
        <source>Exported %1 channels to %2.</source>
        <translation>%1 canaux exportés vers %2.</translation>
    </message>
    <message>
        <source>Export failed: %1 was not written.</source>
        <translation>Échec de l&apos;exportation : %1 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Import failed: %1 is not a channel list.</source>
        <translation>Échec de l&apos;importation : %1 n&apos;est pas une liste de canaux.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Rien n&apos;a été importé de %1.</translation>
    </message>
    <message>
        <source>Imported %1 channel from %2.</source>
        <translation>%1 canal importé de %2.</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2.</source>
        <translation>%1 canaux importés de %2.</translation>
    </message>
    <message>
        <source>Import failed: %1 could not be read.</source>
        <translation>Échec de l&apos;importation : %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Nothing was written: the write&apos;s journal could not be kept.</source>
        <translation>Rien n&apos;a été écrit : le journal de l&apos;écriture n&apos;a pas pu être conservé.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio changed since it was last read.</source>
        <translation>Rien n&apos;a été écrit : l&apos;émetteur-récepteur a changé depuis sa dernière lecture.</translation>
    </message>
    <message>
        <source>Write cancelled; the radio may hold part of it.</source>
        <translation>Écriture annulée ; l&apos;émetteur-récepteur en contient peut-être une partie.</translation>
    </message>
    <message>
        <source>Write failed; the radio may hold part of it.</source>
        <translation>Échec de l&apos;écriture ; l&apos;émetteur-récepteur en contient peut-être une partie.</translation>
    </message>
    <message>
        <source>Nothing needed writing; the radio holds it.</source>
        <translation>Rien à écrire ; l&apos;émetteur-récepteur le contient déjà.</translation>
    </message>
    <message>
        <source>Verify cancelled.</source>
        <translation>Vérification annulée.</translation>
    </message>
    <message>
        <source>Verify failed; nothing was compared.</source>
        <translation>Échec de la vérification ; rien n&apos;a été comparé.</translation>
    </message>
    <message>
        <source>Checking %1 item</source>
        <translation>Vérification de %1 élément</translation>
    </message>
    <message>
        <source>Checking %1 items</source>
        <translation>Vérification de %1 éléments</translation>
    </message>
    <message>
        <source>Reading back %1 item</source>
        <translation>Relecture de %1 élément</translation>
    </message>
    <message>
        <source>Reading back %1 items</source>
        <translation>Relecture de %1 éléments</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2, about %3 left</source>
        <translation>%1 sur %2, il reste environ %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1 : %2 sur %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3, about %4 left</source>
        <translation>%1 : %2 sur %3, il reste environ %4</translation>
    </message>
    <message>
        <source>Band lists</source>
        <translation>Listes de bandes</translation>
    </message>
    <message>
        <source>Writing: Band lists</source>
        <translation>Écriture : listes de bandes</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Canaux mémoire</translation>
    </message>
    <message>
        <source>Writing: Memory channels</source>
        <translation>Écriture : canaux mémoire</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>Canaux CALL</translation>
    </message>
    <message>
        <source>Writing: CALL channels</source>
        <translation>Écriture : canaux CALL</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Writing: VFOs</source>
        <translation>Écriture : VFO</translation>
    </message>
    <message>
        <source>Programmable VFOs</source>
        <translation>VFO programmables</translation>
    </message>
    <message>
        <source>Writing: Programmable VFOs</source>
        <translation>Écriture : VFO programmables</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>Mémoires DTMF</translation>
    </message>
    <message>
        <source>Writing: DTMF memories</source>
        <translation>Écriture : mémoires DTMF</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Writing: Menu</source>
        <translation>Écriture : menu</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
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
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>something answered, but not as a radio of this family</source>
        <translation>quelque chose a répondu, mais pas comme un émetteur-récepteur de cette famille</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>occupé : utilisé par un autre programme</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>pas d&apos;autorisation</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot be opened as a serial port</source>
        <translation>ne peut pas être ouvert comme port série</translation>
    </message>
    <message>
        <source>the line failed</source>
        <translation>la liaison a échoué</translation>
    </message>
    <message>
        <source>You have no permission to use %1.</source>
        <translation>Vous n&apos;avez pas l&apos;autorisation d&apos;utiliser %1.</translation>
    </message>
    <message>
        <source>You are a member of the group &quot;%1&quot; that may use it, but not yet in this session.</source>
        <translation>Vous êtes membre du groupe « %1 » qui peut l&apos;utiliser, mais pas encore dans cette session.</translation>
    </message>
    <message>
        <source>It may be used by the members of the group &quot;%1&quot;. To join it, run</source>
        <translation>Les membres du groupe « %1 » peuvent l&apos;utiliser. Pour rejoindre ce groupe, exécutez</translation>
    </message>
    <message>
        <source>%1 does not exist; no serial adapter is plugged in.</source>
        <translation>%1 n&apos;existe pas ; aucun adaptateur série n&apos;est branché.</translation>
    </message>
    <message>
        <source>%1 does not exist; plugged adapters: %2.</source>
        <translation>%1 n&apos;existe pas ; adaptateurs branchés : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a serial port.</source>
        <translation>%1 ne peut pas être ouvert comme port série.</translation>
    </message>
    <message>
        <source>Check that the radio is on and not showing one of its menus, that the cable is seated at both ends and that %1 is the cable&apos;s port.</source>
        <translation>Vérifiez que l&apos;émetteur-récepteur est allumé et n&apos;affiche aucun de ses menus, que le câble est bien branché aux deux extrémités et que %1 est le port du câble.</translation>
    </message>
    <message>
        <source>The line to %1 failed during the transfer; check that the cable is seated and its adapter still plugged in.</source>
        <translation>La liaison avec %1 a échoué pendant le transfert ; vérifiez que le câble est bien branché et que son adaptateur l&apos;est toujours.</translation>
    </message>
    <message>
        <source>The radio did not accept 1 command.
The first was &quot;%1&quot;.
Please check the radio and try again.</source>
        <translation>L&apos;émetteur-récepteur n&apos;a pas accepté 1 commande.
C&apos;était « %1 ».
Vérifiez l&apos;émetteur-récepteur et réessayez.</translation>
    </message>
    <message>
        <source>The radio did not accept %1 commands.
The first was &quot;%2&quot;.
Please check the radio and try again.</source>
        <translation>L&apos;émetteur-récepteur n&apos;a pas accepté %1 commandes.
La première était « %2 ».
Vérifiez l&apos;émetteur-récepteur et réessayez.</translation>
    </message>
    <message>
        <source>No complete answer within %1 seconds.</source>
        <translation>Aucune réponse complète en %1 secondes.</translation>
    </message>
    <message>
        <source>The adapter is %1: Prolific&apos;s Windows drivers since 2012 refuse the PL2303HXA and PL2303XA chips they no longer support, and counterfeit PL2303 chips; Device Manager then shows the adapter with a warning sign and nothing goes through it.</source>
        <translation>L&apos;adaptateur est %1 : depuis 2012, les pilotes Windows de Prolific refusent les puces PL2303HXA et PL2303XA qu&apos;ils ne prennent plus en charge, ainsi que les puces PL2303 contrefaites ; le Gestionnaire de périphériques affiche alors l&apos;adaptateur avec un signe d&apos;avertissement et rien ne passe.</translation>
    </message>
    <message>
        <source>The adapter is %1: Product id 0000 is what an FTDI driver for Windows of 2014 wrote into counterfeit FT232R chips to stop them working.</source>
        <translation>L&apos;adaptateur est %1 : l&apos;identifiant de produit 0000 est celui qu&apos;un pilote FTDI pour Windows de 2014 a écrit dans les puces FT232R contrefaites pour les mettre hors service.</translation>
    </message>
    <message>
        <source>The adapter is %1: Newer FTDI drivers for Windows send &quot;NON GENUINE DEVICE FOUND!&quot; instead of the data through counterfeit FT232R chips.</source>
        <translation>L&apos;adaptateur est %1 : les pilotes FTDI récents pour Windows envoient « NON GENUINE DEVICE FOUND! » au lieu des données à travers les puces FT232R contrefaites.</translation>
    </message>
    <message>
        <source>The adapter is %1: ModemManager may send modem commands to a newly plugged ttyACM device for some seconds; try again after a moment, or have ModemManager ignore the device (ID_MM_DEVICE_IGNORE in a udev rule).</source>
        <translation>L&apos;adaptateur est %1 : ModemManager peut envoyer des commandes modem à un périphérique ttyACM récemment branché pendant quelques secondes ; réessayez dans un instant, ou faites ignorer le périphérique par ModemManager (ID_MM_DEVICE_IGNORE dans une règle udev).</translation>
    </message>
    <message>
        <source>%1, type %2</source>
        <translation>%1, type %2</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer for read and write access to it.</source>
        <translation>Demandez à l&apos;administrateur de cet ordinateur un accès en lecture et en écriture.</translation>
    </message>
    <message>
        <source>Log out and log in again.</source>
        <translation>Déconnectez-vous puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>then log out and log in again.</source>
        <translation>puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>Le port est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Live paused: %1 item not confirmed.</source>
        <translation>Direct en pause : %1 élément non confirmé.</translation>
    </message>
    <message>
        <source>Live paused: %1 items not confirmed.</source>
        <translation>Direct en pause : %1 éléments non confirmés.</translation>
    </message>
    <message>
        <source>Live: sending %1 item...</source>
        <translation>Direct : envoi de %1 élément...</translation>
    </message>
    <message>
        <source>Live: sending %1 items...</source>
        <translation>Direct : envoi de %1 éléments...</translation>
    </message>
    <message>
        <source>The journal of the write could not be kept: %1 Nothing was sent.</source>
        <translation>Le journal de l&apos;écriture n&apos;a pas pu être conservé : %1 Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The radio did not accept &quot;%1&quot;.</source>
        <translation>L&apos;émetteur-récepteur n&apos;a pas accepté « %1 ».</translation>
    </message>
    <message>
        <source>Live mode is paused: the radio may not hold %1.</source>
        <translation>Le mode direct est en pause : l&apos;émetteur-récepteur ne contient peut-être pas %1.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>memory channel %1</source>
        <translation>canal mémoire %1</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>CALL channel %1</source>
        <translation>canal CALL %1</translation>
    </message>
    <message>
        <source>DTMF memory %1</source>
        <translation>mémoire DTMF %1</translation>
    </message>
    <message>
        <source>program VFO %1</source>
        <translation>VFO programmable %1</translation>
    </message>
    <message>
        <source>menu value %1</source>
        <translation>valeur de menu %1</translation>
    </message>
    <message>
        <source>the comment</source>
        <translation>le commentaire</translation>
    </message>
    <message>
        <source>The radio answered %1.</source>
        <translation>L&apos;émetteur-récepteur a répondu %1.</translation>
    </message>
    <message>
        <source>The radio reports type %1; this document is for %2.</source>
        <translation>L&apos;émetteur-récepteur indique le type %1 ; ce document est pour %2.</translation>
    </message>
    <message>
        <source>Live: radio holds the document.</source>
        <translation>Direct : l&apos;émetteur-récepteur contient le document.</translation>
    </message>
    <message>
        <source>The exchange with the radio did not end.</source>
        <translation>L&apos;échange avec l&apos;émetteur-récepteur ne s&apos;est pas terminé.</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when live mode began. Nothing was sent.</source>
        <translation>L&apos;émetteur-récepteur ne contient plus ce qu&apos;il contenait au début du mode direct. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The items sent were not read back.</source>
        <translation>Les éléments envoyés n&apos;ont pas été relus.</translation>
    </message>
    <message>
        <source>The radio gave back otherwise what was sent.</source>
        <translation>L&apos;émetteur-récepteur a rendu autre chose que ce qui a été envoyé.</translation>
    </message>
    <message>
        <source>The document keeps every edit. Check the cable and the radio, then choose Resume: it reads what the radio holds and sends what it lacks.</source>
        <translation>Le document conserve chaque modification. Vérifiez le câble et l&apos;émetteur-récepteur, puis choisissez Reprendre : il lit ce que contient l&apos;émetteur-récepteur et envoie ce qui lui manque.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5 %6</source>
        <translation>%1 : %2 %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>label</source>
        <translation>libellé</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>step</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>sens du décalage</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>inversion</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>tonalité</translation>
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
        <translation>fréquence de tonalité</translation>
    </message>
    <message>
        <source>CTCSS frequency</source>
        <translation>fréquence CTCSS</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>code DCS</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>décalage</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>lock out</source>
        <translation>exclusion du balayage</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>fréquence TX</translation>
    </message>
    <message>
        <source>transmit step</source>
        <translation>pas TX</translation>
    </message>
    <message>
        <source>power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>mémoire %1</translation>
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
        <translation>commentaire</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>band</source>
        <translation>bande</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>limite basse</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>limite haute</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canal</translation>
    </message>
    <message>
        <source>range</source>
        <translation>plage</translation>
    </message>
    <message>
        <source>record</source>
        <translation>enregistrement</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Quorvan Files (*.qvx)</source>
        <translation>Fichiers Quorvan (*.qvx)</translation>
    </message>
    <message>
        <source>CSV Files(*.csv);;All Files(*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Device path:</source>
        <translation>Chemin du périphérique :</translation>
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
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>These channels were left out because their frequency cannot be read: %1</source>
        <translation>Ces canaux ont été omis car leur fréquence est illisible : %1</translation>
    </message>
</context>
<context>
    <name>RadioCommands</name>
    <message>
        <source>Write Changes</source>
        <translation>Écrire les modifications</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>Écrire quand même</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
</context>
<context>
    <name>quorvan::BandChannelForm</name>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
</context>
<context>
    <name>quorvan::ChangeSelectedDialog</name>
    <message>
        <source>Change Selected</source>
        <translation>Modifier la sélection</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Décalage +</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Décalage −</translation>
    </message>
    <message>
        <source>The band&apos;s extra shift</source>
        <translation>Décalage propre à la bande</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
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
        <translation>Marche</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Shift and Offset</source>
        <translation>Décalage et écart</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Exclure du balayage</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Début du nom</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Offset in MHz</source>
        <translation>Écart en MHz</translation>
    </message>
    <message>
        <source>Tone kind</source>
        <translation>Type de tonalité</translation>
    </message>
    <message>
        <source>Tone value</source>
        <translation>Valeur de tonalité</translation>
    </message>
</context>
<context>
    <name>quorvan::CsvImportDialog</name>
    <message>
        <source>By Location</source>
        <translation>Par emplacement</translation>
    </message>
    <message>
        <source>From the selected channel on, in file order</source>
        <translation>À partir du canal choisi, dans l&apos;ordre du fichier</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Selected channel: %1</source>
        <translation>Canal choisi : %1</translation>
    </message>
    <message>
        <source>Select a channel from 0 to 399 to place the rows from there on.</source>
        <translation>Choisissez un canal de 0 à 399 à partir duquel placer les lignes.</translation>
    </message>
    <message>
        <source>Place the rows</source>
        <translation>Placer les lignes</translation>
    </message>
</context>
<context>
    <name>quorvan::DiagnosticReportDialog</name>
    <message>
        <source>Diagnostic Report</source>
        <translation>Rapport de diagnostic</translation>
    </message>
    <message>
        <source>&amp;Record Transfers</source>
        <translation>&amp;Enregistrer les transferts</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>En&amp;registrer...</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Enregistrer le rapport de diagnostic</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
</context>
<context>
    <name>quorvan::FindBar</name>
    <message>
        <source>Find (name or MHz)</source>
        <translation>Rechercher (nom ou MHz)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <source>Find name or MHz</source>
        <translation>Rechercher un nom ou des MHz</translation>
    </message>
</context>
<context>
    <name>quorvan::FindRadioDialog</name>
    <message>
        <source>&amp;Use Port</source>
        <translation>&amp;Utiliser le port</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Find Radio</source>
        <translation>Rechercher l&apos;émetteur-récepteur</translation>
    </message>
    <message>
        <source>Trying the serial ports one at a time...</source>
        <translation>Essai des ports série l&apos;un après l&apos;autre...</translation>
    </message>
    <message>
        <source>Trying %1 (%2 of %3)...</source>
        <translation>Essai de %1 (%2 sur %3)...</translation>
    </message>
    <message>
        <source>A radio answered. Use its port?</source>
        <translation>Un émetteur-récepteur a répondu. Utiliser son port ?</translation>
    </message>
    <message>
        <source>%1 radios answered. Choose the port to use.</source>
        <translation>%1 émetteurs-récepteurs ont répondu. Choisissez le port à utiliser.</translation>
    </message>
    <message>
        <source>The search was cancelled.</source>
        <translation>La recherche a été annulée.</translation>
    </message>
    <message>
        <source>No serial ports were found. Check that the cable&apos;s adapter is plugged in.</source>
        <translation>Aucun port série trouvé. Vérifiez que l&apos;adaptateur du câble est branché.</translation>
    </message>
    <message>
        <source>No radio answered. Check that the radio is on and its cable is plugged in at both ends, then try again.</source>
        <translation>Aucun émetteur-récepteur n&apos;a répondu. Vérifiez qu&apos;il est allumé et que son câble est branché aux deux bouts, puis réessayez.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Ports tried</source>
        <translation>Ports essayés</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>What each serial port answered</source>
        <translation>Ce que chaque port série a répondu</translation>
    </message>
</context>
<context>
    <name>quorvan::FrequencyGroup</name>
    <message>
        <source>Rx Frequency</source>
        <translation>Fréquence RX</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Fréquence TX</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>Canal split</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Décalage +</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Décalage −</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
</context>
<context>
    <name>quorvan::HelpTopics</name>
    <message>
        <source>The user guide was not found.
It is installed with Quorvan as share/doc/quorvan/user-guide.md; it was looked for as:</source>
        <translation>Le guide de l&apos;utilisateur est introuvable.
Il est installé avec Quorvan sous share/doc/quorvan/user-guide.md ; il a été cherché ici :</translation>
    </message>
</context>
<context>
    <name>quorvan::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Épinglé</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Differences:</source>
        <translation>&amp;Différences :</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Restore to Radio</source>
        <translation>&amp;Rétablir dans l&apos;émetteur-récepteur</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>&amp;Épingler</translation>
    </message>
    <message>
        <source>No state of the radio %1 is kept yet.</source>
        <translation>Aucun état de l&apos;émetteur-récepteur %1 n&apos;est encore conservé.</translation>
    </message>
    <message>
        <source>&amp;States of the radio %1, newest first:</source>
        <translation>É&amp;tats de l&apos;émetteur-récepteur %1, du plus récent au plus ancien :</translation>
    </message>
    <message>
        <source>Un&amp;pin</source>
        <translation>Dés&amp;épingler</translation>
    </message>
    <message>
        <source>Select two entries to see what differs between them.</source>
        <translation>Choisissez deux entrées pour voir leurs différences.</translation>
    </message>
    <message>
        <source>Entries %1 and %2 hold the same.</source>
        <translation>Les entrées %1 et %2 sont identiques.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>The radio&apos;s backups, newest first</source>
        <translation>Les sauvegardes de l&apos;émetteur-récepteur, de la plus récente à la plus ancienne</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveBanner</name>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Leave Live Mode</source>
        <translation>Quitter le mode direct</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveMode</name>
    <message numerus="yes">
        <source>Write %n Changes First</source>
        <translation>
            <numerusform>Écrire d&apos;abord %n modification</numerusform>
            <numerusform>Écrire d&apos;abord %n modifications</numerusform>
        </translation>
    </message>
    <message>
        <source>Read the radio first?</source>
        <translation>Lire d&apos;abord l&apos;émetteur-récepteur ?</translation>
    </message>
    <message>
        <source>Read the Radio First</source>
        <translation>Lire d&apos;abord l&apos;émetteur-récepteur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage1</name>
    <message>
        <source>&quot;A&quot; Band</source>
        <translation>Bande « A »</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>&quot;B&quot; Band</source>
        <translation>Bande « B »</translation>
    </message>
    <message>
        <source>&amp;Operation Band</source>
        <translation>&amp;Bande de trafic</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>É&amp;quilibre</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Équilibre</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>F&amp;onctions</translation>
    </message>
    <message>
        <source>Dual</source>
        <translation>Double veille</translation>
    </message>
    <message>
        <source>ATT</source>
        <translation>ATT</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nom de mémoire</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation>&amp;Alimentation</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Économiseur de batterie</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Arrêt automatique</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>Power on Message</source>
        <translation>Message d&apos;accueil</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>D&amp;TMF</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>Verrouillage DTMF</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>Maintien DTMF</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>Pause DTMF</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>Vitesse DTMF</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation>&amp;VOX</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>Gain VOX</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>Délai VOX</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>VOX sur canal occupé</translation>
    </message>
    <message>
        <source>From the A band at the left to the B band at the right</source>
        <translation>De la bande A à gauche à la bande B à droite</translation>
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
        <translation>FM étroite</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>Ré&amp;péteur</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>A&amp;utres</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>Liaison des groupes de mémoires</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Émission interdite</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>Antenne ferrite</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>Décalage de battement</translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation>Puissance HF bande A</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation>Puissance HF bande B</translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation>Puissance 1,2 GHz bande A</translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation>Puissance 1,2 GHz bande B</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>Bande 220 MHz</translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation>Bande HF</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>Bande 440 MHz</translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation>Bande 1,2 GHz</translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation>Bande 144 MHz</translation>
    </message>
    <message>
        <source>FM Narrow %1</source>
        <translation>FM étroite %1</translation>
    </message>
    <message>
        <source>Auto Repeater Offset</source>
        <translation>Décalage répéteur automatique</translation>
    </message>
    <message>
        <source>1750Hz Tone Key</source>
        <translation>Touche tonalité 1750 Hz</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>Maintien tonalité 1750 Hz</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>Accord autorisé</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bip des touches</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>Reprise du balayage</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Porteuse</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>Vitesse packet</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>Rappel des mémoires</translation>
    </message>
    <message>
        <source>All Bands</source>
        <translation>Toutes les bandes</translation>
    </message>
    <message>
        <source>Current Band</source>
        <translation>Bande courante</translation>
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
        <translation>Alcaline</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPageControls</name>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
</context>
<context>
    <name>quorvan::PortMenu</name>
    <message>
        <source>Other...</source>
        <translation>Autre...</translation>
    </message>
    <message>
        <source>&amp;Find Radio</source>
        <translation>&amp;Rechercher l&apos;émetteur-récepteur</translation>
    </message>
    <message>
        <source>%1 is invalid.
Please check comport status.</source>
        <translation>%1 est invalide.
Veuillez vérifier l&apos;état du port COM.</translation>
    </message>
</context>
<context>
    <name>quorvan::ReportDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>quorvan::StatusAnnouncer</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>quorvan::TAboutBox</name>
    <message>
        <source>About Quorvan</source>
        <translation>À propos de Quorvan</translation>
    </message>
    <message>
        <source>Quorvan for the ARVEN and BELTO dual-band radios</source>
        <translation>Quorvan pour les émetteurs-récepteurs bibandes ARVEN et BELTO</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later; it comes with no warranty.</source>
        <translation>Logiciel libre sous licence GNU General Public License, version 3 ou ultérieure ; fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Version 0.00 Beta %1</source>
        <translation>Version 0.00 bêta %1</translation>
    </message>
</context>
<context>
    <name>quorvan::TCallForm</name>
    <message>
        <source>CALL Channel</source>
        <translation>Canal CALL</translation>
    </message>
</context>
<context>
    <name>quorvan::TDtmfForm</name>
    <message>
        <source>DTMF Memory</source>
        <translation>Mémoire DTMF</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Numéro de canal</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>Code DTMF</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>quorvan::THelpForm</name>
    <message>
        <source>Quorvan Help</source>
        <translation>Aide de Quorvan</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Not found: &quot;%1&quot;</source>
        <translation>Introuvable : « %1 »</translation>
    </message>
    <message>
        <source>No section &quot;%1&quot; in the guide</source>
        <translation>Pas de section « %1 » dans le guide</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
</context>
<context>
    <name>quorvan::TMainForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>&amp;Importer un CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>All &amp;Columns</source>
        <translation>Toutes les &amp;colonnes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Diagnostic Report...</source>
        <translation>Rapport de &amp;diagnostic...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;À propos...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Émetteur-récepteur</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Modifications</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Verify &amp;After Writing</source>
        <translation>Vérifier &amp;après écriture</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>Choix du &amp;port</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Insérer une ligne</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Change &amp;Selected...</source>
        <translation>Modifier la &amp;sélection...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le suiva&amp;nt</translation>
    </message>
    <message>
        <source>Memory channel &amp;Sort...</source>
        <translation>Trier les canau&amp;x mémoire...</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>&amp;Canal mémoire</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>&amp;VFO</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>Canal CA&amp;LL</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>Mémoire D&amp;TMF</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Mémoires</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>M&amp;enu</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>Mémoi&amp;res</translation>
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
        <translation>Insérer une ligne en %1</translation>
    </message>
    <message>
        <source>Remove Row %1</source>
        <translation>Supprimer la ligne %1</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>Monter %1</translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>Descendre %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Edit Comment</source>
        <translation>Modifier le commentaire</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Exclusion</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>&amp;Live Mode</source>
        <translation>Mode &amp;direct</translation>
    </message>
    <message>
        <source>Waiting to be sent to the radio</source>
        <translation>En attente d&apos;envoi à l&apos;émetteur-récepteur</translation>
    </message>
    <message>
        <source>Sent to the radio, being read back</source>
        <translation>Envoyé à l&apos;émetteur-récepteur, relecture en cours</translation>
    </message>
    <message>
        <source>Confirmed: the radio holds this row</source>
        <translation>Confirmé : l&apos;émetteur-récepteur contient cette ligne</translation>
    </message>
    <message>
        <source>Not confirmed: the radio may not hold this row</source>
        <translation>Non confirmé : l&apos;émetteur-récepteur ne contient peut-être pas cette ligne</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmé</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
</context>
<context>
    <name>quorvan::TMemoryForm</name>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>Numéro de canal mémoire</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Exclure du balayage</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nom de mémoire</translation>
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
        <translation>Quel émetteur-récepteur avez-vous ?</translation>
    </message>
</context>
<context>
    <name>quorvan::TSortForm</name>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nom de mémoire</translation>
    </message>
    <message>
        <source>Memory Channel Sort</source>
        <translation>Tri des canaux mémoire</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
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
        <translation>VFO programmable</translation>
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
        <translation>Limite basse du VFO programmable</translation>
    </message>
    <message>
        <source>Lowest whole MHz of the range</source>
        <translation>MHz entier le plus bas de la plage</translation>
    </message>
    <message>
        <source>Program VFO upper limit</source>
        <translation>Limite haute du VFO programmable</translation>
    </message>
    <message>
        <source>Highest whole MHz of the range</source>
        <translation>MHz entier le plus haut de la plage</translation>
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
        <translation>Programmation des canaux mémoire pour ARVEN et BELTO</translation>
    </message>
</context>
<context>
    <name>quorvan::ToneGroup</name>
    <message>
        <source>Tone/CTCSS/DCS</source>
        <translation>Tonalité/CTCSS/DCS</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Fréquence de tonalité</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>Fréquence CTCSS</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>Code DCS</translation>
    </message>
</context>
<context>
    <name>quorvan::TransferDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>Lecture des données de l&apos;émetteur-récepteur.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>Écriture des données dans l&apos;émetteur-récepteur.</translation>
    </message>
</context>
</TS>
