<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Cli</name>
    <message>
        <source>takes no arguments</source>
        <translation>no admite argumentos</translation>
    </message>
    <message>
        <source>expects two files</source>
        <translation>espera dos archivos</translation>
    </message>
    <message>
        <source>files must end in .dat or .hex</source>
        <translation>los archivos deben terminar en .dat o .hex</translation>
    </message>
    <message>
        <source>  rse-cli backups                           list the kept backups, newest first
  rse-cli diff A B                          the fields (and, for two .hex files, the
                                            other bytes) that differ; exit 0 same,
                                            1 different, 2 trouble
</source>
        <translation>  rse-cli backups                           lista las copias de seguridad guardadas, la más reciente primero
  rse-cli diff A B                          los campos (y, para dos archivos .hex, los
                                            demás bytes) que difieren; salida 0 iguales,
                                            1 distintos, 2 problema
</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Changes to program (%1):</source>
        <translation>Cambios que se programarán (%1):</translation>
    </message>
    <message>
        <source>Try 'rse-cli --help'.</source>
        <translation>Pruebe «rse-cli --help».</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>¡¡Error al guardar el archivo!!</translation>
    </message>
    <message>
        <source>rse-cli %1: could not write to standard output</source>
        <translation>rse-cli %1: no se pudo escribir en la salida estándar</translation>
    </message>
    <message>
        <source>unexpected argument '%1'</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>No serial port found.</source>
        <translation>No se encontró ningún puerto serie.</translation>
    </message>
    <message>
        <source>--port DEV is required (a device path or COM1..COM4)</source>
        <translation>--port DEV es obligatorio (una ruta de dispositivo o COM1..COM4)</translation>
    </message>
    <message>
        <source>  rse-cli ports                             list the serial ports: device, stable name,
                                            USB adapter, and whether you may open it
  rse-cli doctor --port DEV [--no-echo]     check the port, the cable and the radio;
                                            says what is wrong and how to fix it
                                            (exit 1 when a problem was found)
</source>
        <translation>  rse-cli ports                             lista los puertos serie: dispositivo, nombre estable,
                                            adaptador USB y si usted puede abrirlo
  rse-cli doctor --port DEV [--no-echo]     comprueba el puerto, el cable y la radio;
                                            dice qué falla y cómo solucionarlo
                                            (salida 1 si se encontró un problema)
</translation>
    </message>
    <message>
        <source>expects IN FILE.csv -o OUT</source>
        <translation>espera IN ARCHIVO.csv -o OUT</translation>
    </message>
    <message>
        <source>IN and OUT must be .dat or .hex files</source>
        <translation>IN y OUT deben ser archivos .dat o .hex</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>¡¡Error al leer el archivo!!</translation>
    </message>
    <message>
        <source>rse-cli %1: %2: rows refused, nothing written</source>
        <translation>rse-cli %1: %2: filas rechazadas, no se escribió nada</translation>
    </message>
    <message>
        <source>  rse-cli export-directory IN [-o OUT.csv]  the directory of IN as a Name,MMSI table
  rse-cli import-directory IN FILE.csv -o OUT
                                            IN with its directory replaced by the rows
                                            of FILE.csv; nothing is written when a row
                                            is refused (each reported as line N: reason)
  rse-cli export-channels IN [-o OUT.csv]   every channel of IN as a table
</source>
        <translation>  rse-cli export-directory IN [-o OUT.csv]  el directorio de IN como tabla Name,MMSI
  rse-cli import-directory IN FILE.csv -o OUT
                                            IN con su directorio sustituido por las filas
                                            de FILE.csv; no se escribe nada si se rechaza
                                            una fila (cada una indicada: línea N: motivo)
  rse-cli export-channels IN [-o OUT.csv]   todos los canales de IN como tabla
