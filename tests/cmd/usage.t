# Without parameters the tool prints its usage, then the start and end lines.
--- stdout
Hasznalat:

qvformat.exe [parameterek] [fordulo.htm]

Lehetseges parameterek:

   /k           - a konyvtarban levo osszes fordulo atalakitasa RTF formatumba
   /t           - a targylista atalakitasa (fordulo.htm vagy /k)
   /ini=filenev - melyik ini file legyen a config
   /o           - fordulo letoltes a zordonvidek.example szerverrol
   /atlasz      - a fordulok terkepei egy atlaszba (atlasz.txt) osszefesulve
                  (fordulo.htm-ek vagy mintak, nelkuluk a konyvtar osszes forduloja)
      /kar=yyyy - csak ennek a karakternek a fordului

      letolteshez kotelezo parameterek:

      /user=wwwww - zordonvidek.example felhasznalo
      /pass=xxxxx - zordonvidek.example jelszo
      /kar=yyyy   - karakterszam
      /ford=zzz   - forduloszam (lehet "utolso" is)
      /letolt     - csak letoltes, nincs formazas

Indulas ideje: TIME
Befejezes ideje: TIME
--- exit 0
