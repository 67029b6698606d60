# The usage text names the site domain configured beside the executable.
--- exefile qvformat.ini
[LETOLTES]
Szerver = pelda.example
--- stdout
Hasznalat:

qvformat.exe [parameterek] [fordulo.htm]

Lehetseges parameterek:

   /k           - a konyvtarban levo osszes fordulo atalakitasa RTF formatumba
   /t           - a targylista atalakitasa (fordulo.htm vagy /k)
   /ini=filenev - melyik ini file legyen a config
   /o           - fordulo letoltes a pelda.example szerverrol

      letolteshez kotelezo parameterek:

      /user=wwwww - pelda.example felhasznalo
      /pass=xxxxx - pelda.example jelszo
      /kar=yyyy   - karakterszam
      /ford=zzz   - forduloszam (lehet "utolso" is)
      /letolt     - csak letoltes, nincs formazas

Indulas ideje: TIME
Befejezes ideje: TIME