</translation>
    </message>
    <message>
        <source>expects one output file</source>
        <translation>espera un archivo de salida</translation>
    </message>
    <message>
        <source>the output must be a .dat file</source>
        <translation>la salida debe ser un archivo .dat</translation>
    </message>
    <message>
        <source>expects an input and an output file</source>
        <translation>espera un archivo de entrada y uno de salida</translation>
    </message>
    <message>
        <source>--base applies only to a .dat to .hex conversion</source>
        <translation>--base solo se aplica a una conversión de .dat a .hex</translation>
    </message>
    <message>
        <source>--base must name a .hex file</source>
        <translation>--base debe indicar un archivo .hex</translation>
    </message>
    <message>
        <source>a .hex file converts only to a .dat file</source>
        <translation>un archivo .hex solo se convierte en un archivo .dat</translation>
    </message>
    <message>
        <source>expects one input file</source>
        <translation>espera un archivo de entrada</translation>
    </message>
    <message>
        <source>the input must be a .dat or .hex file</source>
        <translation>la entrada debe ser un archivo .dat o .hex</translation>
    </message>
    <message>
        <source>  rse-cli new OUT.dat                       write a new configuration (the radio's defaults)
  rse-cli convert IN OUT [--base BASE.hex]  convert between .dat and .hex (by extension);
                                            --base: lay the .dat over BASE.hex instead of
                                            the image of a new configuration
  rse-cli report IN [-o OUT.txt]            the text report of IN (.dat or .hex), to
                                            standard output or OUT.txt
</source>
        <translation>  rse-cli new OUT.dat                       escribe una configuración nueva (la de fábrica de la radio)
  rse-cli convert IN OUT [--base BASE.hex]  convierte entre .dat y .hex (según la extensión);
                                            --base: pone el .dat sobre BASE.hex en lugar de
                                            la imagen de una configuración nueva
  rse-cli report IN [-o OUT.txt]            el informe de texto de IN (.dat o .hex), en la
                                            salida estándar o en OUT.txt
</translation>
    </message>
    <message>
        <source>-o OUT is required and must end in .hex or .dat</source>
        <translation>-o OUT es obligatorio y debe terminar en .hex o .dat</translation>
    </message>
    <message>
        <source>--base BASE.hex applies only to a .dat input</source>
        <translation>--base BASE.hex solo se aplica a una entrada .dat</translation>
    </message>
    <message>
        <source>not a radio command</source>
        <translation>no es una orden de la radio</translation>
    </message>
    <message>
        <source>Usage: rse-cli COMMAND [ARGUMENTS]
The %1 %2 on the command line.

Commands:
</source>
        <translation>Uso: rse-cli ORDEN [ARGUMENTOS]
El %2 %1 en la línea de órdenes.

Órdenes:
</translation>
    </message>
    <message>
        <source>  rse-cli --version | --help

Files: .dat is the configuration file, .hex the raw 4096-byte memory image
(the extension decides, in any letter case).
Exit status: 0 success, 1 the operation failed, 2 wrong usage.
</source>
        <translation>  rse-cli --version | --help

Archivos: .dat es el archivo de configuración, .hex la imagen de memoria en bruto de 4096 bytes
(decide la extensión, en mayúsculas o minúsculas).
Estado de salida: 0 éxito, 1 la operación falló, 2 uso incorrecto.
</translation>
    </message>
    <message>
        <source>rse-cli: unknown command '%1'</source>
        <translation>rse-cli: orden desconocida «%1»</translation>
    </message>
    <message>
        <source>--pdf OUT.pdf is required</source>
        <translation>--pdf OUT.pdf es obligatorio</translation>
    </message>
    <message>
        <source>rse-cli print: %1: %2</source>
        <translation>rse-cli print: %1: %2</translation>
    </message>
    <message>
        <source>  rse-cli print IN --pdf OUT.pdf            the printed report of IN (.dat or .hex)
                                            as a seven-page PDF file
</source>
        <translation>  rse-cli print IN --pdf OUT.pdf            el informe impreso de IN (.dat o .hex)
                                            como archivo PDF de siete páginas
</translation>
    </message>
    <message>
        <source>ok: %1</source>
        <translation>ok: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>problem: %1</source>
        <translation>problema: %1</translation>
    </message>
    <message>
        <source>fix: %1</source>
        <translation>solución: %1</translation>
    </message>
    <message>
        <source>Connect radio %1, then press Enter (q to finish).</source>
        <translation>Conecte la radio %1 y pulse Intro (q para terminar).</translation>
    </message>
    <message>
        <source>Radio %1: %2</source>
        <translation>Radio %1: %2</translation>
    </message>
    <message>
        <source>, MMSI %1 (%2)</source>
        <translation>, MMSI %1 (%2)</translation>
    </message>
    <message>
        <source>, backup %1</source>
        <translation>, copia de seguridad %1</translation>
    </message>
    <message>
        <source>expects one template file</source>
        <translation>espera un solo archivo de plantilla</translation>
    </message>
    <message>
        <source>the template must be a .dat or .hex file</source>
        <translation>la plantilla debe ser un archivo .dat o .hex</translation>
    </message>
    <message>
        <source>--log LOG.csv is required</source>
        <translation>--log LOG.csv es obligatorio</translation>
    </message>
    <message>
        <source>--base BASE.hex applies only to a .dat template</source>
        <translation>--base BASE.hex solo se aplica a una plantilla .dat</translation>
    </message>
    <message>
        <source>  warning: %1</source>
        <translation>  aviso: %1</translation>
    </message>
    <message>
        <source>  rse-cli fleet --port DEV TEMPLATE --log LOG.csv [--no-verify] [--base BASE.hex]
                [--records DIR]
                                            program TEMPLATE (.dat or .hex) into one
                                            radio after another: each is read and kept,
                                            the template laid over it keeping its own
                                            MMSI and ATIS number, programmed and read
                                            back; one row per radio in LOG.csv, one
                                            page per radio in DIR/radio-N-MMSI.pdf
</source>
        <translation>  rse-cli fleet --port DEV TEMPLATE --log LOG.csv [--no-verify] [--base BASE.hex]
                [--records DIR]
                                            programa TEMPLATE (.dat o .hex) en una radio
                                            tras otra: cada una se lee y se guarda, la
                                            plantilla se pone sobre ella conservando su
                                            MMSI y su número ATIS, se programa y se
                                            relee; una fila por radio en LOG.csv, una
                                            página por radio en DIR/radio-N-MMSI.pdf
</translation>
    </message>
    <message>
        <source>rse-cli program: nothing was written; give --keep-identity or --change-identity.</source>
        <translation>rse-cli program: no se escribió nada; indique --keep-identity o --change-identity.</translation>
    </message>
    <message>
        <source>Keeping the radio's numbers.</source>
        <translation>Se conservan los números de la radio.</translation>
    </message>
    <message>
        <source>Changing the radio's numbers.</source>
        <translation>Se cambian los números de la radio.</translation>
    </message>
    <message>
        <source>--keep-identity and --change-identity exclude each other</source>
        <translation>--keep-identity y --change-identity se excluyen mutuamente</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>  rse-cli read --port DEV -o OUT [--no-backup]
                                            read the radio into OUT: .hex (the memory
                                            image) or .dat (the configuration); a copy
                                            is kept in the backups unless --no-backup
  rse-cli program --port DEV IN [--base BASE.hex] [--backup] [--verify]
                  [--keep-identity | --change-identity]
                                            program IN into the radio: .hex as it is,
                                            .dat laid over BASE.hex (else a new image);
                                            --backup: read and keep the radio first,
                                            lay a .dat over what it holds and print the
                                            changes; --verify: read back and compare.
                                            When IN would change the radio's own MMSI
                                            or ATIS number nothing is written unless
                                            --keep-identity or --change-identity says
                                            which is meant
  rse-cli clear-count --port DEV            reset the radio's MMSI entry count
</source>
        <translation>  rse-cli read --port DEV -o OUT [--no-backup]
                                            lee la radio en OUT: .hex (la imagen de
                                            memoria) o .dat (la configuración); se guarda
                                            una copia en las copias de seguridad salvo con --no-backup
  rse-cli program --port DEV IN [--base BASE.hex] [--backup] [--verify]
                  [--keep-identity | --change-identity]
                                            programa IN en la radio: .hex tal cual,
                                            .dat sobre BASE.hex (si no, una imagen nueva);
                                            --backup: primero lee y guarda la radio, pone
                                            un .dat sobre lo que contiene y muestra los
                                            cambios; --verify: relee y compara.
                                            Si IN cambiara el MMSI o el número ATIS propios
                                            de la radio, no se escribe nada salvo que
                                            --keep-identity o --change-identity diga cuál
                                            se quiere
  rse-cli clear-count --port DEV            pone a cero la cuenta de entradas MMSI de la radio
</translation>
    </message>
    <message>
        <source>     --port DEV: a device path or COM1..COM4 (/dev/ttyUSB0..3)
     --no-echo: the cable does not echo what is sent
     --progress: progress lines (one per 10 %) when standard error is not a
                 terminal; a terminal always shows a progress bar
</source>
        <translation>     --port DEV: una ruta de dispositivo o COM1..COM4 (/dev/ttyUSB0..3)
     --no-echo: el cable no devuelve el eco de lo enviado
     --progress: líneas de progreso (una cada 10 %) cuando la salida de error no es
                 un terminal; un terminal siempre muestra una barra de progreso
</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrumpido.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 is not a serial device: it is a regular file</source>
        <translation>%1 no es un dispositivo serie: es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is not a serial device: it is a folder</source>
        <translation>%1 no es un dispositivo serie: es una carpeta</translation>
    </message>
    <message>
        <source>%1 is not a serial device: it is not a character device</source>
        <translation>%1 no es un dispositivo serie: no es un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>no serial port was found on this computer: plug in the cable's USB adapter, then choose its name under /dev/serial/by-id/ (it stays the same when the adapter is plugged in again)</source>
        <translation>no se encontró ningún puerto serie en este ordenador: conecte el adaptador USB del cable y elija su nombre bajo /dev/serial/by-id/ (no cambia al volver a conectar el adaptador)</translation>
    </message>
    <message>
        <source>choose one of the serial ports found: %1 (names under /dev/serial/by-id/ stay the same when the adapter is plugged in again; rse-cli ports lists the ports)</source>
        <translation>elija uno de los puertos serie encontrados: %1 (los nombres bajo /dev/serial/by-id/ no cambian al volver a conectar el adaptador; rse-cli ports lista los puertos)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>cannot look at %1: %2</source>
        <translation>no se puede examinar %1: %2</translation>
    </message>
    <message>
        <source>check the path and that this user may enter its folders</source>
        <translation>revise la ruta y que este usuario pueda entrar en sus carpetas</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 existe</translation>
    </message>
    <message>
        <source> (it leads to %1)</source>
        <translation> (conduce a %1)</translation>
    </message>
    <message>
        <source>give the serial port's device, for example /dev/ttyUSB0 or a name under /dev/serial/by-id/ (rse-cli ports lists the ports)</source>
        <translation>indique el dispositivo del puerto serie, por ejemplo /dev/ttyUSB0 o un nombre bajo /dev/serial/by-id/ (rse-cli ports lista los puertos)</translation>
    </message>
    <message>
        <source>%1 is a character device but not a serial port (not a terminal)</source>
        <translation>%1 es un dispositivo de caracteres pero no un puerto serie (no es un terminal)</translation>
    </message>
    <message>
        <source>%1 is a character device and a serial port (a terminal)</source>
        <translation>%1 es un dispositivo de caracteres y un puerto serie (un terminal)</translation>
    </message>
    <message>
        <source>%1 is a character device</source>
        <translation>%1 es un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>%1 may open %2 for reading and writing</source>
        <translation>%1 puede abrir %2 para lectura y escritura</translation>
    </message>
    <message>
        <source>%1 is busy: another program has opened it for itself alone</source>
        <translation>%1 está ocupado: otro programa lo abrió para su uso exclusivo</translation>
    </message>
    <message>
        <source>close the program that uses the port (the next check names it when it can)</source>
        <translation>cierre el programa que usa el puerto (la siguiente comprobación lo nombra si puede)</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>unplug the adapter and plug it in again; if that does not help, the system log says more (sudo dmesg)</source>
        <translation>desconecte el adaptador y vuelva a conectarlo; si no basta, el registro del sistema da más detalles (sudo dmesg)</translation>
    </message>
    <message>
        <source>permission denied on %1: it belongs to the user %2 and the group %3 (mode %4)</source>
        <translation>permiso denegado en %1: pertenece al usuario %2 y al grupo %3 (modo %4)</translation>
    </message>
    <message>
        <source>; %1 is in the group %2, yet the system refuses</source>
        <translation>; %1 está en el grupo %2, pero el sistema lo rechaza</translation>
    </message>
    <message>
        <source>an access control list or a security module refuses it; look at: getfacl %1</source>
        <translation>una lista de control de acceso o un módulo de seguridad lo rechaza; revise: getfacl %1</translation>
    </message>
    <message>
        <source>; %1 was added to the group %2 after this login session began: a new login is needed</source>
        <translation>; %1 se añadió al grupo %2 después de iniciar esta sesión: hay que iniciar sesión de nuevo</translation>
    </message>
    <message>
        <source>log out and log in again (or, for one shell at once: newgrp %1)</source>
        <translation>cierre la sesión y vuelva a iniciarla (o, para un solo terminal ya mismo: newgrp %1)</translation>
    </message>
    <message>
        <source>; %1 is not in the group %2</source>
        <translation>; %1 no está en el grupo %2</translation>
    </message>
    <message>
        <source>sudo usermod -aG %1 %2, then log out and log in again</source>
        <translation>sudo usermod -aG %1 %2, después cierre la sesión y vuelva a iniciarla</translation>
    </message>
    <message>
        <source>; only its owner may use this pseudo-terminal</source>
        <translation>; solo su propietario puede usar este pseudoterminal</translation>
    </message>
    <message>
        <source>run this program as the pseudo-terminal's owner, the user who made the pseudo-terminal (for example who started the virtual radio)</source>
        <translation>ejecute este programa como el propietario del pseudoterminal, el usuario que lo creó (por ejemplo quien inició la radio virtual)</translation>
    </message>
    <message>
        <source>run this program as %1, the user who made the pseudo-terminal (for example who started the virtual radio)</source>
        <translation>ejecute este programa como %1, el usuario que creó el pseudoterminal (por ejemplo quien inició la radio virtual)</translation>
    </message>
    <message>
        <source>; its group may not read and write it</source>
        <translation>; su grupo no puede leerlo ni escribirlo</translation>
    </message>
    <message>
        <source>let the system give the device to the group dialout: echo 'KERNEL=="%1", GROUP="dialout", MODE="0660"' | sudo tee /etc/udev/rules.d/70-serial-dialout.rules &amp;&amp; sudo udevadm trigger; then sudo usermod -aG dialout %2 if not a member, and log in again</source>
        <translation>haga que el sistema dé el dispositivo al grupo dialout: echo 'KERNEL=="%1", GROUP="dialout", MODE="0660"' | sudo tee /etc/udev/rules.d/70-serial-dialout.rules &amp;&amp; sudo udevadm trigger; después sudo usermod -aG dialout %2 si no es miembro, y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>sudo systemctl stop ModemManager (see the ModemManager line for good)</source>
        <translation>sudo systemctl stop ModemManager (vea la línea de ModemManager para siempre)</translation>
    </message>
    <message>
        <source>sudo systemctl stop brltty (see the brltty line)</source>
        <translation>sudo systemctl stop brltty (vea la línea de brltty)</translation>
    </message>
    <message>
        <source>close %1, or end it: kill %2</source>
        <translation>cierre %1 o termínelo: kill %2</translation>
    </message>
    <message>
        <source>%1 is locked by process %2 (%3): lock file %4</source>
        <translation>%1 está bloqueado por el proceso %2 (%3): archivo de bloqueo %4</translation>
    </message>
    <message>
        <source>stale lock file %1 of process %2, which no longer runs</source>
        <translation>archivo de bloqueo obsoleto %1 del proceso %2, que ya no está en marcha</translation>
    </message>
    <message>
        <source>sudo rm %1</source>
        <translation>sudo rm %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>process %1 (%2)</source>
        <translation>proceso %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is open in process %2 (%3)</source>
        <translation>%1 está abierto en el proceso %2 (%3)</translation>
    </message>
    <message>
        <source>no other program holds %1</source>
        <translation>ningún otro programa retiene %1</translation>
    </message>
    <message>
        <source>, as far as this user can see (the open files of 1 process of other users are hidden)</source>
        <translation>, hasta donde este usuario puede ver (los archivos abiertos de 1 proceso de otro usuario están ocultos)</translation>
    </message>
    <message>
        <source>, as far as this user can see (the open files of %1 processes of other users are hidden)</source>
        <translation>, hasta donde este usuario puede ver (los archivos abiertos de %1 procesos de otros usuarios están ocultos)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source> is the other end of this pseudo-terminal</source>
        <translation> es el otro extremo de este pseudoterminal</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed: it takes CH340, CP210x and FTDI USB serial adapters for braille displays when they are plugged in</source>
        <translation>brltty (un controlador de pantallas braille) está instalado: toma los adaptadores serie USB CH340, CP210x y FTDI por pantallas braille al conectarlos</translation>
    </message>
    <message>
        <source>sudo apt-get remove brltty (or, to keep it for a braille display: sudo systemctl mask brltty-udev.service), then unplug the adapter and plug it in again</source>
        <translation>sudo apt-get remove brltty (o, para conservarlo para una pantalla braille: sudo systemctl mask brltty-udev.service), después desconecte el adaptador y vuelva a conectarlo</translation>
    </message>
    <message>
        <source>; the adapter %1 is plugged in but %2 does not exist</source>
        <translation>; el adaptador %1 está conectado pero %2 no existe</translation>
    </message>
    <message>
        <source>; the adapter of %1 is one of them: %2</source>
        <translation>; el adaptador de %1 es uno de ellos: %2</translation>
    </message>
    <message>
        <source>ModemManager is running: it sends modem commands to every new serial device and holds it for a while after it is plugged in</source>
        <translation>ModemManager está en marcha: envía órdenes de módem a cada nuevo dispositivo serie y lo retiene un tiempo después de conectarlo</translation>
    </message>
    <message>
        <source>sudo systemctl disable --now ModemManager (or, to keep it for a modem, a udev rule with ENV{ID_MM_DEVICE_IGNORE}="1" for the adapter)</source>
        <translation>sudo systemctl disable --now ModemManager (o, para conservarlo para un módem, una regla udev con ENV{ID_MM_DEVICE_IGNORE}="1" para el adaptador)</translation>
    </message>
    <message>
        <source>brltty is installed but takes none of the adapters found; ModemManager is not running</source>
        <translation>brltty está instalado pero no toma ninguno de los adaptadores encontrados; ModemManager no está en marcha</translation>
    </message>
    <message>
        <source>neither brltty nor ModemManager is there to take USB serial adapters away</source>
        <translation>ni brltty ni ModemManager están presentes para quedarse con los adaptadores serie USB</translation>
    </message>
    <message>
        <source>cannot open %1 at 9600 baud 8N1: %2</source>
        <translation>no se puede abrir %1 a 9600 baudios 8N1: %2</translation>
    </message>
    <message>
        <source>close the program that uses the port, then run the check again</source>
        <translation>cierre el programa que usa el puerto y vuelva a hacer la comprobación</translation>
    </message>
    <message>
        <source>the cable on %1 echoes what is sent, but --no-echo (/DE) was given: every transfer would take the echo for the radio's answer and fail</source>
        <translation>el cable en %1 devuelve el eco de lo enviado, pero se indicó --no-echo (/DE): cada transferencia tomaría el eco por la respuesta de la radio y fallaría</translation>
    </message>
    <message>
        <source>leave out --no-echo (start the editor without /DE)</source>
        <translation>quite --no-echo (inicie el editor sin /DE)</translation>
    </message>
    <message>
        <source>the cable on %1 echoes what is sent</source>
        <translation>el cable en %1 devuelve el eco de lo enviado</translation>
    </message>
    <message>
        <source>no echo on %1, as --no-echo (/DE) says</source>
        <translation>sin eco en %1, como indica --no-echo (/DE)</translation>
    </message>
    <message>
        <source>no echo on %1: the cable did not send back what was sent</source>
        <translation>sin eco en %1: el cable no devolvió lo enviado</translation>
    </message>
    <message>
        <source>if the cable does not echo, use --no-echo (start the editor with the /DE switch); otherwise check that the programming cable is plugged in</source>
        <translation>si el cable no hace eco, use --no-echo (inicie el editor con la opción /DE); si no, compruebe que el cable de programación esté conectado</translation>
    </message>
    <message>
        <source>no answer from the radio on %1 to the model check (the model code at addresses 0x0000 and 0x0001)</source>
        <translation>ninguna respuesta de la radio en %1 a la comprobación del modelo (el código de modelo en las direcciones 0x0000 y 0x0001)</translation>
    </message>
    <message>
        <source>switch the radio on and put it into clone mode, check that the cable is plugged into the radio, then run the check again</source>
        <translation>encienda la radio y póngala en modo clonación, compruebe que el cable esté conectado a la radio y vuelva a hacer la comprobación</translation>
    </message>
    <message>
        <source>the radio on %1 reports the model code %2, not %3 (%4): every transfer stops at the model check with "%5"</source>
        <translation>la radio en %1 indica el código de modelo %2, no %3 (%4): cada transferencia se detiene en la comprobación del modelo con «%5»</translation>
    </message>
    <message>
        <source>connect a %1: this program edits that model only</source>
        <translation>conecte una %1: este programa solo edita ese modelo</translation>
    </message>
    <message>
        <source>the radio on %1 answers the model check: model code %2, %3</source>
        <translation>la radio en %1 responde a la comprobación del modelo: código de modelo %2, %3</translation>
    </message>
    <message>
        <source>the line to %1 was lost</source>
        <translation>se perdió la línea con %1</translation>
    </message>
    <message>
        <source>the line to %1 was lost: %2</source>
        <translation>se perdió la línea con %1: %2</translation>
    </message>
    <message>
        <source>check the cable and its adapter, then run the check again</source>
        <translation>revise el cable y su adaptador y vuelva a hacer la comprobación</translation>
    </message>
    <message>
        <source>Radio Setup Editor</source>
        <translation>Editor de configuración de radio</translation>
    </message>
    <message>
        <source>The backup could not be kept in %1: %2</source>
        <translation>No se pudo guardar la copia de seguridad en %1: %2</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>se puede abrir</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>¡¡Error al guardar el archivo!!</translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation>Atenuador</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>ATIS ON</source>
        <translation>ATIS activo</translation>
    </message>
    <message>
        <source>ATIS No.</source>
        <translation>N.º ATIS</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Tipo exploración</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Timbre individual</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Respuesta individual</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>Acuse individual</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Respuesta petición POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Exploración LSD</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerta meteo</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Diferencia horaria</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI del usuario</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Solo baja potencia</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Potencia alta</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Transmisión activa</translation>
    </message>
    <message>
        <source>Display A</source>
        <translation>Pantalla A</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>Memoria VS</translation>
    </message>
    <message>
        <source>Tag Name</source>
        <translation>Nombre de etiqueta</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nombre de estación</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritario</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>15 times</source>
        <translation>15 veces</translation>
    </message>
    <message>
        <source>10 times</source>
        <translation>10 veces</translation>
    </message>
    <message>
        <source>5 times</source>
        <translation>5 veces</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>USA channel %1</source>
        <translation>Canal EE. UU. %1</translation>
    </message>
    <message>
        <source>International channel %1</source>
        <translation>Canal Internacional %1</translation>
    </message>
    <message>
        <source>Canada channel %1</source>
        <translation>Canal Canadá %1</translation>
    </message>
    <message>
        <source>WX channel %1</source>
        <translation>Canal meteo %1</translation>
    </message>
    <message>
        <source>Individual Directory MemoryID%1</source>
        <translation>Directorio individual MemoryID%1</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>Count (MMSI entries)</source>
        <translation>Cuenta (entradas MMSI)</translation>
    </message>
    <message>
        <source>Memory image byte 0x%1</source>
        <translation>Byte 0x%1 de la imagen de memoria</translation>
    </message>
    <message>
        <source>the name holds a character the radio cannot store (it takes A-Z, 0-9, blank and - + ( ) . * /)</source>
        <translation>el nombre contiene un carácter que la radio no puede guardar (acepta A-Z, 0-9, espacio y - + ( ) . * /)</translation>
    </message>
    <message>
        <source>the name has %1 characters; the radio holds at most 10</source>
        <translation>el nombre tiene %1 caracteres; la radio guarda como máximo 10</translation>
    </message>
    <message>
        <source>the MMSI holds a character that is not a digit</source>
        <translation>el MMSI contiene un carácter que no es una cifra</translation>
    </message>
    <message>
        <source>the MMSI has %1 digits; an MMSI has 9 digits</source>
        <translation>el MMSI tiene %1 cifras; un MMSI tiene 9 cifras</translation>
    </message>
    <message>
        <source> (a spreadsheet may have dropped its leading zeros: format the column as text)</source>
        <translation> (quizá una hoja de cálculo quitó los ceros iniciales: dé a la columna formato de texto)</translation>
    </message>
    <message>
        <source>no header line with the columns Name and MMSI</source>
        <translation>ninguna línea de encabezado con las columnas Name y MMSI</translation>
    </message>
    <message>
        <source>the header line does not name both columns Name and MMSI</source>
        <translation>la línea de encabezado no nombra las dos columnas Name y MMSI</translation>
    </message>
    <message>
        <source>more than 20 rows: the directory holds 20 stations</source>
        <translation>más de 20 filas: el directorio contiene 20 estaciones</translation>
    </message>
    <message>
        <source>MMSI %1 is already used on line %2</source>
        <translation>El MMSI %1 ya se usa en la línea %2</translation>
    </message>
    <message>
        <source>no MMSI: the radio's directory ends before an entry without one</source>
        <translation>sin MMSI: el directorio de la radio termina antes de una entrada sin él</translation>
    </message>
    <message>
        <source>Cannot open the serial port %1: %2</source>
        <translation>No se puede abrir el puerto serie %1: %2</translation>
    </message>
    <message>
        <source>
The user must be a member of the group that owns the device, usually dialout (then log in again).</source>
        <translation>
El usuario debe pertenecer al grupo propietario del dispositivo, normalmente dialout (y volver a iniciar sesión).</translation>
    </message>
    <message>
        <source>The connection to the radio on %1 was lost.</source>
        <translation>Se perdió la conexión con la radio en %1.</translation>
    </message>
    <message>
        <source>The connection to the radio on %1 was lost: %2.</source>
        <translation>Se perdió la conexión con la radio en %1: %2.</translation>
    </message>
    <message>
        <source>No valid answer from the radio for address %1 after 1 attempt.</source>
        <translation>Ninguna respuesta válida de la radio para la dirección %1 tras 1 intento.</translation>
    </message>
    <message>
        <source>No valid answer from the radio for address %1 after %2 attempts.</source>
        <translation>Ninguna respuesta válida de la radio para la dirección %1 tras %2 intentos.</translation>
    </message>
    <message>
        <source>The radio reports the model code %1, this program edits %2.</source>
        <translation>La radio indica el código de modelo %1; este programa edita %2.</translation>
    </message>
    <message>
        <source> The radio holds the blocks written before it.</source>
        <translation> La radio conserva los bloques escritos antes.</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>¡¡Completado!!</translation>
    </message>
    <message>
        <source>CommunicatiOn Error!!</source>
        <translation>¡¡Error de comunicación!!</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>¡¡Error de modelo!!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer la radio</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Comprobación del modelo</translation>
    </message>
    <message>
        <source>The radio does not hold what was sent: 1 byte differs, the first at address %1.</source>
        <translation>La radio no contiene lo enviado: difiere 1 byte, el primero en la dirección %1.</translation>
    </message>
    <message>
        <source>The radio does not hold what was sent: %1 bytes differ, the first at address %2.</source>
        <translation>La radio no contiene lo enviado: difieren %1 bytes, el primero en la dirección %2.</translation>
    </message>
    <message>
        <source>Verify Error!!</source>
        <translation>¡¡Error de verificación!!</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Buque</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Estación costera</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Aeronave SAR</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Portátil</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Embarcación de un buque nodriza</translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation>Ayuda a la navegación</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>MOB device</source>
        <translation>Dispositivo de hombre al agua</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>RLS-AIS</translation>
    </message>
    <message>
        <source>No assigned MMSI form</source>
        <translation>Ninguna forma de MMSI asignada</translation>
    </message>
    <message>
        <source>, MID %1</source>
        <translation>, MID %1</translation>
    </message>
    <message>
        <source>cannot be called by DSC</source>
        <translation>no se puede llamar por LSD</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>(and %1 more)</source>
        <translation>(y %1 más)</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>EE. UU.</translation>
    </message>
    <message>
        <source>International</source>
        <translation>Internacional</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>¡¡Error al leer el archivo!!</translation>
    </message>
    <message>
        <source>no MMSI: enter it at the radio</source>
        <translation>sin MMSI: introdúzcalo en la radio</translation>
    </message>
    <message>
        <source>%1 is also radio %2 of this log</source>
        <translation>%1 también es la radio %2 de este registro</translation>
    </message>
    <message>
        <source>This radio's own MMSI is %1. The configuration would change it to %2.</source>
        <translation>El MMSI propio de esta radio es %1. La configuración lo cambiaría a %2.</translation>
    </message>
    <message>
        <source>This radio's own MMSI is %1. The configuration would erase it.</source>
        <translation>El MMSI propio de esta radio es %1. La configuración lo borraría.</translation>
    </message>
    <message>
        <source>This radio's own ATIS number is %1. The configuration would change it to %2.</source>
        <translation>El número ATIS propio de esta radio es %1. La configuración lo cambiaría a %2.</translation>
    </message>
    <message>
        <source>This radio's own ATIS number is %1. The configuration would erase it.</source>
        <translation>El número ATIS propio de esta radio es %1. La configuración lo borraría.</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>programmed</source>
        <translation>programada</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallida</translation>
    </message>
    <message>
        <source>1 verified</source>
        <translation>1 verificada</translation>
    </message>
    <message>
        <source>%1 verified</source>
        <translation>%1 verificadas</translation>
    </message>
    <message>
        <source>1 programmed</source>
        <translation>1 programada</translation>
    </message>
    <message>
        <source>%1 programmed</source>
        <translation>%1 programadas</translation>
    </message>
    <message>
        <source>1 cancelled</source>
        <translation>1 cancelada</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 canceladas</translation>
    </message>
    <message>
        <source>1 failed</source>
        <translation>1 fallida</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fallidas</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>1 radio</source>
        <translation>1 radio</translation>
    </message>
    <message>
        <source>%1 radios</source>
        <translation>%1 radios</translation>
    </message>
    <message>
        <source>This is a group MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Este es un MMSI de grupo; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This is a coast station MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Este es un MMSI de estación costera; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This is a SAR aircraft MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Este es un MMSI de aeronave SAR; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This is a handheld MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Este es un MMSI de portátil; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This is the MMSI of a parent ship's craft; a radio's own MMSI is a ship station's</source>
        <translation>Este es el MMSI de una embarcación de un buque nodriza; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This is an aid to navigation MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Este es un MMSI de ayuda a la navegación; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This is an AIS-SART MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Este es un MMSI de AIS-SART; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This is a MOB device MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Este es un MMSI de dispositivo de hombre al agua; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This is an EPIRB-AIS MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Este es un MMSI de RLS-AIS; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>This MMSI has no assigned form; a radio's own MMSI is a ship station's</source>
        <translation>Este MMSI no tiene ninguna forma asignada; el MMSI propio de una radio es el de una estación de barco</translation>
    </message>
    <message>
        <source>An ATIS number has ten digits and starts with 9</source>
        <translation>Un número ATIS tiene diez cifras y empieza por 9</translation>
    </message>
    <message>
        <source>ATIS No. suggested: 9%1 (9 followed by the user MMSI)</source>
        <translation>N.º ATIS sugerido: 9%1 (9 seguido del MMSI del usuario)</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>The window closed before the radio's memory was kept.</source>
        <translation>La ventana se cerró antes de guardar la memoria de la radio.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>rse::BackupsWindow</name>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardadas en %1</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>read from %1</source>
        <translation>leída de %1</translation>
    </message>
    <message>
        <source>(damaged) </source>
        <translation>(dañada) </translation>
    </message>
    <message>
        <source>Memory image</source>
        <translation>Imagen de memoria</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Delete the backup %1?</source>
        <translation>¿Eliminar la copia de seguridad %1?</translation>
    </message>
    <message>
        <source>The backup %1 could not be deleted: %2</source>
        <translation>No se pudo eliminar la copia de seguridad %1: %2</translation>
    </message>
</context>
<context>
    <name>rse::ChannelListPanel</name>
    <message>
        <source>USA Channel List</source>
        <translation>Lista de canales EE. UU.</translation>
    </message>
    <message>
        <source>International Channel List</source>
        <translation>Lista de canales Internacional</translation>
    </message>
    <message>
        <source>Canada Channel List</source>
        <translation>Lista de canales Canadá</translation>
    </message>
    <message>
        <source>Exp Channel List</source>
        <translation>Lista de canales Exp</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doble clic],[Intro]:Ir a la pantalla de ajuste.</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Activar</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Desactivar</translation>
    </message>
    <message>
        <source>&amp;Scan On</source>
        <translation>E&amp;xploración activada</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>Exploración &amp;desactivada</translation>
    </message>
    <message>
        <source>%1 channels selected</source>
        <translation>%1 canales seleccionados</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Scan On</source>
        <translation>Exploración activada</translation>
    </message>
    <message>
        <source>Scan Off</source>
        <translation>Exploración desactivada</translation>
    </message>
    <message>
        <source>%1: %2 changed</source>
        <translation>%1: cambio en %2</translation>
    </message>
    <message>
        <source>, %1 already so</source>
        <translation>, %1 ya estaban así</translation>
    </message>
    <message>
        <source>, %1 left alone (Scan Memory needs an enabled channel and is never set on channel 70)</source>
        <translation>, %1 sin tocar (la memoria de exploración necesita un canal activo y nunca se pone en el canal 70)</translation>
    </message>
