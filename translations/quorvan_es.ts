<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DocumentLifecycle</name>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Equipo</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>%1 memory channel</source>
        <translation>%1 canal de memoria</translation>
    </message>
    <message>
        <source>%1 memory channels</source>
        <translation>%1 canales de memoria</translation>
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
        <translation>%1 canales CALL</translation>
    </message>
    <message>
        <source>%1 DTMF memory</source>
        <translation>%1 memoria DTMF</translation>
    </message>
    <message>
        <source>%1 DTMF memories</source>
        <translation>%1 memorias DTMF</translation>
    </message>
    <message>
        <source>%1 program VFO</source>
        <translation>%1 VFO programable</translation>
    </message>
    <message>
        <source>%1 program VFOs</source>
        <translation>%1 VFO programables</translation>
    </message>
    <message>
        <source>%1 menu value</source>
        <translation>%1 ajuste del menú</translation>
    </message>
    <message>
        <source>%1 menu values</source>
        <translation>%1 ajustes del menú</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Memory read</source>
        <translation>Lectura de memorias</translation>
    </message>
    <message>
        <source>Menu read</source>
        <translation>Lectura del menú</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>Reemplazado</translation>
    </message>
    <message>
        <source>Pending write</source>
        <translation>Escritura pendiente</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Dañada</translation>
    </message>
    <message>
        <source>No earlier state</source>
        <translation>Sin estado anterior</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>in entry %1</source>
        <translation>en la entrada %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Compared with what the radio held after the read of %1.</source>
        <translation>Comparado con el contenido del equipo tras la lectura del %1.</translation>
    </message>
    <message>
        <source>Compared with what the radio held after the write of %1.</source>
        <translation>Comparado con el contenido del equipo tras la escritura del %1.</translation>
    </message>
    <message>
        <source>Compared with what the write of %1 was to leave; that write may not have ended, so what it wrote is checked first.</source>
        <translation>Comparado con lo que debía dejar la escritura del %1; puede que esa escritura no terminara, así que primero se comprueba lo que escribió.</translation>
    </message>
    <message>
        <source>Compared with %1.</source>
        <translation>Comparado con %1.</translation>
    </message>
    <message>
        <source>Nothing has changed since the last read or write of this radio (%1); nothing was sent.</source>
        <translation>Nada ha cambiado desde la última lectura o escritura de este equipo (%1); no se ha enviado nada.</translation>
    </message>
    <message>
        <source>Nothing differs from %1; nothing was sent.</source>
        <translation>Nada difiere de %1; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>The newest backup of this radio cannot be read: %1</source>
        <translation>No se puede leer la copia de seguridad más reciente de este equipo: %1</translation>
    </message>
    <message>
        <source>The newest backup of this radio is dated later than now (%1; is the computer&apos;s clock right?): %2.</source>
        <translation>La copia de seguridad más reciente de este equipo tiene una fecha posterior a la actual (%1; ¿es correcto el reloj del ordenador?): %2.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: what it is to hold could not be kept first: %1.</source>
        <translation>No se ha escrito nada en el equipo: no se pudo guardar antes lo que va a contener: %1.</translation>
    </message>
    <message>
        <source>The radio was written, but what it now holds could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>Se escribió en el equipo, pero no se pudo guardar lo que contiene ahora: %1. Lea el equipo una vez antes de la próxima escritura de cambios.</translation>
    </message>
    <message>
        <source>The write did not end, and what it was to leave could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>La escritura no terminó y no se pudo guardar lo que debía dejar: %1. Lea el equipo una vez antes de la próxima escritura de cambios.</translation>
    </message>
    <message>
        <source>Write %1 changed item to the radio?</source>
        <translation>¿Escribir %1 elemento modificado en el equipo?</translation>
    </message>
    <message>
        <source>Write %1 changed items to the radio?</source>
        <translation>¿Escribir %1 elementos modificados en el equipo?</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 item differs from what it holds now.</source>
        <translation>¿Restaurar el equipo a su estado del %1? %2 elemento difiere de lo que contiene ahora.</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 items differ from what it holds now.</source>
        <translation>¿Restaurar el equipo a su estado del %1? %2 elementos difieren de lo que contiene ahora.</translation>
    </message>
    <message>
        <source>The radio already holds its state of %1; nothing was sent.</source>
        <translation>El equipo ya tiene su estado del %1; no se ha enviado nada.</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>No se pudo escribir el archivo: %1</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>Error al abrir el archivo.</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>Los datos han cambiado.
¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>The data read could not be kept as a backup.</source>
        <translation>Los datos leídos no se pudieron guardar como copia de seguridad.</translation>
    </message>
    <message>
        <source>The data written could not be kept as a backup.</source>
        <translation>Los datos escritos no se pudieron guardar como copia de seguridad.</translation>
    </message>
    <message>
        <source>The data replaced could not be kept as a backup.</source>
        <translation>Los datos reemplazados no se pudieron guardar como copia de seguridad.</translation>
    </message>
    <message>
        <source>The user guide could not be read.</source>
        <translation>No se pudo leer la guía del usuario.</translation>
    </message>
    <message>
        <source>The language chosen is used when Quorvan is started again.</source>
        <translation>El idioma elegido se usará la próxima vez que se inicie Quorvan.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check and try again.</source>
        <translation>El puerto COM no es válido.
Compruébelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check comport status.</source>
        <translation>El puerto COM no es válido.
Compruebe el estado del puerto COM.</translation>
    </message>
    <message>
        <source>The radio is invalid.
Please check and try again.</source>
        <translation>El equipo no es válido.
Compruébelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>Error de tiempo de espera de la comunicación.</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>¿Desea escribir los datos en el equipo?</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known</source>
        <translation>No se conoce ninguna lectura o escritura anterior de este equipo</translation>
    </message>
    <message>
        <source>The radio holds this document.</source>
        <translation>El equipo contiene este documento.</translation>
    </message>
    <message>
        <source>The radio holds what was written.</source>
        <translation>El equipo contiene lo que se escribió.</translation>
    </message>
    <message>
        <source>The radio does not hold this document:</source>
        <translation>El equipo no contiene este documento:</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>El equipo no contiene lo que se escribió:</translation>
    </message>
    <message>
        <source>The radio was changed since it was last read or written:</source>
        <translation>El equipo ha cambiado desde su última lectura o escritura:</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>No se ha escrito nada en el equipo.</translation>
    </message>
    <message>
        <source>in the file</source>
        <translation>en el archivo</translation>
    </message>
    <message>
        <source>in the document</source>
        <translation>en el documento</translation>
    </message>
    <message>
        <source>in the radio</source>
        <translation>en el equipo</translation>
    </message>
    <message>
        <source>at the last read or write</source>
        <translation>en la última lectura o escritura</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once.</source>
        <translation>No se ha enviado nada. Lea el equipo una vez.</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once, or give --since.</source>
        <translation>No se ha enviado nada. Lea el equipo una vez o indique --since.</translation>
    </message>
    <message>
        <source>The write did not end; the next write of changes completes it.</source>
        <translation>La escritura no terminó; la próxima escritura de cambios la completará.</translation>
    </message>
    <message>
        <source>The next write of changes writes again what the radio did not take.</source>
        <translation>La próxima escritura de cambios volverá a escribir lo que el equipo no aceptó.</translation>
    </message>
    <message>
        <source>Complete the write that did not end?</source>
        <translation>¿Completar la escritura que no terminó?</translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be used.</source>
        <translation>Esta copia de seguridad está dañada y no se puede usar.</translation>
    </message>
    <message>
        <source>The pin of this backup could not be changed.</source>
        <translation>No se pudo cambiar la fijación de esta copia de seguridad.</translation>
    </message>
    <message>
        <source>These two backups hold no part of the radio in common: nothing to compare.</source>
        <translation>Estas dos copias de seguridad no tienen ninguna parte del equipo en común: nada que comparar.</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>Función no válida.</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>No encontrado.</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>Frecuencia no válida.
Compruébela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>Desplazamiento no válido.
Compruébelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>La frecuencia se ha redondeado.</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>El contenido ha cambiado.
¿Desea aplicar el cambio?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <translation>El contenido ha cambiado.
¿Desea aplicar el cambio? </translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>Número de canal no válido.
Compruébelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>Carácter no válido.
Compruébelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The last memory channel is in use.</source>
        <translation>El último canal de memoria está ocupado.</translation>
    </message>
    <message>
        <source>These rows were not pasted:</source>
        <translation>Estas filas no se pegaron:</translation>
    </message>
    <message>
        <source>These rows were adjusted or skipped:</source>
        <translation>Estas filas se ajustaron u omitieron:</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>No hay ninguna impresora predeterminada.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>Edit (%1 rows)</source>
        <translation>Editar (%1 filas)</translation>
    </message>
    <message>
        <source>Cut (%1 rows)</source>
        <translation>Cortar (%1 filas)</translation>
    </message>
    <message>
        <source>Paste into (%1 rows)</source>
        <translation>Pegar (%1 filas)</translation>
    </message>
    <message>
        <source>Delete (%1 rows)</source>
        <translation>Borrar (%1 filas)</translation>
    </message>
    <message>
        <source>Import CSV (%1 row)</source>
        <translation>Importar CSV (%1 fila)</translation>
    </message>
    <message>
        <source>Import CSV (%1 rows)</source>
        <translation>Importar CSV (%1 filas)</translation>
    </message>
    <message>
        <source>Change Selected (%1 rows)</source>
        <translation>Cambiar selección (%1 filas)</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Cortar %1</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>Pegar en %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>Tx Frequency : %1MHz</source>
        <translation>Frecuencia TX : %1MHz</translation>
    </message>
    <message>
        <source>Offset : %1MHz</source>
        <translation>Desplazamiento : %1MHz</translation>
    </message>
    <message>
        <source>Programmable VFO : %1-%2</source>
        <translation>VFO programable : %1-%2</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>Nombre : %1</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>Ordenar por frecuencia</translation>
    </message>
    <message>
        <source>Sort by Memory Name</source>
        <translation>Ordenar por nombre de memoria</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> can.</translation>
    </message>
    <message>
        <source> Rx(Tx) Freq.</source>
        <translation> Frec. RX(TX)</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> Nombre</translation>
    </message>
    <message>
        <source> Band</source>
        <translation> Banda</translation>
    </message>
    <message>
        <source> Freq.</source>
        <translation> Frec.</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> N.º</translation>
    </message>
    <message>
        <source> DTMF Code</source>
        <translation> Código DTMF</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Offset/Tx</source>
        <translation>Desplaz./TX</translation>
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
        <translation>Paso</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Excluido</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: read the radio once.</source>
        <translation>No se conoce ninguna lectura o escritura anterior de este equipo: lea el equipo una vez.</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: write everything once.</source>
        <translation>No se conoce ninguna lectura o escritura anterior de este equipo: escriba todo una vez.</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>Banda de 440 MHz</translation>
    </message>
    <message>
        <source>430MHz Band</source>
        <translation>Banda de 430 MHz</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>Banda de 220 MHz</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>Desplazamiento -7.6MHz</translation>
    </message>
    <message>
        <source>-6MHz Shift</source>
        <translation>Desplazamiento -6MHz</translation>
    </message>
    <message>
        <source>-20MHz Shift</source>
        <translation>Desplazamiento -20MHz</translation>
    </message>
    <message>
        <source>-6.0MHz Shift</source>
        <translation>Desplazamiento -6.0MHz</translation>
    </message>
    <message>
        <source>-20.0MHz Shift</source>
        <translation>Desplazamiento -20.0MHz</translation>
    </message>
    <message>
        <source>ARVENA (U.S.A./Canada)</source>
        <translation>ARVENA (EE. UU./Canadá)</translation>
    </message>
    <message>
        <source>BELTOE (Europe)</source>
        <translation>BELTOE (Europa)</translation>
    </message>
    <message>
        <source>BELTO (Japan)</source>
        <translation>BELTO (Japón)</translation>
    </message>
    <message>
        <source>BELTOA (General market)</source>
        <translation>BELTOA (Mercado general)</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 item.</source>
        <translation>El documento difiere del contenido del equipo en %1 elemento.</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 items.</source>
        <translation>El documento difiere del contenido del equipo en %1 elementos.</translation>
    </message>
    <message>
        <source>The radio may not hold %1 item of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>Puede que el equipo no contenga %1 elemento del documento.
