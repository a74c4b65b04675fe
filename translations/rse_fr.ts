<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Cli</name>
    <message>
        <source>takes no arguments</source>
        <translation>ne prend pas d'arguments</translation>
    </message>
    <message>
        <source>expects two files</source>
        <translation>attend deux fichiers</translation>
    </message>
    <message>
        <source>files must end in .dat or .hex</source>
        <translation>les fichiers doivent se terminer par .dat ou .hex</translation>
    </message>
    <message>
        <source>  rse-cli backups                           list the kept backups, newest first
  rse-cli diff A B                          the fields (and, for two .hex files, the
                                            other bytes) that differ; exit 0 same,
                                            1 different, 2 trouble
</source>
        <translation>  rse-cli backups                           liste les sauvegardes conservées, la plus récente d'abord
  rse-cli diff A B                          les champs (et, pour deux fichiers .hex, les
                                            autres octets) qui diffèrent; sortie 0 identiques,
                                            1 différents, 2 ennui
</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Sauvegarde : %1</translation>
    </message>
    <message>
        <source>Changes to program (%1):</source>
        <translation>Changements à programmer (%1) :</translation>
    </message>
    <message>
        <source>Try 'rse-cli --help'.</source>
        <translation>Essayez « rse-cli --help ».</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erreur d'enregistrement du fichier!!</translation>
    </message>
    <message>
        <source>rse-cli %1: could not write to standard output</source>
        <translation>rse-cli %1 : impossible d'écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>unexpected argument '%1'</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>No serial port found.</source>
        <translation>Aucun port série trouvé.</translation>
    </message>
    <message>
        <source>--port DEV is required (a device path or COM1..COM4)</source>
        <translation>--port DEV est obligatoire (un chemin de périphérique ou COM1..COM4)</translation>
    </message>
    <message>
        <source>  rse-cli ports                             list the serial ports: device, stable name,
                                            USB adapter, and whether you may open it
  rse-cli doctor --port DEV [--no-echo]     check the port, the cable and the radio;
                                            says what is wrong and how to fix it
                                            (exit 1 when a problem was found)
</source>
        <translation>  rse-cli ports                             liste les ports série : périphérique, nom stable,
                                            adaptateur USB, et si vous pouvez l'ouvrir
  rse-cli doctor --port DEV [--no-echo]     vérifie le port, le câble et la radio;
                                            dit ce qui ne va pas et comment le corriger
                                            (sortie 1 si un problème a été trouvé)
</translation>
    </message>
    <message>
        <source>expects IN FILE.csv -o OUT</source>
        <translation>attend IN FICHIER.csv -o OUT</translation>
    </message>
    <message>
        <source>IN and OUT must be .dat or .hex files</source>
        <translation>IN et OUT doivent être des fichiers .dat ou .hex</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Erreur de lecture du fichier!!</translation>
    </message>
    <message>
        <source>rse-cli %1: %2: rows refused, nothing written</source>
        <translation>rse-cli %1 : %2 : lignes refusées, rien n'a été écrit</translation>
    </message>
    <message>
        <source>  rse-cli export-directory IN [-o OUT.csv]  the directory of IN as a Name,MMSI table
  rse-cli import-directory IN FILE.csv -o OUT
                                            IN with its directory replaced by the rows
                                            of FILE.csv; nothing is written when a row
                                            is refused (each reported as line N: reason)
  rse-cli export-channels IN [-o OUT.csv]   every channel of IN as a table
</source>
        <translation>  rse-cli export-directory IN [-o OUT.csv]  le répertoire de IN en tableau Name,MMSI
  rse-cli import-directory IN FILE.csv -o OUT
                                            IN avec son répertoire remplacé par les lignes
                                            de FILE.csv; rien n'est écrit si une ligne
                                            est refusée (chacune signalée : ligne N : raison)
  rse-cli export-channels IN [-o OUT.csv]   tous les canaux de IN en tableau