</context>
<context>
    <name>rse::ChannelPanel</name>
    <message>
        <source>Channel Number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Potencia alta</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Solo baja potencia</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Transmisión activa</translation>
    </message>
    <message>
        <source>Tag Name</source>
        <translation>Nombre de etiqueta</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espacio]:Activa o desactiva.</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Arriba/Abajo]:1 paso, [RePág/AvPág]:10 pasos, [Inicio/Fin]:Inicio/Fin</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Un máximo de 12 caracteres</translation>
    </message>
</context>
<context>
    <name>rse::CompareWindow</name>
    <message>
        <source>Compare With - %1</source>
        <translation>Comparar con - %1</translation>
    </message>
    <message>
        <source>The configuration in the editor and %1 are the same.</source>
        <translation>La configuración del editor y %1 son iguales.</translation>
    </message>
    <message>
        <source>%1 %2 between the configuration in the editor and %3. Select a row to show it in the editor.</source>
        <translation>%1 %2 entre la configuración del editor y %3. Seleccione una fila para mostrarla en el editor.</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>diferencia</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>diferencias</translation>
    </message>
    <message>
        <source>In the editor</source>
        <translation>En el editor</translation>
    </message>
</context>
<context>
    <name>rse::ConnectionCheckDialog</name>
    <message>
        <source>Check Connection</source>
        <translation>Comprobar la conexión</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Comprobar de nuevo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation>No se encontró ningún problema.</translation>
    </message>
    <message>
        <source>1 problem found.</source>
        <translation>1 problema encontrado.</translation>
    </message>
    <message>
        <source>%1 problems found.</source>
        <translation>%1 problemas encontrados.</translation>
    </message>
    <message>
        <source> Select a fix to copy it.</source>
        <translation> Seleccione una solución para copiarla.</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;&lt;/td&gt;&lt;td&gt;&lt;i&gt;Fix:&lt;/i&gt; &lt;span style="font-family: monospace; background-color: #eef2f7"&gt;%1&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;&lt;/td&gt;&lt;td&gt;&lt;i&gt;Solución:&lt;/i&gt; &lt;span style="font-family: monospace; background-color: #eef2f7"&gt;%1&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>rse::DifferenceTable</name>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
