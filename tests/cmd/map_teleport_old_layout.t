# A teleport map in a report of the older layout: the title and note, the
# picture's size and progress on the console, the metafile's header and
# records, its white bottom and top rows (bottom row first), the end record,
# and the legend. The run leaves no temporary metafile behind.
--- args
t_1.htm
--- file t_1.htm from old_layout_header old_layout_teleport
<P><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B>
<CENTER> <APPLET CODE="Terkep.class" WIDTH=671 HEIGHT=467> <PARAM NAME=koord VALUE="3,2,10,8;"> <PARAM NAME=p1 VALUE="0,0,5,0,1;"> </APPLET> </CENTER>
(10,8) Falu<BR>
<P>
KARAKTERLAP
</HTML>
--- stdout
Indulas ideje: TIME

RTF Fejlec keszites
Parancs: TELEPORT             El.
   Teleportalasrol terkep keszites...
      A Terkep merete: 671x467 pixel
         Terkep Konvertalas -> RTF ..........
Karakterlap...
RTF file keszitese sikeresen befejezodott!

Indulas ideje: TIME
Befejezes ideje: TIME
--- outhas tr1.rtf noeol
\qj Köd.
\par\par
{\f5\fs36\qc\keep\keepn A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED{\f5\fs20\par\par}}
{\f11\fs20    }{\f4\fs20\ql\keep\keepn\b A sátorral jelölt mező a teleportálás pozícióját mutatja.\par\par}
{\pict\wmetafile8\picw5368\pich3736 010009000003F24C00000000C44C00000000050000000B0200000000050000000C02D3019F02050000000B0200000000050000000C02D3019F0205000000090200000000050000000102FFFFFF000400000007010300C44C0000430F2000CC000000D3019F0200000000D3019F0200000000280000009F020000D301000001000100000000003C9900000000000000000000020000000000000000000000FFFFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFE
--- outhas tr1.rtf
FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFE030000000000}
\par\par
\trowd
\trowd
\cellx800
\cellx10200
\ql\keep\keepn\widctlpar\intbl
(10,8) 
\cell
\ql\keep\keepn\widctlpar\intbl\qj
Falu 
\cell
\row
\pard\par
--- nofile qvformat0001.wmf