</translation>
    </message>
    <message>
        <source>expects one output file</source>
        <translation>attend un fichier de sortie</translation>
    </message>
    <message>
        <source>the output must be a .dat file</source>
        <translation>la sortie doit être un fichier .dat</translation>
    </message>
    <message>
        <source>expects an input and an output file</source>
        <translation>attend un fichier d'entrée et un fichier de sortie</translation>
    </message>
    <message>
        <source>--base applies only to a .dat to .hex conversion</source>
        <translation>--base ne s'applique qu'à une conversion de .dat en .hex</translation>
    </message>
    <message>
        <source>--base must name a .hex file</source>
        <translation>--base doit nommer un fichier .hex</translation>
    </message>
    <message>
        <source>a .hex file converts only to a .dat file</source>
        <translation>un fichier .hex ne se convertit qu'en fichier .dat</translation>
    </message>
    <message>
        <source>expects one input file</source>
        <translation>attend un fichier d'entrée</translation>
    </message>
    <message>
        <source>the input must be a .dat or .hex file</source>
        <translation>l'entrée doit être un fichier .dat ou .hex</translation>
    </message>
    <message>
        <source>  rse-cli new OUT.dat                       write a new configuration (the radio's defaults)
  rse-cli convert IN OUT [--base BASE.hex]  convert between .dat and .hex (by extension);
                                            --base: lay the .dat over BASE.hex instead of
                                            the image of a new configuration
  rse-cli report IN [-o OUT.txt]            the text report of IN (.dat or .hex), to
                                            standard output or OUT.txt
</source>
        <translation>  rse-cli new OUT.dat                       écrit une nouvelle configuration (celle d'origine de la radio)
  rse-cli convert IN OUT [--base BASE.hex]  convertit entre .dat et .hex (selon l'extension);
                                            --base : pose le .dat sur BASE.hex au lieu de
                                            l'image d'une nouvelle configuration
  rse-cli report IN [-o OUT.txt]            le rapport texte de IN (.dat ou .hex), sur la
                                            sortie standard ou dans OUT.txt
</translation>
    </message>
    <message>
        <source>-o OUT is required and must end in .hex or .dat</source>
        <translation>-o OUT est obligatoire et doit se terminer par .hex ou .dat</translation>
    </message>
    <message>
        <source>--base BASE.hex applies only to a .dat input</source>
        <translation>--base BASE.hex ne s'applique qu'à une entrée .dat</translation>
    </message>
    <message>
        <source>not a radio command</source>
        <translation>n'est pas une commande de la radio</translation>
    </message>
    <message>
        <source>Usage: rse-cli COMMAND [ARGUMENTS]
The %1 %2 on the command line.

Commands:
</source>
        <translation>Utilisation : rse-cli COMMANDE [ARGUMENTS]
%2 %1 en ligne de commande.

Commandes :
</translation>
    </message>
    <message>
        <source>  rse-cli --version | --help

Files: .dat is the configuration file, .hex the raw 4096-byte memory image
(the extension decides, in any letter case).
Exit status: 0 success, 1 the operation failed, 2 wrong usage.
</source>
        <translation>  rse-cli --version | --help

Fichiers : .dat est le fichier de configuration, .hex l'image mémoire brute de 4096 octets
(l'extension décide, majuscules ou minuscules).
Code de sortie : 0 réussite, 1 l'opération a échoué, 2 mauvaise utilisation.
</translation>
    </message>
    <message>
        <source>rse-cli: unknown command '%1'</source>
        <translation>rse-cli : commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>--pdf OUT.pdf is required</source>
        <translation>--pdf OUT.pdf est obligatoire</translation>
    </message>
    <message>
        <source>rse-cli print: %1: %2</source>
        <translation>rse-cli print : %1 : %2</translation>
    </message>
    <message>
        <source>  rse-cli print IN --pdf OUT.pdf            the printed report of IN (.dat or .hex)
                                            as a seven-page PDF file
</source>
        <translation>  rse-cli print IN --pdf OUT.pdf            le rapport imprimé de IN (.dat ou .hex)
                                            en fichier PDF de sept pages
</translation>
    </message>
    <message>
        <source>ok: %1</source>
        <translation>ok : %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>problem: %1</source>
        <translation>problème : %1</translation>
    </message>
    <message>
        <source>fix: %1</source>
        <translation>correction : %1</translation>
    </message>
    <message>
        <source>Connect radio %1, then press Enter (q to finish).</source>
        <translation>Branchez la radio %1, puis appuyez sur Entrée (q pour terminer).</translation>
    </message>
    <message>
        <source>Radio %1: %2</source>
        <translation>Radio %1 : %2</translation>
    </message>
    <message>
        <source>, MMSI %1 (%2)</source>
        <translation>, ISMM %1 (%2)</translation>
    </message>
    <message>
        <source>, backup %1</source>
        <translation>, sauvegarde %1</translation>
    </message>
    <message>
        <source>expects one template file</source>
        <translation>attend un seul fichier modèle</translation>
    </message>
    <message>
        <source>the template must be a .dat or .hex file</source>
        <translation>le modèle doit être un fichier .dat ou .hex</translation>
    </message>
    <message>
        <source>--log LOG.csv is required</source>
        <translation>--log LOG.csv est obligatoire</translation>
    </message>
    <message>
        <source>--base BASE.hex applies only to a .dat template</source>
        <translation>--base BASE.hex ne s'applique qu'à un modèle .dat</translation>
    </message>
    <message>
        <source>  warning: %1</source>
        <translation>  avertissement : %1</translation>
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
                                            programme TEMPLATE (.dat ou .hex) dans une
                                            radio après l'autre : chacune est lue et
                                            conservée, le modèle posé sur elle en gardant
                                            son ISMM et son numéro ATIS, programmée et
                                            relue; une ligne par radio dans LOG.csv, une
                                            page par radio dans DIR/radio-N-MMSI.pdf
</translation>
    </message>
    <message>
        <source>rse-cli program: nothing was written; give --keep-identity or --change-identity.</source>
        <translation>rse-cli program : rien n'a été écrit; donnez --keep-identity ou --change-identity.</translation>
    </message>
    <message>
        <source>Keeping the radio's numbers.</source>
        <translation>Les numéros de la radio sont gardés.</translation>
    </message>
    <message>
        <source>Changing the radio's numbers.</source>
        <translation>Les numéros de la radio sont changés.</translation>
    </message>
    <message>
        <source>--keep-identity and --change-identity exclude each other</source>
        <translation>--keep-identity et --change-identity s'excluent l'une l'autre</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Avertissement : %1</translation>
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
                                            lit la radio dans OUT : .hex (l'image
                                            mémoire) ou .dat (la configuration); une copie
                                            est conservée dans les sauvegardes sauf --no-backup
  rse-cli program --port DEV IN [--base BASE.hex] [--backup] [--verify]
                  [--keep-identity | --change-identity]
                                            programme IN dans la radio : .hex tel quel,
                                            .dat posé sur BASE.hex (sinon une image neuve);
                                            --backup : lit et conserve d'abord la radio,
                                            pose un .dat sur ce qu'elle contient et affiche
                                            les changements; --verify : relit et compare.
                                            Si IN changeait l'ISMM ou le numéro ATIS propres
                                            à la radio, rien n'est écrit sans --keep-identity
                                            ou --change-identity pour dire lequel est voulu
  rse-cli clear-count --port DEV            remet à zéro le nombre d'entrées ISMM de la radio
</translation>
    </message>
    <message>
        <source>     --port DEV: a device path or COM1..COM4 (/dev/ttyUSB0..3)
     --no-echo: the cable does not echo what is sent
     --progress: progress lines (one per 10 %) when standard error is not a
                 terminal; a terminal always shows a progress bar
</source>
        <translation>     --port DEV : un chemin de périphérique ou COM1..COM4 (/dev/ttyUSB0..3)
     --no-echo : le câble ne renvoie pas d'écho de ce qui est envoyé
     --progress : lignes de progression (une par tranche de 10 %) quand la sortie d'erreur
                 n'est pas un terminal; un terminal montre toujours une barre de progression
</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrompu.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 is not a serial device: it is a regular file</source>
        <translation>%1 n'est pas un périphérique série : c'est un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not a serial device: it is a folder</source>
        <translation>%1 n'est pas un périphérique série : c'est un dossier</translation>
    </message>
    <message>
        <source>%1 is not a serial device: it is not a character device</source>
        <translation>%1 n'est pas un périphérique série : ce n'est pas un périphérique caractère</translation>
    </message>
    <message>
        <source>no serial port was found on this computer: plug in the cable's USB adapter, then choose its name under /dev/serial/by-id/ (it stays the same when the adapter is plugged in again)</source>
        <translation>aucun port série n'a été trouvé sur cet ordinateur : branchez l'adaptateur USB du câble, puis choisissez son nom sous /dev/serial/by-id/ (il reste le même quand l'adaptateur est rebranché)</translation>
    </message>
    <message>
        <source>choose one of the serial ports found: %1 (names under /dev/serial/by-id/ stay the same when the adapter is plugged in again; rse-cli ports lists the ports)</source>
        <translation>choisissez l'un des ports série trouvés : %1 (les noms sous /dev/serial/by-id/ restent les mêmes quand l'adaptateur est rebranché; rse-cli ports liste les ports)</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n'existe pas</translation>
    </message>
    <message>
        <source>cannot look at %1: %2</source>
        <translation>impossible d'examiner %1 : %2</translation>
    </message>
    <message>
        <source>check the path and that this user may enter its folders</source>
        <translation>vérifiez le chemin et que cet utilisateur peut entrer dans ses dossiers</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 existe</translation>
    </message>
    <message>
        <source> (it leads to %1)</source>
        <translation> (il mène à %1)</translation>
    </message>
    <message>
        <source>give the serial port's device, for example /dev/ttyUSB0 or a name under /dev/serial/by-id/ (rse-cli ports lists the ports)</source>
        <translation>indiquez le périphérique du port série, par exemple /dev/ttyUSB0 ou un nom sous /dev/serial/by-id/ (rse-cli ports liste les ports)</translation>
    </message>
    <message>
        <source>%1 is a character device but not a serial port (not a terminal)</source>
        <translation>%1 est un périphérique caractère mais pas un port série (pas un terminal)</translation>
    </message>
    <message>
        <source>%1 is a character device and a serial port (a terminal)</source>
        <translation>%1 est un périphérique caractère et un port série (un terminal)</translation>
    </message>
    <message>
        <source>%1 is a character device</source>
        <translation>%1 est un périphérique caractère</translation>
    </message>
    <message>
        <source>%1 may open %2 for reading and writing</source>
        <translation>%1 peut ouvrir %2 en lecture et en écriture</translation>
    </message>
    <message>
        <source>%1 is busy: another program has opened it for itself alone</source>
        <translation>%1 est occupé : un autre programme l'a ouvert pour lui seul</translation>
    </message>
    <message>
        <source>close the program that uses the port (the next check names it when it can)</source>
        <translation>fermez le programme qui utilise le port (la vérification suivante le nomme si possible)</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d'ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>unplug the adapter and plug it in again; if that does not help, the system log says more (sudo dmesg)</source>
        <translation>débranchez l'adaptateur et rebranchez-le; si cela ne suffit pas, le journal du système en dit plus (sudo dmesg)</translation>
    </message>
    <message>
        <source>permission denied on %1: it belongs to the user %2 and the group %3 (mode %4)</source>
        <translation>permission refusée sur %1 : il appartient à l'utilisateur %2 et au groupe %3 (mode %4)</translation>
    </message>
    <message>
        <source>; %1 is in the group %2, yet the system refuses</source>
        <translation> ; %1 est dans le groupe %2, mais le système refuse</translation>
    </message>
    <message>
        <source>an access control list or a security module refuses it; look at: getfacl %1</source>
        <translation>une liste de contrôle d'accès ou un module de sécurité le refuse; examinez : getfacl %1</translation>
    </message>
    <message>
        <source>; %1 was added to the group %2 after this login session began: a new login is needed</source>
        <translation> ; %1 a été ajouté au groupe %2 après le début de cette session : il faut rouvrir une session</translation>
    </message>
    <message>
        <source>log out and log in again (or, for one shell at once: newgrp %1)</source>
        <translation>fermez puis rouvrez la session (ou, pour un seul terminal tout de suite : newgrp %1)</translation>
    </message>
    <message>
        <source>; %1 is not in the group %2</source>
        <translation> ; %1 n'est pas dans le groupe %2</translation>
    </message>
    <message>
        <source>sudo usermod -aG %1 %2, then log out and log in again</source>
        <translation>sudo usermod -aG %1 %2, puis fermez et rouvrez la session</translation>
    </message>
    <message>
        <source>; only its owner may use this pseudo-terminal</source>
        <translation> ; seul son propriétaire peut utiliser ce pseudo-terminal</translation>
    </message>
    <message>
        <source>run this program as the pseudo-terminal's owner, the user who made the pseudo-terminal (for example who started the virtual radio)</source>
        <translation>lancez ce programme en tant que propriétaire du pseudo-terminal, l'utilisateur qui l'a créé (par exemple qui a démarré la radio virtuelle)</translation>
    </message>
    <message>
        <source>run this program as %1, the user who made the pseudo-terminal (for example who started the virtual radio)</source>
        <translation>lancez ce programme en tant que %1, l'utilisateur qui a créé le pseudo-terminal (par exemple qui a démarré la radio virtuelle)</translation>
    </message>
    <message>
        <source>; its group may not read and write it</source>
        <translation> ; son groupe ne peut ni le lire ni y écrire</translation>
    </message>
    <message>
        <source>let the system give the device to the group dialout: echo 'KERNEL=="%1", GROUP="dialout", MODE="0660"' | sudo tee /etc/udev/rules.d/70-serial-dialout.rules &amp;&amp; sudo udevadm trigger; then sudo usermod -aG dialout %2 if not a member, and log in again</source>
        <translation>faites donner le périphérique au groupe dialout par le système : echo 'KERNEL=="%1", GROUP="dialout", MODE="0660"' | sudo tee /etc/udev/rules.d/70-serial-dialout.rules &amp;&amp; sudo udevadm trigger; puis sudo usermod -aG dialout %2 si pas encore membre, et rouvrez la session</translation>
    </message>
    <message>
        <source>sudo systemctl stop ModemManager (see the ModemManager line for good)</source>
        <translation>sudo systemctl stop ModemManager (voir la ligne ModemManager pour de bon)</translation>
    </message>
    <message>
        <source>sudo systemctl stop brltty (see the brltty line)</source>
        <translation>sudo systemctl stop brltty (voir la ligne brltty)</translation>
    </message>
    <message>
        <source>close %1, or end it: kill %2</source>
        <translation>fermez %1, ou terminez-le : kill %2</translation>
    </message>
    <message>
        <source>%1 is locked by process %2 (%3): lock file %4</source>
        <translation>%1 est verrouillé par le processus %2 (%3) : fichier de verrou %4</translation>
    </message>
    <message>
        <source>stale lock file %1 of process %2, which no longer runs</source>
        <translation>fichier de verrou périmé %1 du processus %2, qui ne fonctionne plus</translation>
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
        <translation>processus %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is open in process %2 (%3)</source>
        <translation>%1 est ouvert dans le processus %2 (%3)</translation>
    </message>
    <message>
        <source>no other program holds %1</source>
        <translation>aucun autre programme ne retient %1</translation>
    </message>
    <message>
        <source>, as far as this user can see (the open files of 1 process of other users are hidden)</source>
        <translation>, pour autant que cet utilisateur puisse le voir (les fichiers ouverts d'un processus d'un autre utilisateur sont cachés)</translation>
    </message>
    <message>
        <source>, as far as this user can see (the open files of %1 processes of other users are hidden)</source>
        <translation>, pour autant que cet utilisateur puisse le voir (les fichiers ouverts de %1 processus d'autres utilisateurs sont cachés)</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source> is the other end of this pseudo-terminal</source>
        <translation> est l'autre bout de ce pseudo-terminal</translation>
    </message>
    <message>
        <source>brltty (a braille display driver) is installed: it takes CH340, CP210x and FTDI USB serial adapters for braille displays when they are plugged in</source>
        <translation>brltty (un pilote d'afficheur braille) est installé : il prend les adaptateurs série USB CH340, CP210x et FTDI pour des afficheurs braille quand ils sont branchés</translation>
    </message>
    <message>
        <source>sudo apt-get remove brltty (or, to keep it for a braille display: sudo systemctl mask brltty-udev.service), then unplug the adapter and plug it in again</source>
        <translation>sudo apt-get remove brltty (ou, pour le garder pour un afficheur braille : sudo systemctl mask brltty-udev.service), puis débranchez l'adaptateur et rebranchez-le</translation>
    </message>
    <message>
        <source>; the adapter %1 is plugged in but %2 does not exist</source>
        <translation> ; l'adaptateur %1 est branché mais %2 n'existe pas</translation>
    </message>
    <message>
        <source>; the adapter of %1 is one of them: %2</source>
        <translation> ; l'adaptateur de %1 en fait partie : %2</translation>
    </message>
    <message>
        <source>ModemManager is running: it sends modem commands to every new serial device and holds it for a while after it is plugged in</source>
        <translation>ModemManager fonctionne : il envoie des commandes de modem à chaque nouveau périphérique série et le retient un moment après son branchement</translation>
    </message>
    <message>
        <source>sudo systemctl disable --now ModemManager (or, to keep it for a modem, a udev rule with ENV{ID_MM_DEVICE_IGNORE}="1" for the adapter)</source>
        <translation>sudo systemctl disable --now ModemManager (ou, pour le garder pour un modem, une règle udev avec ENV{ID_MM_DEVICE_IGNORE}="1" pour l'adaptateur)</translation>
    </message>
    <message>
        <source>brltty is installed but takes none of the adapters found; ModemManager is not running</source>
        <translation>brltty est installé mais ne prend aucun des adaptateurs trouvés; ModemManager ne fonctionne pas</translation>
    </message>
    <message>
        <source>neither brltty nor ModemManager is there to take USB serial adapters away</source>
        <translation>ni brltty ni ModemManager ne sont là pour s'emparer des adaptateurs série USB</translation>
    </message>
    <message>
        <source>cannot open %1 at 9600 baud 8N1: %2</source>
        <translation>impossible d'ouvrir %1 à 9600 bauds 8N1 : %2</translation>
    </message>
    <message>
        <source>close the program that uses the port, then run the check again</source>
        <translation>fermez le programme qui utilise le port, puis relancez la vérification</translation>
    </message>
    <message>
        <source>the cable on %1 echoes what is sent, but --no-echo (/DE) was given: every transfer would take the echo for the radio's answer and fail</source>
        <translation>le câble sur %1 renvoie en écho ce qui est envoyé, mais --no-echo (/DE) a été donné : chaque transfert prendrait l'écho pour la réponse de la radio et échouerait</translation>
    </message>
    <message>
        <source>leave out --no-echo (start the editor without /DE)</source>
        <translation>retirez --no-echo (démarrez l'éditeur sans /DE)</translation>
    </message>
    <message>
        <source>the cable on %1 echoes what is sent</source>
        <translation>le câble sur %1 renvoie en écho ce qui est envoyé</translation>
    </message>
    <message>
        <source>no echo on %1, as --no-echo (/DE) says</source>
        <translation>aucun écho sur %1, comme le dit --no-echo (/DE)</translation>
    </message>
    <message>
        <source>no echo on %1: the cable did not send back what was sent</source>
        <translation>aucun écho sur %1 : le câble n'a pas renvoyé ce qui a été envoyé</translation>
    </message>
    <message>
        <source>if the cable does not echo, use --no-echo (start the editor with the /DE switch); otherwise check that the programming cable is plugged in</source>
        <translation>si le câble ne fait pas d'écho, utilisez --no-echo (démarrez l'éditeur avec l'option /DE); sinon vérifiez que le câble de programmation est branché</translation>
    </message>
    <message>
        <source>no answer from the radio on %1 to the model check (the model code at addresses 0x0000 and 0x0001)</source>
        <translation>aucune réponse de la radio sur %1 à la vérification du modèle (le code de modèle aux adresses 0x0000 et 0x0001)</translation>
    </message>
    <message>
        <source>switch the radio on and put it into clone mode, check that the cable is plugged into the radio, then run the check again</source>
        <translation>allumez la radio et mettez-la en mode clonage, vérifiez que le câble est branché à la radio, puis relancez la vérification</translation>
    </message>
    <message>
        <source>the radio on %1 reports the model code %2, not %3 (%4): every transfer stops at the model check with "%5"</source>
        <translation>la radio sur %1 indique le code de modèle %2, et non %3 (%4) : chaque transfert s'arrête à la vérification du modèle avec « %5 »</translation>
    </message>
    <message>
        <source>connect a %1: this program edits that model only</source>
        <translation>branchez une %1 : ce programme ne modifie que ce modèle</translation>
    </message>
    <message>
        <source>the radio on %1 answers the model check: model code %2, %3</source>
        <translation>la radio sur %1 répond à la vérification du modèle : code de modèle %2, %3</translation>
    </message>
    <message>
        <source>the line to %1 was lost</source>
        <translation>la liaison avec %1 a été perdue</translation>
    </message>
    <message>
        <source>the line to %1 was lost: %2</source>
        <translation>la liaison avec %1 a été perdue : %2</translation>
    </message>
    <message>
        <source>check the cable and its adapter, then run the check again</source>
        <translation>vérifiez le câble et son adaptateur, puis relancez la vérification</translation>
    </message>
    <message>
        <source>Radio Setup Editor</source>
        <translation>Éditeur de configuration radio</translation>
    </message>
    <message>
        <source>The backup could not be kept in %1: %2</source>
        <translation>La sauvegarde n'a pas pu être conservée dans %1 : %2</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>peut être ouvert</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erreur d'enregistrement du fichier!!</translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation>Gradateur</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bip des touches</translation>
    </message>
    <message>
        <source>ATIS ON</source>
        <translation>ATIS activé</translation>
    </message>
    <message>
        <source>ATIS No.</source>
        <translation>No ATIS</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Type de balayage</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Sonnerie indiv.</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Réponse individuelle</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>Accusé individuel</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Réponse demande POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Balayage ASN</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerte météo</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>ISMM utilisateur</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Faible puissance seulement</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Puissance accrue</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Émission active</translation>
    </message>
    <message>
        <source>Display A</source>
        <translation>Affichage A</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mém. de balayage</translation>
    </message>
    <message>
        <source>VS Memory</source>
        <translation>Mémoire VS</translation>
    </message>
    <message>
        <source>Tag Name</source>
        <translation>Nom d'étiquette</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nom de station</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>ISMM</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritaire</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>15 times</source>
        <translation>15 fois</translation>
    </message>
    <message>
        <source>10 times</source>
        <translation>10 fois</translation>
    </message>
    <message>
        <source>5 times</source>
        <translation>5 fois</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>USA channel %1</source>
        <translation>Canal É.-U. %1</translation>
    </message>
    <message>
        <source>International channel %1</source>
        <translation>Canal International %1</translation>
    </message>
    <message>
        <source>Canada channel %1</source>
        <translation>Canal Canada %1</translation>
    </message>
    <message>
        <source>WX channel %1</source>
        <translation>Canal météo %1</translation>
    </message>
    <message>
        <source>Individual Directory MemoryID%1</source>
        <translation>Répertoire individuel MemoryID%1</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Numéro de canal</translation>
    </message>
    <message>
        <source>Count (MMSI entries)</source>
        <translation>Nombre (entrées ISMM)</translation>
    </message>
    <message>
        <source>Memory image byte 0x%1</source>
        <translation>Octet 0x%1 de l'image mémoire</translation>
    </message>
    <message>
        <source>the name holds a character the radio cannot store (it takes A-Z, 0-9, blank and - + ( ) . * /)</source>
        <translation>le nom contient un caractère que la radio ne peut pas garder (elle accepte A-Z, 0-9, espace et - + ( ) . * /)</translation>
    </message>
    <message>
        <source>the name has %1 characters; the radio holds at most 10</source>
        <translation>le nom a %1 caractères; la radio en garde 10 au plus</translation>
    </message>
    <message>
        <source>the MMSI holds a character that is not a digit</source>
        <translation>l'ISMM contient un caractère qui n'est pas un chiffre</translation>
    </message>
    <message>
        <source>the MMSI has %1 digits; an MMSI has 9 digits</source>
        <translation>l'ISMM a %1 chiffres; une ISMM a 9 chiffres</translation>
    </message>
    <message>
        <source> (a spreadsheet may have dropped its leading zeros: format the column as text)</source>
        <translation> (un tableur a peut-être retiré les zéros de tête : mettez la colonne au format texte)</translation>
    </message>
    <message>
        <source>no header line with the columns Name and MMSI</source>
        <translation>aucune ligne d'en-tête avec les colonnes Name et MMSI</translation>
    </message>
    <message>
        <source>the header line does not name both columns Name and MMSI</source>
        <translation>la ligne d'en-tête ne nomme pas les deux colonnes Name et MMSI</translation>
    </message>
    <message>
        <source>more than 20 rows: the directory holds 20 stations</source>
        <translation>plus de 20 lignes : le répertoire contient 20 stations</translation>
    </message>
    <message>
        <source>MMSI %1 is already used on line %2</source>
        <translation>ISMM %1 déjà utilisée à la ligne %2</translation>
    </message>
    <message>
        <source>no MMSI: the radio's directory ends before an entry without one</source>
        <translation>aucune ISMM : le répertoire de la radio s'arrête avant une entrée qui n'en a pas</translation>
    </message>
    <message>
        <source>Cannot open the serial port %1: %2</source>
        <translation>Impossible d'ouvrir le port série %1 : %2</translation>
    </message>
    <message>
        <source>
The user must be a member of the group that owns the device, usually dialout (then log in again).</source>
        <translation>
L'utilisateur doit être membre du groupe propriétaire du périphérique, habituellement dialout (puis rouvrir la session).</translation>
    </message>
    <message>
        <source>The connection to the radio on %1 was lost.</source>
        <translation>La connexion avec la radio sur %1 a été perdue.</translation>
    </message>
    <message>
        <source>The connection to the radio on %1 was lost: %2.</source>
        <translation>La connexion avec la radio sur %1 a été perdue : %2.</translation>
    </message>
    <message>
        <source>No valid answer from the radio for address %1 after 1 attempt.</source>
        <translation>Aucune réponse valide de la radio pour l'adresse %1 après 1 tentative.</translation>
    </message>
    <message>
        <source>No valid answer from the radio for address %1 after %2 attempts.</source>
        <translation>Aucune réponse valide de la radio pour l'adresse %1 après %2 tentatives.</translation>
    </message>
    <message>
        <source>The radio reports the model code %1, this program edits %2.</source>
        <translation>La radio indique le code de modèle %1; ce programme modifie %2.</translation>
    </message>
    <message>
        <source> The radio holds the blocks written before it.</source>
        <translation> La radio garde les blocs écrits avant celui-ci.</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Terminé!!</translation>
    </message>
    <message>
        <source>CommunicatiOn Error!!</source>
        <translation>Erreur de communication!!</translation>
    </message>
    <message>
        <source>ModelName Error !!</source>
        <translation>Erreur de modèle!!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer les données</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Vérification du modèle</translation>
    </message>
    <message>
        <source>The radio does not hold what was sent: 1 byte differs, the first at address %1.</source>
        <translation>La radio ne contient pas ce qui a été envoyé : 1 octet diffère, le premier à l'adresse %1.</translation>
    </message>
    <message>
        <source>The radio does not hold what was sent: %1 bytes differ, the first at address %2.</source>
        <translation>La radio ne contient pas ce qui a été envoyé : %1 octets diffèrent, le premier à l'adresse %2.</translation>
    </message>
    <message>
        <source>Verify Error!!</source>
        <translation>Erreur de vérification!!</translation>
    </message>
    <message>
        <source>Ship</source>
        <translation>Navire</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Station côtière</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Aéronef SAR</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Portatif</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Embarcation d'un navire mère</translation>
    </message>
    <message>
        <source>Aid to navigation</source>
        <translation>Aide à la navigation</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>SART-AIS</translation>
    </message>
    <message>
        <source>MOB device</source>
        <translation>Dispositif homme à la mer</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>RLS-AIS</translation>
    </message>
    <message>
        <source>No assigned MMSI form</source>
        <translation>Aucune forme d'ISMM attribuée</translation>
    </message>
    <message>
        <source>, MID %1</source>
        <translation>, MID %1</translation>
    </message>
    <message>
        <source>cannot be called by DSC</source>
        <translation>ne peut pas être appelé en ASN</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>(and %1 more)</source>
        <translation>(et %1 de plus)</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>É.-U.</translation>
    </message>
    <message>
        <source>International</source>
        <translation>International</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Erreur de lecture du fichier!!</translation>
    </message>
    <message>
        <source>no MMSI: enter it at the radio</source>
        <translation>aucune ISMM : entrez-la sur la radio</translation>
    </message>
    <message>
        <source>%1 is also radio %2 of this log</source>
        <translation>%1 est aussi la radio %2 de ce journal</translation>
    </message>
    <message>
        <source>This radio's own MMSI is %1. The configuration would change it to %2.</source>
        <translation>L'ISMM propre à cette radio est %1. La configuration la changerait en %2.</translation>
    </message>
    <message>
        <source>This radio's own MMSI is %1. The configuration would erase it.</source>
        <translation>L'ISMM propre à cette radio est %1. La configuration l'effacerait.</translation>
    </message>
    <message>
        <source>This radio's own ATIS number is %1. The configuration would change it to %2.</source>
        <translation>Le numéro ATIS propre à cette radio est %1. La configuration le changerait en %2.</translation>
    </message>
    <message>
        <source>This radio's own ATIS number is %1. The configuration would erase it.</source>
        <translation>Le numéro ATIS propre à cette radio est %1. La configuration l'effacerait.</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>programmed</source>
        <translation>programmée</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>en échec</translation>
    </message>
    <message>
        <source>1 verified</source>
        <translation>1 vérifiée</translation>
    </message>
    <message>
        <source>%1 verified</source>
        <translation>%1 vérifiées</translation>
    </message>
    <message>
        <source>1 programmed</source>
        <translation>1 programmée</translation>
    </message>
    <message>
        <source>%1 programmed</source>
        <translation>%1 programmées</translation>
    </message>
    <message>
        <source>1 cancelled</source>
        <translation>1 annulée</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1 annulées</translation>
    </message>
    <message>
        <source>1 failed</source>
        <translation>1 en échec</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 en échec</translation>
    </message>
    <message>
        <source>: </source>
        <translation> : </translation>
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
        <translation>Ceci est une ISMM de groupe; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This is a coast station MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Ceci est une ISMM de station côtière; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This is a SAR aircraft MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Ceci est une ISMM d'aéronef SAR; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This is a handheld MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Ceci est une ISMM de portatif; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This is the MMSI of a parent ship's craft; a radio's own MMSI is a ship station's</source>
        <translation>Ceci est l'ISMM d'une embarcation d'un navire mère; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This is an aid to navigation MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Ceci est une ISMM d'aide à la navigation; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This is an AIS-SART MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Ceci est une ISMM de SART-AIS; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This is a MOB device MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Ceci est une ISMM de dispositif homme à la mer; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This is an EPIRB-AIS MMSI; a radio's own MMSI is a ship station's</source>
        <translation>Ceci est une ISMM de RLS-AIS; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>This MMSI has no assigned form; a radio's own MMSI is a ship station's</source>
        <translation>Cette ISMM n'a aucune forme attribuée; l'ISMM propre à une radio est celle d'une station de navire</translation>
    </message>
    <message>
        <source>An ATIS number has ten digits and starts with 9</source>
        <translation>Un numéro ATIS a dix chiffres et commence par 9</translation>
    </message>
    <message>
        <source>ATIS No. suggested: 9%1 (9 followed by the user MMSI)</source>
        <translation>No ATIS suggéré : 9%1 (9 suivi de l'ISMM utilisateur)</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n'a été écrit.</translation>
    </message>
    <message>
        <source>The window closed before the radio's memory was kept.</source>
        <translation>La fenêtre s'est fermée avant que la mémoire de la radio soit conservée.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer?</translation>
    </message>
</context>
<context>
    <name>rse::BackupsWindow</name>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Conservées dans %1</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>read from %1</source>
        <translation>lue sur %1</translation>
    </message>
    <message>
        <source>(damaged) </source>
        <translation>(endommagée) </translation>
    </message>
    <message>
        <source>Memory image</source>
        <translation>Image mémoire</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Delete the backup %1?</source>
        <translation>Supprimer la sauvegarde %1?</translation>
    </message>
    <message>
        <source>The backup %1 could not be deleted: %2</source>
        <translation>La sauvegarde %1 n'a pas pu être supprimée : %2</translation>
    </message>
</context>
<context>
    <name>rse::ChannelListPanel</name>
    <message>
        <source>USA Channel List</source>
        <translation>Liste des canaux É.-U.</translation>
    </message>
    <message>
        <source>International Channel List</source>
        <translation>Liste des canaux International</translation>
    </message>
    <message>
        <source>Canada Channel List</source>
        <translation>Liste des canaux Canada</translation>
    </message>
    <message>
        <source>Exp Channel List</source>
        <translation>Liste des canaux Exp</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Double-clic],[Entrée]:Aller à l'écran de réglage.</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Activer</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Désactiver</translation>
    </message>
    <message>
        <source>&amp;Scan On</source>
        <translation>&amp;Balayage activé</translation>
    </message>
    <message>
        <source>Scan O&amp;ff</source>
        <translation>Balayage &amp;désactivé</translation>
    </message>
    <message>
        <source>%1 channels selected</source>
        <translation>%1 canaux sélectionnés</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Scan On</source>
        <translation>Balayage activé</translation>
    </message>
    <message>
        <source>Scan Off</source>
        <translation>Balayage désactivé</translation>
    </message>
    <message>
        <source>%1: %2 changed</source>
        <translation>%1 : changement sur %2</translation>
    </message>
    <message>
        <source>, %1 already so</source>
        <translation>, %1 déjà ainsi</translation>
    </message>
    <message>
        <source>, %1 left alone (Scan Memory needs an enabled channel and is never set on channel 70)</source>
        <translation>, %1 laissés tels quels (la mémoire de balayage demande un canal actif et ne se met jamais sur le canal 70)</translation>
    </message>
</context>
<context>
    <name>rse::ChannelPanel</name>
    <message>
        <source>Channel Number</source>
        <translation>Numéro de canal</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mém. de balayage</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Puissance accrue</translation>
    </message>
    <message>
        <source>Only Low Power</source>
        <translation>Faible puissance seulement</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Émission active</translation>
    </message>
    <message>
        <source>Tag Name</source>
        <translation>Nom d'étiquette</translation>
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
        <translation>[Espace]:Active ou désactive.</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Haut/Bas]:1 pas, [Page préc./Page suiv.]:10 pas, [Début/Fin]:Début/Fin</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>12 caractères au plus</translation>
    </message>
</context>
<context>
    <name>rse::CompareWindow</name>
    <message>
        <source>Compare With - %1</source>
        <translation>Comparer avec - %1</translation>
    </message>
    <message>
        <source>The configuration in the editor and %1 are the same.</source>
        <translation>La configuration de l'éditeur et %1 sont identiques.</translation>
    </message>
    <message>
        <source>%1 %2 between the configuration in the editor and %3. Select a row to show it in the editor.</source>
        <translation>%1 %2 entre la configuration de l'éditeur et %3. Sélectionnez une ligne pour l'afficher dans l'éditeur.</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>différence</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>différences</translation>
    </message>
    <message>
        <source>In the editor</source>
        <translation>Dans l'éditeur</translation>
    </message>
</context>
<context>
    <name>rse::ConnectionCheckDialog</name>
    <message>
        <source>Check Connection</source>
        <translation>Vérifier la connexion</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>&amp;Vérifier de nouveau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>No problem found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
    <message>
        <source>1 problem found.</source>
        <translation>1 problème trouvé.</translation>
    </message>
    <message>
        <source>%1 problems found.</source>
        <translation>%1 problèmes trouvés.</translation>
    </message>
    <message>
        <source> Select a fix to copy it.</source>
        <translation> Sélectionnez une correction pour la copier.</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;&lt;/td&gt;&lt;td&gt;&lt;i&gt;Fix:&lt;/i&gt; &lt;span style="font-family: monospace; background-color: #eef2f7"&gt;%1&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;&lt;/td&gt;&lt;td&gt;&lt;i&gt;Correction :&lt;/i&gt; &lt;span style="font-family: monospace; background-color: #eef2f7"&gt;%1&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>rse::DifferenceTable</name>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
</context>
<context>
    <name>rse::DigitEntry</name>
    <message>
        <source>Data Error!!</source>
        <translation>Erreur de données!!</translation>
    </message>
</context>
<context>
    <name>rse::DirectoryEntryPanel</name>
    <message>
        <source>Individual Directory Entry</source>
        <translation>Entrée du répertoire individuel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Indivisual Directory MMSI</source>
        <translation>ISMM du répertoire individuel</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nom de station</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>ISMM</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Chiffres seulement. 9 chiffres obligatoires.</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous certain?</translation>
    </message>
    <message>
        <source>A maximum of 10 characters.</source>
        <translation>10 caractères au plus.</translation>
    </message>
</context>
<context>
    <name>rse::DirectoryListPanel</name>
    <message>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NOM DE STATION</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>ISMM</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>%1 stations selected</source>
        <translation>%1 stations sélectionnées</translation>
    </message>
    <message>
        <source>The directory was not changed: the pasted rows cannot be taken.

</source>
        <translation>Le répertoire n'a pas été modifié : les lignes collées ne peuvent pas être reprises.

</translation>
    </message>
    <message>
        <source>Paste (1 station)</source>
        <translation>Coller (1 station)</translation>
    </message>
    <message>
        <source>Paste (%1 stations)</source>
        <translation>Coller (%1 stations)</translation>
    </message>
    <message>
        <source>The directory holds the %1 pasted stations from slot %2.

Warnings:
%3</source>
        <translation>Le répertoire contient les %1 stations collées à partir de l'entrée %2.

Avertissements :
%3</translation>
    </message>
</context>
<context>
    <name>rse::EditCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
</context>
<context>
    <name>rse::EditorStatusBar</name>
    <message>
        <source>Warning: </source>
        <translation>Avertissement : </translation>
    </message>
</context>
<context>
    <name>rse::ExchangeCommands</name>
    <message>
        <source>&amp;Import Directory...</source>
        <translation>&amp;Importer le répertoire...</translation>
    </message>
    <message>
        <source>&amp;Export Directory...</source>
        <translation>E&amp;xporter le répertoire...</translation>
    </message>
    <message>
        <source>Export &amp;Channels...</source>
        <translation>Exporter les &amp;canaux...</translation>
    </message>
    <message>
        <source>Import Directory</source>
        <translation>Importer le répertoire</translation>
    </message>
    <message>
        <source>The directory was not changed: %1 has rows that cannot be taken.

%2</source>
        <translation>Le répertoire n'a pas été modifié : %1 a des lignes qui ne peuvent pas être reprises.

%2</translation>
    </message>
    <message>
        <source>The directory holds the %1 stations of %2.

Warnings:
%3</source>
        <translation>Le répertoire contient les %1 stations de %2.

Avertissements :
%3</translation>
    </message>
    <message>
        <source>Export Directory</source>
        <translation>Exporter le répertoire</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exporter les canaux</translation>
    </message>
    <message>
        <source>CSV files(*.csv);;All files(*.*)</source>
        <translation>Fichiers CSV(*.csv);;Tous les fichiers(*.*)</translation>
    </message>
</context>
<context>
    <name>rse::FileCommands</name>
    <message>
        <source>dat files(*.dat);;All files(*.*)</source>
        <translation>Fichiers dat(*.dat);;Tous les fichiers(*.*)</translation>
    </message>
    <message>
        <source>hex files(*.hex);;All files(*.*)</source>
        <translation>Fichiers hex(*.hex);;Tous les fichiers(*.*)</translation>
    </message>
</context>
<context>
    <name>rse::FleetRun</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n'a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>rse::FleetWindow</name>
    <message>
        <source>time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>user_mmsi</source>
        <translation>ISMM utilisateur</translation>
    </message>
    <message>
        <source>mmsi_kind</source>
        <translation>Type d'ISMM</translation>
    </message>
    <message>
        <source>atis_no</source>
        <translation>No ATIS</translation>
    </message>
    <message>
        <source>result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>sha256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>Fichier &amp;journal :</translation>
    </message>
    <message>
        <source>&amp;Verify each radio (read it back)</source>
        <translation>&amp;Vérifier chaque radio (la relire)</translation>
    </message>
    <message>
        <source>Radios done</source>
        <translation>Radios terminées</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Next Radio</source>
        <translation>Radio &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programmer plusieurs radios</translation>
    </message>
    <message>
        <source>FileSave Error!!

%1: %2</source>
        <translation>Erreur d'enregistrement du fichier!!

%1 : %2</translation>
    </message>
    <message>
        <source>Programming radio %1...</source>
        <translation>Programmation de la radio %1...</translation>
    </message>
    <message>
        <source>Connect radio %1, then press Next Radio.</source>
        <translation>Branchez la radio %1, puis appuyez sur Radio suivante.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Fleet Log File</source>
        <translation>Fichier journal de la flotte</translation>
    </message>
    <message>
        <source>Fleet logs (*.csv)</source>
        <translation>Journaux de flotte (*.csv)</translation>
    </message>
</context>
<context>
    <name>rse::FrmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Prepares, reads and programs the configuration of the QM24 VH3400M marine VHF DSC radio.</source>
        <translation>Prépare, lit et programme la configuration de la radio maritime VHF ASN QM24 VH3400M.</translation>
    </message>
    <message>
        <source>Check the settings on the radio itself before you rely on them at sea.</source>
        <translation>Vérifiez les réglages sur la radio elle-même avant de vous y fier en mer.</translation>
    </message>
    <message>
        <source>Version Infomation</source>
        <translation>Renseignements sur la version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>rse::FrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
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
        <source>Save As &amp;Default</source>
        <translation>Enregistrer par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imp&amp;rimer dans un fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transfert</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmer la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lire la radio</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>Port &amp;série</translation>
    </message>
    <message>
        <source>&amp;Device Paths...</source>
        <translation>&amp;Chemins des périphériques...</translation>
    </message>
    <message>
        <source>&amp;Check Connection...</source>
        <translation>&amp;Vérifier la connexion...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About RSE Version</source>
        <translation>À &amp;propos de RSE</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Enregistrer par défaut</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>"%1" could not be shown.

%2</source>
        <translation>Impossible d'afficher « %1 ».

%2</translation>
    </message>
</context>
<context>
    <name>rse::FrmPrn</name>
    <message>
        <source>Print to File</source>
        <translation>Imprimer dans un fichier</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Préparation du texte en cours. Veuillez patienter...</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Fichiers texte(*.txt);;Tous les fichiers(*.*)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
</context>
<context>
    <name>rse::FrmRadio</name>
    <message>
        <source>1.Connect the RSE Cable.</source>
        <translation>1.Branchez le câble RSE.</translation>
    </message>
    <message>
        <source>2.Communication starts when you select [OK].</source>
        <translation>2.La communication commence quand vous choisissez [OK].</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>

Check the connection now?</source>
        <translation>

Vérifier la connexion maintenant?</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>rse::HelpBrowser</name>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Impossible d'afficher le sommaire de l'aide. Aucune aide n'est associée à ce projet.</translation>
    </message>
    <message>
        <source>Radio Setup Editor Help</source>
        <translation>Aide de l'Éditeur de configuration radio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The help file "%1" was not found.</source>
        <translation>Le fichier d'aide « %1 » est introuvable.</translation>
    </message>
</context>
<context>
    <name>rse::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>The editor shows the chosen language when it starts again.</source>
        <translation>L'éditeur affichera la langue choisie à son prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>rse::NavigationTree</name>
    <message>
        <source>Programmable Channel</source>
        <translation>Canaux programmables</translation>
    </message>
    <message>
        <source>WX Channel</source>
        <translation>Canaux météo</translation>
    </message>
    <message>
        <source>Exp Channel</source>
        <translation>Canaux Exp</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas]/[Gauche]/[Droite]:Changer d'élément.</translation>
    </message>
</context>
<context>
    <name>rse::PriorityPanel</name>
    <message>
        <source>Priority Channel</source>
        <translation>Canal prioritaire</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Haut/Bas]:1 pas, [Page préc./Page suiv.]:10 pas, [Début/Fin]:Début/Fin</translation>
    </message>
</context>
<context>
    <name>rse::ProgramChangesDialog</name>
    <message>
        <source>Program these %1 changes?</source>
        <translation>Programmer ces %1 changements?</translation>
    </message>
    <message>
        <source>The radio was read and kept in the backups. Programming changes:</source>
        <translation>La radio a été lue et conservée dans les sauvegardes. La programmation change :</translation>
    </message>
    <message>
        <source>The radio's own numbers</source>
        <translation>Numéros propres à la radio</translation>
    </message>
    <message>
        <source>Keep the Radio's</source>
        <translation>Garder ceux de la radio</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Les changer</translation>
    </message>
    <message>
        <source>In the radio now</source>
        <translation>Dans la radio maintenant</translation>
    </message>
    <message>
        <source>After programming</source>
        <translation>Après la programmation</translation>
    </message>
    <message>
        <source>Program these 1 changes?</source>
        <translation>Programmer ce changement?</translation>
    </message>
</context>
<context>
    <name>rse::ReportPainter</name>
    <message>
        <source>The printer could not start the job.</source>
        <translation>L'imprimante n'a pas pu commencer la tâche.</translation>
    </message>
    <message>
        <source>The printer could not start page %1.</source>
        <translation>L'imprimante n'a pas pu commencer la page %1.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>L'imprimante n'a pas pu terminer la tâche.</translation>
    </message>
</context>
<context>
    <name>rse::SafetyCommands</name>
    <message>
        <source>Configuration files(*.dat *.hex);;dat files(*.dat);;hex files(*.hex);;All files(*.*)</source>
        <translation>Fichiers de configuration(*.dat *.hex);;Fichiers dat(*.dat);;Fichiers hex(*.hex);;Tous les fichiers(*.*)</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>Sau&amp;vegardes...</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Co&amp;mparer avec...</translation>
    </message>
    <message>
        <source>&amp;Keep Backups</source>
        <translation>&amp;Conserver des sauvegardes</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Programming</source>
        <translation>Sauvegarder &amp;avant de programmer</translation>
    </message>
    <message>
        <source>&amp;Verify After Programming</source>
        <translation>&amp;Vérifier après la programmation</translation>
    </message>
    <message>
        <source>backup %1</source>
        <translation>sauvegarde %1</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>FileRead Error!!

%1: %2</source>
        <translation>Erreur de lecture du fichier!!

%1 : %2</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programmer plusieurs &amp;radios...</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Keep the Radio's</source>
        <translation>Garder ceux de la radio</translation>
    </message>
    <message>
        <source>Change It</source>
        <translation>Les changer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>rse::SerialDevicesDialog</name>
    <message>
        <source>Serial Port Devices</source>
        <translation>Périphériques des ports série</translation>
    </message>
    <message>
        <source>Device used for each entry of the Serial Port menu.
Choose a listed device or type a path, for example a name under
/dev/serial/by-id/ or the path of a virtual radio.</source>
        <translation>Périphérique utilisé pour chaque entrée du menu Port série.
Choisissez un périphérique de la liste ou tapez un chemin, par exemple
un nom sous /dev/serial/by-id/ ou le chemin d'une radio virtuelle.</translation>
    </message>
    <message>
        <source>Set by RSE_COM%1 for this session</source>
        <translation>Fixé par RSE_COM%1 pour cette session</translation>
    </message>
</context>
<context>
    <name>rse::SettingsPanel</name>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Bip des touches</translation>
    </message>
    <message>
        <source>ATIS ON</source>
        <translation>ATIS activé</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>No ATIS</translation>
    </message>
    <message>
        <source>Individual Reply</source>
        <translation>Réponse individuelle</translation>
    </message>
    <message>
        <source>Individual ACK</source>
        <translation>Accusé individuel</translation>
    </message>
    <message>
        <source>POS Request Reply</source>
        <translation>Réponse demande POS</translation>
    </message>
    <message>
        <source>DSC Scan</source>
        <translation>Balayage ASN</translation>
    </message>
    <message>
        <source>WX Alert</source>
        <translation>Alerte météo</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>ISMM utilisateur</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Chiffres seulement. 10 chiffres obligatoires.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 9 figures.</source>
        <translation>Chiffres seulement. 9 chiffres obligatoires.</translation>
    </message>
    <message>
        <source>A Click Inicializes the number of User MMSI setting permission</source>
        <translation>Un clic remet à zéro le nombre de saisies permises de l'ISMM de l'utilisateur</translation>
    </message>
    <message>
        <source>ATIS No.</source>
        <translation>No ATIS</translation>
    </message>
    <message>
        <source>Contrast Level</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Dimmer Status</source>
        <translation>Gradateur</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Type de balayage</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Individual Ringer</source>
        <translation>Sonnerie indiv.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioritaire</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>15 times</source>
        <translation>15 fois</translation>
    </message>
    <message>
        <source>10 times</source>
        <translation>10 fois</translation>
    </message>
    <message>
        <source>5 times</source>
        <translation>5 fois</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espace]:Active ou désactive.</translation>
    </message>
    <message>
        <source>[Up/Down]:1 step, [Page Up/Page Down]:10 steps, [Home/End]:Head/End</source>
        <translation>[Haut/Bas]:1 pas, [Page préc./Page suiv.]:10 pas, [Début/Fin]:Début/Fin</translation>
    </message>
    <message>
        <source>(Auto)</source>
        <translation>(Auto)</translation>
    </message>
    <message>
        <source>(Able to Comple)</source>
        <translation>(Peut se conformer)</translation>
    </message>
</context>
<context>
    <name>rse::TableCopy</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>rse::WxPanel</name>
    <message>
        <source>WX Channel</source>
        <translation>Canaux météo</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Tag Name</source>
        <translation>Nom d'étiquette</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Cochez[x]Actif/[]Inactif.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>12 caractères au plus</translation>
    </message>
</context>
</TS>