</context>
<context>
    <name>rse::DigitEntry</name>
    <message>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
</context>
<context>
    <name>rse::DirectoryEntryPanel</name>
    <message>
        <source>Individual Directory Entry</source>
        <translation>Entrada del directorio individual</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Indivisual Directory MMSI</source>
        <translation>MMSI del directorio individual</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nombre de estación</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Solo cifras. 9 cifras obligatorias.</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>A maximum of 10 characters.</source>
        <translation>Un máximo de 10 caracteres.</translation>
    </message>
</context>
<context>
    <name>rse::DirectoryListPanel</name>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NOMBRE DE ESTACIÓN</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>%1 stations selected</source>
        <translation>%1 estaciones seleccionadas</translation>
    </message>
    <message>
        <source>The directory was not changed: the pasted rows cannot be taken.

</source>
        <translation>El directorio no se modificó: las filas pegadas no se pueden aceptar.

</translation>
    </message>
    <message>
        <source>Paste (1 station)</source>
        <translation>Pegar (1 estación)</translation>
    </message>
    <message>
        <source>Paste (%1 stations)</source>
        <translation>Pegar (%1 estaciones)</translation>
    </message>
    <message>
        <source>The directory holds the %1 pasted stations from slot %2.

Warnings:
%3</source>
        <translation>El directorio contiene las %1 estaciones pegadas desde la entrada %2.