La próxima escritura de cambios lo enviará. ¿Salir del modo directo de todos modos?</translation>
    </message>
    <message>
        <source>The radio may not hold %1 items of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>Puede que el equipo no contenga %1 elementos del documento.
La próxima escritura de cambios los enviará. ¿Salir del modo directo de todos modos?</translation>
    </message>
    <message>
        <source>Live mode keeps the radio equal to this document.</source>
        <translation>El modo directo mantiene el equipo igual a este documento.</translation>
    </message>
    <message>
        <source>What this radio holds is not known: read it first.</source>
        <translation>No se sabe qué contiene este equipo: léalo primero.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 ha sido modificado por otro programa desde que lo abrió.</translation>
    </message>
    <message>
        <source>Incomplete read: %1 item was not read from the radio.</source>
        <translation>Lectura incompleta: %1 elemento no se leyó del equipo.</translation>
    </message>
    <message>
        <source>Incomplete read: %1 items were not read from the radio.</source>
        <translation>Lectura incompleta: %1 elementos no se leyeron del equipo.</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 item was not read from the radio. Write anyway?</source>
        <translation>Este documento contiene una lectura que no terminó: %1 elemento no se leyó del equipo. ¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 items were not read from the radio. Write anyway?</source>
        <translation>Este documento contiene una lectura que no terminó: %1 elementos no se leyeron del equipo. ¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>Quorvan was closed without saving changes to %1 (%2).
Restore them?</source>
        <translation>Quorvan se cerró sin guardar los cambios de %1 (%2).
