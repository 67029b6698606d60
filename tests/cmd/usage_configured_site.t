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
   /atlasz      - a fordulok terkepei egy atlaszba (atlasz.txt) osszefesulve
                  (fordulo.htm-ek vagy mintak, nelkuluk a konyvtar osszes forduloja)
      /kar=yyyy - csak ennek a karakternek a fordului

      letolteshez kotelezo parameterek:

      /user=wwwww - pelda.example felhasznalo
      /pass=xxxxx - pelda.example jelszo
      /kar=yyyy   - karakterszam
      /ford=zzz   - forduloszam (lehet "utolso" is)
      /letolt     - csak letoltes, nincs formazas

Indulas ideje: TIME
Befejezes ideje: TIME