Avisos:
%3</translation>
    </message>
</context>
<context>
    <name>rse::EditCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
</context>
<context>
    <name>rse::EditorStatusBar</name>
    <message>
        <source>Warning: </source>
        <translation>Aviso: </translation>
    </message>
</context>
<context>
    <name>rse::ExchangeCommands</name>
    <message>
        <source>&amp;Import Directory...</source>
        <translation>Importar el &amp;directorio...</translation>
    </message>
    <message>
        <source>&amp;Export Directory...</source>
        <translation>E&amp;xportar el directorio...</translation>
    </message>
    <message>
        <source>Export &amp;Channels...</source>
        <translation>&amp;Exportar los canales...</translation>
    </message>
    <message>
        <source>Import Directory</source>
        <translation>Importar el directorio</translation>
    </message>
    <message>
        <source>The directory was not changed: %1 has rows that cannot be taken.

%2</source>
        <translation>El directorio no se modificó: %1 tiene filas que no se pueden aceptar.

%2</translation>
    </message>
    <message>
        <source>The directory holds the %1 stations of %2.

Warnings:
%3</source>
        <translation>El directorio contiene las %1 estaciones de %2.

Avisos:
%3</translation>
    </message>
    <message>
        <source>Export Directory</source>
        <translation>Exportar el directorio</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exportar los canales</translation>
    </message>
    <message>
        <source>CSV files(*.csv);;All files(*.*)</source>
        <translation>Archivos CSV(*.csv);;Todos los archivos(*.*)</translation>
    </message>