¿Restaurarlos?</translation>
    </message>
    <message>
        <source>%1 is not on the %2 step; left at %3</source>
        <translation>%1 no está en el paso de %2; se deja en %3</translation>
    </message>
    <message>
        <source>File &gt; Export PDF... writes the same pages to a PDF file without a printer.</source>
        <translation>Archivo &gt; Exportar PDF... escribe las mismas páginas en un archivo PDF sin impresora.</translation>
    </message>
    <message>
        <source>Read cancelled after %1 of %2 steps; the document holds what was read.</source>
        <translation>Lectura cancelada tras %1 de %2 pasos; el documento contiene lo que se leyó.</translation>
    </message>
    <message>
        <source>Read failed after %1 of %2 steps; the document holds what was read.</source>
        <translation>La lectura falló tras %1 de %2 pasos; el documento contiene lo que se leyó.</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL, DTMF and menu in %2.</source>
        <translation>Leídos %1 canales de memoria, VFO, CALL, DTMF y menú en %2.</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL and DTMF in %2.</source>
        <translation>Leídos %1 canales de memoria, VFO, CALL y DTMF en %2.</translation>
    </message>
    <message>
        <source>Read the menu in %1.</source>
        <translation>Menú leído en %1.</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2; the radio holds it.</source>
        <translation>Escrito %1 elemento cambiado en %2; el equipo lo contiene.</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2; the radio holds them.</source>
        <translation>Escritos %1 elementos cambiados en %2; el equipo los contiene.</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2.</source>
        <translation>Escrito %1 elemento cambiado en %2.</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2.</source>
        <translation>Escritos %1 elementos cambiados en %2.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1; the radio holds them.</source>
        <translation>Escritos canales de memoria, VFO, CALL, DTMF y menú en %1; el equipo los contiene.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1.</source>
        <translation>Escritos canales de memoria, VFO, CALL, DTMF y menú en %1.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1; the radio holds them.</source>
        <translation>Escritos canales de memoria, VFO, CALL y DTMF en %1; el equipo los contiene.</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1.</source>
        <translation>Escritos canales de memoria, VFO, CALL y DTMF en %1.</translation>
    </message>
    <message>
        <source>Wrote the menu in %1; the radio holds them.</source>
        <translation>Menú escrito en %1; el equipo lo contiene.</translation>
    </message>
    <message>
        <source>Wrote the menu in %1.</source>
        <translation>Menú escrito en %1.</translation>
    </message>
    <message>
        <source>Verified in %1: the radio holds this document.</source>
        <translation>Verificado en %1: el equipo contiene este documento.</translation>
    </message>
    <message>
        <source>Verified in %1: %2 field differs from this document.</source>
        <translation>Verificado en %1: %2 campo difiere de este documento.</translation>
    </message>
    <message>
        <source>Verified in %1: %2 fields differ from this document.</source>
        <translation>Verificado en %1: %2 campos difieren de este documento.</translation>
    </message>
    <message>
        <source>Exported %1 channel to %2.</source>
        <translation>Exportado %1 canal a %2.</translation>
    </message>
    <message>
        <source>Exported %1 channels to %2.</source>
        <translation>Exportados %1 canales a %2.</translation>
    </message>
    <message>
        <source>Export failed: %1 was not written.</source>
        <translation>La exportación falló: no se escribió %1.</translation>
    </message>
    <message>
        <source>Import failed: %1 is not a channel list.</source>
        <translation>La importación falló: %1 no es una lista de canales.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>No se importó nada de %1.</translation>
    </message>
    <message>
        <source>Imported %1 channel from %2.</source>
        <translation>Importado %1 canal de %2.</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2.</source>
        <translation>Importados %1 canales de %2.</translation>
    </message>
    <message>
        <source>Import failed: %1 could not be read.</source>
        <translation>La importación falló: no se pudo leer %1.</translation>
    </message>
    <message>
        <source>Nothing was written: the write&apos;s journal could not be kept.</source>
        <translation>No se escribió nada: no se pudo guardar el registro de la escritura.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio changed since it was last read.</source>
        <translation>No se escribió nada: el equipo cambió desde la última lectura.</translation>
    </message>
    <message>
        <source>Write cancelled; the radio may hold part of it.</source>
        <translation>Escritura cancelada; puede que el equipo contenga una parte.</translation>
    </message>
    <message>
        <source>Write failed; the radio may hold part of it.</source>
        <translation>La escritura falló; puede que el equipo contenga una parte.</translation>
    </message>
    <message>
        <source>Nothing needed writing; the radio holds it.</source>
        <translation>No hacía falta escribir nada; el equipo ya lo contiene.</translation>
    </message>
    <message>
        <source>Verify cancelled.</source>
        <translation>Verificación cancelada.</translation>
    </message>
    <message>
        <source>Verify failed; nothing was compared.</source>
        <translation>La verificación falló; no se comparó nada.</translation>
    </message>
    <message>
        <source>Checking %1 item</source>
        <translation>Comprobando %1 elemento</translation>
    </message>
    <message>
        <source>Checking %1 items</source>
        <translation>Comprobando %1 elementos</translation>
    </message>
    <message>
        <source>Reading back %1 item</source>
        <translation>Releyendo %1 elemento</translation>
    </message>
    <message>
        <source>Reading back %1 items</source>
        <translation>Releyendo %1 elementos</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2, about %3 left</source>
        <translation>%1 de %2, quedan unos %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 de %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3, about %4 left</source>
        <translation>%1: %2 de %3, quedan unos %4</translation>
    </message>
    <message>
        <source>Band lists</source>
        <translation>Listas de bandas</translation>
    </message>
    <message>
        <source>Writing: Band lists</source>
        <translation>Escribiendo: listas de bandas</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Canales de memoria</translation>
    </message>
    <message>
        <source>Writing: Memory channels</source>
        <translation>Escribiendo: canales de memoria</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>Canales CALL</translation>
    </message>
    <message>
        <source>Writing: CALL channels</source>
        <translation>Escribiendo: canales CALL</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Writing: VFOs</source>
        <translation>Escribiendo: VFO</translation>
    </message>
    <message>
        <source>Programmable VFOs</source>
        <translation>VFO programables</translation>
    </message>
    <message>
        <source>Writing: Programmable VFOs</source>
        <translation>Escribiendo: VFO programables</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>Memorias DTMF</translation>
    </message>
    <message>
        <source>Writing: DTMF memories</source>
        <translation>Escribiendo: memorias DTMF</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Writing: Menu</source>
        <translation>Escribiendo: menú</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
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
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>something answered, but not as a radio of this family</source>
        <translation>algo respondió, pero no como un equipo de esta familia</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>ocupado: en uso por otro programa</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>sin permiso</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>cannot be opened as a serial port</source>
        <translation>no se puede abrir como puerto serie</translation>
    </message>
    <message>
        <source>the line failed</source>
        <translation>la línea falló</translation>
    </message>
    <message>
        <source>You have no permission to use %1.</source>
        <translation>No tiene permiso para usar %1.</translation>
    </message>
    <message>
        <source>You are a member of the group &quot;%1&quot; that may use it, but not yet in this session.</source>
        <translation>Es miembro del grupo «%1», que puede usarlo, pero todavía no en esta sesión.</translation>
    </message>
    <message>
        <source>It may be used by the members of the group &quot;%1&quot;. To join it, run</source>
        <translation>Pueden usarlo los miembros del grupo «%1». Para unirse a él, ejecute</translation>
    </message>
    <message>
        <source>%1 does not exist; no serial adapter is plugged in.</source>
        <translation>%1 no existe; no hay ningún adaptador serie conectado.</translation>
    </message>
    <message>
        <source>%1 does not exist; plugged adapters: %2.</source>
        <translation>%1 no existe; adaptadores conectados: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a serial port.</source>
        <translation>%1 no se puede abrir como puerto serie.</translation>
    </message>
    <message>
        <source>Check that the radio is on and not showing one of its menus, that the cable is seated at both ends and that %1 is the cable&apos;s port.</source>
        <translation>Compruebe que el equipo está encendido y no muestra ninguno de sus menús, que el cable está bien conectado en ambos extremos y que %1 es el puerto del cable.</translation>
    </message>
    <message>
        <source>The line to %1 failed during the transfer; check that the cable is seated and its adapter still plugged in.</source>
        <translation>La línea con %1 falló durante la transferencia; compruebe que el cable está bien conectado y que su adaptador sigue enchufado.</translation>
    </message>
    <message>
        <source>The radio did not accept 1 command.
The first was &quot;%1&quot;.
Please check the radio and try again.</source>
        <translation>El equipo no aceptó 1 comando.
Fue «%1».
Compruebe el equipo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The radio did not accept %1 commands.
The first was &quot;%2&quot;.
Please check the radio and try again.</source>
        <translation>El equipo no aceptó %1 comandos.
El primero fue «%2».
Compruebe el equipo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No complete answer within %1 seconds.</source>
        <translation>Ninguna respuesta completa en %1 segundos.</translation>
    </message>
    <message>
        <source>The adapter is %1: Prolific&apos;s Windows drivers since 2012 refuse the PL2303HXA and PL2303XA chips they no longer support, and counterfeit PL2303 chips; Device Manager then shows the adapter with a warning sign and nothing goes through it.</source>
        <translation>El adaptador es %1: desde 2012 los controladores de Prolific para Windows rechazan los chips PL2303HXA y PL2303XA que ya no admiten, y los chips PL2303 falsificados; el Administrador de dispositivos muestra entonces el adaptador con un signo de advertencia y nada pasa por él.</translation>
    </message>
    <message>
        <source>The adapter is %1: Product id 0000 is what an FTDI driver for Windows of 2014 wrote into counterfeit FT232R chips to stop them working.</source>
        <translation>El adaptador es %1: el id de producto 0000 es el que un controlador FTDI para Windows de 2014 escribió en los chips FT232R falsificados para inutilizarlos.</translation>
    </message>
    <message>
        <source>The adapter is %1: Newer FTDI drivers for Windows send &quot;NON GENUINE DEVICE FOUND!&quot; instead of the data through counterfeit FT232R chips.</source>
        <translation>El adaptador es %1: los controladores FTDI recientes para Windows envían «NON GENUINE DEVICE FOUND!» en lugar de los datos a través de chips FT232R falsificados.</translation>
    </message>
    <message>
        <source>The adapter is %1: ModemManager may send modem commands to a newly plugged ttyACM device for some seconds; try again after a moment, or have ModemManager ignore the device (ID_MM_DEVICE_IGNORE in a udev rule).</source>
        <translation>El adaptador es %1: ModemManager puede enviar comandos de módem a un dispositivo ttyACM recién conectado durante algunos segundos; inténtelo de nuevo pasado un momento, o haga que ModemManager ignore el dispositivo (ID_MM_DEVICE_IGNORE en una regla udev).</translation>
    </message>
    <message>
        <source>%1, type %2</source>
        <translation>%1, tipo %2</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer for read and write access to it.</source>
        <translation>Pida al administrador de este ordenador acceso de lectura y escritura.</translation>
    </message>
    <message>
        <source>Log out and log in again.</source>
        <translation>Cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>then log out and log in again.</source>
        <translation>y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>El puerto está en uso por otro programa.</translation>
    </message>
    <message>
        <source>Live paused: %1 item not confirmed.</source>
        <translation>Directo en pausa: %1 elemento sin confirmar.</translation>
    </message>
    <message>
        <source>Live paused: %1 items not confirmed.</source>
        <translation>Directo en pausa: %1 elementos sin confirmar.</translation>
    </message>
    <message>
        <source>Live: sending %1 item...</source>
        <translation>Directo: enviando %1 elemento...</translation>
    </message>
    <message>
        <source>Live: sending %1 items...</source>
        <translation>Directo: enviando %1 elementos...</translation>
    </message>
    <message>
        <source>The journal of the write could not be kept: %1 Nothing was sent.</source>
        <translation>No se pudo guardar el registro de la escritura: %1 No se envió nada.</translation>
    </message>
    <message>
        <source>The radio did not accept &quot;%1&quot;.</source>
        <translation>El equipo no aceptó «%1».</translation>
    </message>
    <message>
        <source>Live mode is paused: the radio may not hold %1.</source>
        <translation>El modo directo está en pausa: puede que el equipo no contenga %1.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>memory channel %1</source>
        <translation>canal de memoria %1</translation>
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
        <translation>memoria DTMF %1</translation>
    </message>
    <message>
        <source>program VFO %1</source>
        <translation>VFO programable %1</translation>
    </message>
    <message>
        <source>menu value %1</source>
        <translation>valor de menú %1</translation>
    </message>
    <message>
        <source>the comment</source>
        <translation>el comentario</translation>
    </message>
    <message>
        <source>The radio answered %1.</source>
        <translation>El equipo respondió %1.</translation>
    </message>
    <message>
        <source>The radio reports type %1; this document is for %2.</source>
        <translation>El equipo indica el tipo %1; este documento es para %2.</translation>
    </message>
    <message>
        <source>Live: radio holds the document.</source>
        <translation>Directo: el equipo contiene el documento.</translation>
    </message>
    <message>
        <source>The exchange with the radio did not end.</source>
        <translation>El intercambio con el equipo no terminó.</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when live mode began. Nothing was sent.</source>
        <translation>El equipo ya no contiene lo que tenía al empezar el modo directo. No se envió nada.</translation>
    </message>
    <message>
        <source>The items sent were not read back.</source>
        <translation>Los elementos enviados no se releyeron.</translation>
    </message>
    <message>
        <source>The radio gave back otherwise what was sent.</source>
        <translation>El equipo devolvió algo distinto de lo enviado.</translation>
    </message>
    <message>
        <source>The document keeps every edit. Check the cable and the radio, then choose Resume: it reads what the radio holds and sends what it lacks.</source>
        <translation>El documento conserva cada cambio. Compruebe el cable y el equipo y elija Reanudar: lee lo que contiene el equipo y envía lo que le falta.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5 %6</source>
        <translation>%1: %2 %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etiqueta</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>step</source>
        <translation>paso</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>sentido del desplazamiento</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>inversión</translation>
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
        <translation>frecuencia de tono</translation>
    </message>
    <message>
        <source>CTCSS frequency</source>
        <translation>frecuencia CTCSS</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>código DCS</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>desplazamiento</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>lock out</source>
        <translation>exclusión del escaneo</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>frecuencia TX</translation>
    </message>
    <message>
        <source>transmit step</source>
        <translation>paso TX</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
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
        <translation>menú %1</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>comentario</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>band</source>
        <translation>banda</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>límite inferior</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>límite superior</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>canal</translation>
    </message>
    <message>
        <source>range</source>
        <translation>rango</translation>
    </message>
    <message>
        <source>record</source>
        <translation>registro</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Quorvan Files (*.qvx)</source>
        <translation>Archivos de Quorvan (*.qvx)</translation>
    </message>
    <message>
        <source>CSV Files(*.csv);;All Files(*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Device path:</source>
        <translation>Ruta del dispositivo:</translation>
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
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>These channels were left out because their frequency cannot be read: %1</source>
        <translation>Estos canales se omitieron porque su frecuencia no se puede leer: %1</translation>
    </message>
</context>
<context>
    <name>RadioCommands</name>
    <message>
        <source>Write Changes</source>
        <translation>Escribir cambios</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>Escribir de todos modos</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
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
        <translation>Cambiar selección</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Símplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Desplazamiento +</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Desplazamiento −</translation>
    </message>
    <message>
        <source>The band&apos;s extra shift</source>
        <translation>Desplazamiento propio de la banda</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
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
        <translation>Encendido</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Shift and Offset</source>
        <translation>Sentido y desplazamiento</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Excluir del escaneo</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>Inicio del nombre</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Offset in MHz</source>
        <translation>Desplazamiento en MHz</translation>
    </message>
    <message>
        <source>Tone kind</source>
        <translation>Tipo de tono</translation>
    </message>
    <message>
        <source>Tone value</source>
        <translation>Valor del tono</translation>
    </message>
</context>
<context>
    <name>quorvan::CsvImportDialog</name>
    <message>
        <source>By Location</source>
        <translation>Por posición</translation>
    </message>
    <message>
        <source>From the selected channel on, in file order</source>
        <translation>Desde el canal elegido, en el orden del archivo</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Selected channel: %1</source>
        <translation>Canal elegido: %1</translation>
    </message>
    <message>
        <source>Select a channel from 0 to 399 to place the rows from there on.</source>
        <translation>Elija un canal de 0 a 399 a partir del cual colocar las filas.</translation>
    </message>
    <message>
        <source>Place the rows</source>
        <translation>Colocar las filas</translation>
    </message>
</context>
<context>
    <name>quorvan::DiagnosticReportDialog</name>
    <message>
        <source>Diagnostic Report</source>
        <translation>Informe de diagnóstico</translation>
    </message>
    <message>
        <source>&amp;Record Transfers</source>
        <translation>&amp;Registrar transferencias</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>Guardar informe de diagnóstico</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>quorvan::FindBar</name>
    <message>
        <source>Find (name or MHz)</source>
        <translation>Buscar (nombre o MHz)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <source>Find name or MHz</source>
        <translation>Buscar nombre o MHz</translation>
    </message>
</context>
<context>
    <name>quorvan::FindRadioDialog</name>
    <message>
        <source>&amp;Use Port</source>
        <translation>&amp;Usar puerto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Find Radio</source>
        <translation>Buscar equipo</translation>
    </message>
    <message>
        <source>Trying the serial ports one at a time...</source>
        <translation>Probando los puertos serie uno a uno...</translation>
    </message>
    <message>
        <source>Trying %1 (%2 of %3)...</source>
        <translation>Probando %1 (%2 de %3)...</translation>
    </message>
    <message>
        <source>A radio answered. Use its port?</source>
        <translation>Un equipo ha respondido. ¿Usar su puerto?</translation>
    </message>
    <message>
        <source>%1 radios answered. Choose the port to use.</source>
        <translation>Han respondido %1 equipos. Elija el puerto que desea usar.</translation>
    </message>
    <message>
        <source>The search was cancelled.</source>
        <translation>Se canceló la búsqueda.</translation>
    </message>
    <message>
        <source>No serial ports were found. Check that the cable&apos;s adapter is plugged in.</source>
        <translation>No se encontraron puertos serie. Compruebe que el adaptador del cable está conectado.</translation>
    </message>
    <message>
        <source>No radio answered. Check that the radio is on and its cable is plugged in at both ends, then try again.</source>
        <translation>Ningún equipo ha respondido. Compruebe que el equipo está encendido y su cable conectado en ambos extremos, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Ports tried</source>
        <translation>Puertos probados</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>What each serial port answered</source>
        <translation>Lo que respondió cada puerto serie</translation>
    </message>
</context>
<context>
    <name>quorvan::FrequencyGroup</name>
    <message>
        <source>Rx Frequency</source>
        <translation>Frecuencia RX</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Frecuencia TX</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>Canal split</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Símplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Desplazamiento +</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Desplazamiento −</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
</context>
<context>
    <name>quorvan::HelpTopics</name>
    <message>
        <source>The user guide was not found.
It is installed with Quorvan as share/doc/quorvan/user-guide.md; it was looked for as:</source>
        <translation>No se encontró la guía del usuario.
Se instala con Quorvan como share/doc/quorvan/user-guide.md; se buscó en:</translation>
    </message>
</context>
<context>
    <name>quorvan::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>Fijada</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;Differences:</source>
        <translation>&amp;Diferencias:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Restore to Radio</source>
        <translation>&amp;Restaurar en el equipo</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>&amp;Fijar</translation>
    </message>
    <message>
        <source>No state of the radio %1 is kept yet.</source>
        <translation>Aún no se guarda ningún estado del equipo %1.</translation>
    </message>
    <message>
        <source>&amp;States of the radio %1, newest first:</source>
        <translation>&amp;Estados del equipo %1, el más reciente primero:</translation>
    </message>
    <message>
        <source>Un&amp;pin</source>
        <translation>&amp;Quitar fijación</translation>
    </message>
    <message>
        <source>Select two entries to see what differs between them.</source>
        <translation>Elija dos entradas para ver en qué se diferencian.</translation>
    </message>
    <message>
        <source>Entries %1 and %2 hold the same.</source>
        <translation>Las entradas %1 y %2 son iguales.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>The radio&apos;s backups, newest first</source>
        <translation>Las copias de seguridad del equipo, la más reciente primero</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveBanner</name>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Leave Live Mode</source>
        <translation>Salir del modo directo</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveMode</name>
    <message numerus="yes">
        <source>Write %n Changes First</source>
        <translation>
            <numerusform>Escribir primero %n cambio</numerusform>
            <numerusform>Escribir primero %n cambios</numerusform>
        </translation>
    </message>
    <message>
        <source>Read the radio first?</source>
        <translation>¿Leer primero el equipo?</translation>
    </message>
    <message>
        <source>Read the Radio First</source>
        <translation>Leer primero el equipo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Banda de &amp;operación</translation>
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
        <translation>F&amp;unción</translation>
    </message>
    <message>
        <source>Dual</source>
        <translation>Doble escucha</translation>
    </message>
    <message>
        <source>ATT</source>
        <translation>ATT</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nombre de memoria</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation>&amp;Alimentación</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Ahorro de batería</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Pantalla</translation>
    </message>
    <message>
        <source>Power on Message</source>
        <translation>Mensaje de encendido</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>D&amp;TMF</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>Bloqueo DTMF</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>Retención DTMF</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>Pausa DTMF</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>Velocidad DTMF</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
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
        <translation>Ganancia VOX</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>Retardo VOX</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>VOX con canal ocupado</translation>
    </message>
    <message>
        <source>From the A band at the left to the B band at the right</source>
        <translation>De la banda A a la izquierda a la banda B a la derecha</translation>
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
        <translation>FM estrecha</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>Re&amp;petidor</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>O&amp;tros</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>Enlace de grupos de memoria</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Transmisión inhibida</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>Antena de ferrita</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>Desplazamiento de batido</translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation>Potencia RF banda A</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation>Potencia RF banda B</translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation>Potencia 1,2 GHz banda A</translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation>Potencia 1,2 GHz banda B</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>Banda de 220 MHz</translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation>Banda de HF</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>Banda de 440 MHz</translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation>Banda de 1,2 GHz</translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation>Banda de 144 MHz</translation>
    </message>
    <message>
        <source>FM Narrow %1</source>
        <translation>FM estrecha %1</translation>
    </message>
    <message>
        <source>Auto Repeater Offset</source>
        <translation>Desplazamiento automático de repetidor</translation>
    </message>
    <message>
        <source>1750Hz Tone Key</source>
        <translation>Tecla de tono 1750 Hz</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>Retención de tono 1750 Hz</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>Sintonía permitida</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>Reanudación del escaneo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>Velocidad de packet</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>Llamada de memorias</translation>
    </message>
    <message>
        <source>All Bands</source>
        <translation>Todas las bandas</translation>
    </message>
    <message>
        <source>Current Band</source>
        <translation>Banda actual</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
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
        <translation>Cambiar %1</translation>
    </message>
</context>
<context>
    <name>quorvan::PortMenu</name>
    <message>
        <source>Other...</source>
        <translation>Otro...</translation>
    </message>
    <message>
        <source>&amp;Find Radio</source>
        <translation>&amp;Buscar equipo</translation>
    </message>
    <message>
        <source>%1 is invalid.
Please check comport status.</source>
        <translation>%1 no es válido.
Compruebe el estado del puerto COM.</translation>
    </message>
</context>
<context>
    <name>quorvan::ReportDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>quorvan::StatusAnnouncer</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>quorvan::TAboutBox</name>
    <message>
        <source>About Quorvan</source>
        <translation>Acerca de Quorvan</translation>
    </message>
    <message>
        <source>Quorvan for the ARVEN and BELTO dual-band radios</source>
        <translation>Quorvan para los equipos bibanda ARVEN y BELTO</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later; it comes with no warranty.</source>
        <translation>Software libre bajo la GNU General Public License, versión 3 o posterior; se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Version 0.00 Beta %1</source>
        <translation>Versión 0.00 beta %1</translation>
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
        <translation>Memoria DTMF</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>Código DTMF</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>quorvan::TEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>quorvan::THelpForm</name>
    <message>
        <source>Quorvan Help</source>
        <translation>Ayuda de Quorvan</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Not found: &quot;%1&quot;</source>
        <translation>No encontrado: «%1»</translation>
    </message>
    <message>
        <source>No section &quot;%1&quot; in the guide</source>
        <translation>No hay ninguna sección «%1» en la guía</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Buscar anterior</translation>
    </message>
</context>
<context>
    <name>quorvan::TMainForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>&amp;Importar CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exportar P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>All &amp;Columns</source>
        <translation>Todas las &amp;columnas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Diagnostic Report...</source>
        <translation>Informe de &amp;diagnóstico...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Equipo</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Cambios</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>Verify &amp;After Writing</source>
        <translation>Verificar &amp;tras escribir</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>Elegir &amp;puerto</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>E&amp;dición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Insertar fila</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>Quitar fila</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Change &amp;Selected...</source>
        <translation>Cambiar s&amp;elección...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>B&amp;uscar...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar si&amp;guiente</translation>
    </message>
    <message>
        <source>Memory channel &amp;Sort...</source>
        <translation>&amp;Ordenar canales de memoria...</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>Canal de &amp;memoria</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>&amp;VFO</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>Canal &amp;CALL</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>Memoria D&amp;TMF</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Memorias</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>M&amp;enú</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Borr&amp;ar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>Memoria&amp;s</translation>
    </message>
    <message>
        <source>Menu &amp;1</source>
        <translation>Menú &amp;1</translation>
    </message>
    <message>
        <source>Menu &amp;2</source>
        <translation>Menú &amp;2</translation>
    </message>
    <message>
        <source>Insert Row at %1</source>
        <translation>Insertar fila en %1</translation>
    </message>
    <message>
        <source>Remove Row %1</source>
        <translation>Quitar fila %1</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>Bajar %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Edit Comment</source>
        <translation>Editar comentario</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Ve&amp;r</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Exclusión</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>&amp;Live Mode</source>
        <translation>Modo &amp;directo</translation>
    </message>
    <message>
        <source>Waiting to be sent to the radio</source>
        <translation>Esperando el envío al equipo</translation>
    </message>
    <message>
        <source>Sent to the radio, being read back</source>
        <translation>Enviado al equipo, releyéndose</translation>
    </message>
    <message>
        <source>Confirmed: the radio holds this row</source>
        <translation>Confirmado: el equipo contiene esta fila</translation>
    </message>
    <message>
        <source>Not confirmed: the radio may not hold this row</source>
        <translation>Sin confirmar: puede que el equipo no contenga esta fila</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmado</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
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
        <translation>Número de canal de memoria</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>Excluir del escaneo</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nombre de memoria</translation>
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
        <translation>¿Qué equipo tiene?</translation>
    </message>
</context>
<context>
    <name>quorvan::TSortForm</name>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Nombre de memoria</translation>
    </message>
    <message>
        <source>Memory Channel Sort</source>
        <translation>Ordenar canales de memoria</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
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
        <translation>VFO programable</translation>
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
        <translation>Límite inferior del VFO programable</translation>
    </message>
    <message>
        <source>Lowest whole MHz of the range</source>
        <translation>MHz entero más bajo del rango</translation>
    </message>
    <message>
        <source>Program VFO upper limit</source>
        <translation>Límite superior del VFO programable</translation>
    </message>
    <message>
        <source>Highest whole MHz of the range</source>
        <translation>MHz entero más alto del rango</translation>
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
        <translation>Programación de canales de memoria para ARVEN y BELTO</translation>
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
        <translation>Frecuencia de tono</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>Frecuencia CTCSS</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>Código DCS</translation>
    </message>
</context>
<context>
    <name>quorvan::TransferDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>Leyendo los datos del equipo.</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>Escribiendo los datos en el equipo.</translation>
    </message>
</context>
</TS>