</context>
<context>
    <name>rse::FileCommands</name>
    <message>
        <source>dat files(*.dat);;All files(*.*)</source>
        <translation>Archivos dat(*.dat);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>hex files(*.hex);;All files(*.*)</source>
        <translation>Archivos hex(*.hex);;Todos los archivos(*.*)</translation>
    </message>
</context>
<context>
    <name>rse::FleetRun</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>rse::FleetWindow</name>
    <message>
        <source>time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>user_mmsi</source>
        <translation>MMSI del usuario</translation>
    </message>
    <message>
        <source>mmsi_kind</source>
        <translation>Tipo de MMSI</translation>
    </message>
    <message>
        <source>atis_no</source>
        <translation>N.º ATIS</translation>
    </message>
    <message>
        <source>result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>sha256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>&amp;Archivo de registro:</translation>
    </message>
    <message>
        <source>&amp;Verify each radio (read it back)</source>
        <translation>&amp;Verificar cada radio (releerla)</translation>
    </message>
    <message>
        <source>Radios done</source>
        <translation>Radios terminadas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Next Radio</source>
        <translation>&amp;Siguiente radio</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar varias radios</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1: %2</source>
        <translation>¡¡Error al guardar el archivo!!

%1: %2</translation>
    </message>
    <message>
        <source>Programming radio %1...</source>
        <translation>Programando la radio %1...</translation>
    </message>
    <message>
        <source>Connect radio %1, then press Next Radio.</source>
        <translation>Conecte la radio %1 y pulse Siguiente radio.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Fleet Log File</source>
        <translation>Archivo de registro de la flota</translation>
    </message>
    <message>
        <source>Fleet logs (*.csv)</source>
        <translation>Registros de flota (*.csv)</translation>
    </message>
</context>
<context>
    <name>rse::FrmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Prepares, reads and programs the configuration of the QM24 VH3400M marine VHF DSC radio.</source>
        <translation>Prepara, lee y programa la configuración de la radio marina VHF LSD QM24 VH3400M.</translation>
    </message>
    <message>
        <source>Check the settings on the radio itself before you rely on them at sea.</source>
        <translation>Compruebe los ajustes en la propia radio antes de confiar en ellos en el mar.</translation>
    </message>
    <message>
        <source>Version Infomation</source>
        <translation>Información de la versión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>rse::FrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
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
        <source>Save As &amp;Default</source>
        <translation>Guardar como &amp;predeterminado</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imp&amp;rimir en un archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transferencia</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programar la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Leer la radio</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Puerto serie</translation>
    </message>
    <message>
        <source>&amp;Device Paths...</source>
        <translation>&amp;Rutas de dispositivos...</translation>
    </message>
    <message>
        <source>&amp;Check Connection...</source>
        <translation>&amp;Comprobar la conexión...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About RSE Version</source>
        <translation>&amp;Acerca de RSE</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Guardar como predeterminado</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer la radio</translation>
    </message>
    <message>
        <source>"%1" could not be shown.

%2</source>
        <translation>No se pudo mostrar «%1».

%2</translation>
    </message>
</context>
<context>
    <name>rse::FrmPrn</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimir en un archivo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Preparando el texto. Espere, por favor...</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Archivos de texto(*.txt);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
</context>
<context>
    <name>rse::FrmRadio</name>
    <message>
        <source>1.Connect the RSE Cable.</source>
        <translation>1.Conecte el cable RSE.</translation>
    </message>
    <message>
        <source>2.Communication starts when you select [OK].</source>
        <translation>2.La comunicación empieza al elegir [Aceptar].</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>

Check the connection now?</source>
        <translation>

¿Comprobar la conexión ahora?</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>rse::HelpBrowser</name>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>No se puede mostrar el contenido de la ayuda. No hay ayuda asociada a este proyecto.</translation>
    </message>
    <message>
        <source>Radio Setup Editor Help</source>
        <translation>Ayuda del Editor de configuración de radio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The help file "%1" was not found.</source>
        <translation>No se encontró el archivo de ayuda «%1».</translation>
    </message>
</context>
<context>
    <name>rse::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>The editor shows the chosen language when it starts again.</source>
        <translation>El editor mostrará el idioma elegido la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>rse::NavigationTree</name>
    <message>
        <source>Programmable Channel</source>
        <translation>Canales programables</translation>
    </message>
    <message>
        <source>WX Channel</source>
        <translation>Canales meteo</translation>
    </message>
    <message>
        <source>Exp Channel</source>
        <translation>Canales Exp</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Arriba]/[Abajo]/[Izquierda]/[Derecha]:Cambiar de elemento.</translation>
    </message>
</context>
<context>
    <name>rse::PriorityPanel</name>
    <message>
        <source>Priority Channel</source>
        <translation>Canal prioritario</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Arriba/Abajo]:1 paso, [RePág/AvPág]:10 pasos, [Inicio/Fin]:Inicio/Fin</translation>
    </message>
</context>
<context>
    <name>rse::ProgramChangesDialog</name>
    <message>
        <source>Program these %1 changes?</source>
        <translation>¿Programar estos %1 cambios?</translation>
    </message>
    <message>
        <source>The radio was read and kept in the backups. Programming changes:</source>
        <translation>La radio se leyó y se guardó en las copias de seguridad. La programación cambia:</translation>
    </message>
    <message>
        <source>The radio's own numbers</source>
        <translation>Números propios de la radio</translation>
    </message>
    <message>
        <source>Keep the Radio's</source>
        <translation>Conservar los de la radio</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Cambiarlos</translation>
    </message>
    <message>
        <source>In the radio now</source>
        <translation>En la radio ahora</translation>
    </message>
    <message>
        <source>After programming</source>
        <translation>Después de programar</translation>
    </message>
    <message>
        <source>Program these 1 changes?</source>
        <translation>¿Programar este cambio?</translation>
    </message>
</context>
<context>
    <name>rse::ReportPainter</name>
    <message>
        <source>The printer could not start the job.</source>
        <translation>La impresora no pudo iniciar el trabajo.</translation>
    </message>
    <message>
        <source>The printer could not start page %1.</source>
        <translation>La impresora no pudo iniciar la página %1.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>La impresora no pudo terminar el trabajo.</translation>
    </message>
</context>
<context>
    <name>rse::SafetyCommands</name>
    <message>
        <source>Configuration files(*.dat *.hex);;dat files(*.dat);;hex files(*.hex);;All files(*.*)</source>
        <translation>Archivos de configuración(*.dat *.hex);;Archivos dat(*.dat);;Archivos hex(*.hex);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>C&amp;opias de seguridad...</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Co&amp;mparar con...</translation>
    </message>
    <message>
        <source>&amp;Keep Backups</source>
        <translation>&amp;Conservar copias de seguridad</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Programming</source>
        <translation>Copia de seguridad &amp;antes de programar</translation>
    </message>
    <message>
        <source>&amp;Verify After Programming</source>
        <translation>&amp;Verificar después de programar</translation>
    </message>
    <message>
        <source>backup %1</source>
        <translation>copia de seguridad %1</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>FileRead Error!!

%1: %2</source>
        <translation>¡¡Error al leer el archivo!!

%1: %2</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programar &amp;varias radios...</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Keep the Radio's</source>
        <translation>Conservar los de la radio</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Cambiarlos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>rse::SerialDevicesDialog</name>
    <message>
        <source>Serial Port Devices</source>
        <translation>Dispositivos de los puertos serie</translation>
    </message>
    <message>
        <source>Device used for each entry of the Serial Port menu.
Choose a listed device or type a path, for example a name under
/dev/serial/by-id/ or the path of a virtual radio.</source>
        <translation>Dispositivo usado para cada entrada del menú Puerto serie.
Elija un dispositivo de la lista o escriba una ruta, por ejemplo un
nombre bajo /dev/serial/by-id/ o la ruta de una radio virtual.</translation>
    </message>
    <message>
        <source>Set by RSE_COM%1 for this session</source>
        <translation>Fijado por RSE_COM%1 para esta sesión</translation>
    </message>
</context>
<context>
    <name>rse::SettingsPanel</name>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Pitido de teclas</translation>
    </message>
    <message>
        <source>ATIS ON</source>
        <translation>ATIS activo</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>N.º ATIS</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Respuesta individual</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>Acuse individual</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Respuesta petición POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Exploración LSD</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerta meteo</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI del usuario</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Solo cifras. 10 cifras obligatorias.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Solo cifras. 9 cifras obligatorias.</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Un clic reinicia el número de permisos de ajuste del MMSI del usuario</translation>
    </message>
    <message>
        <source>ATIS No.</source>
        <translation>N.º ATIS</translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation>Atenuador</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Tipo exploración</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Diferencia horaria</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Timbre individual</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritario</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>15 times</source>
        <translation>15 veces</translation>
    </message>
    <message>
        <source>10 times</source>
        <translation>10 veces</translation>
    </message>
    <message>
        <source>5 times</source>
        <translation>5 veces</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espacio]:Activa o desactiva.</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Arriba/Abajo]:1 paso, [RePág/AvPág]:10 pasos, [Inicio/Fin]:Inicio/Fin</translation>
    </message>
    <message>
        <source>(Auto)</source>
        <translation>(Auto)</translation>
    </message>
    <message>
        <source>(Able to Comple)</source>
        <translation>(Puede cumplir)</translation>
    </message>
</context>
<context>
    <name>rse::TableCopy</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>rse::WxPanel</name>
    <message>
        <source>WX Channel</source>
        <translation>Canales meteo</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Explorar</translation>
    </message>
    <message>
        <source>Tag Name</source>
        <translation>Nombre de etiqueta</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Marque[x]Activo/[]Inactivo.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Un máximo de 12 caracteres</translation>
    </message>
</context>
</TS>
