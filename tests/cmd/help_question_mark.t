# "/?", as Windows programs take it, prints the usage alone like --help.
--- args
/?
--- stdout
Hasznalat:

qvformat.exe [parameterek] [fordulo.htm]

Lehetseges parameterek:

   /k           - a konyvtarban levo osszes fordulo atalakitasa RTF formatumba
   /t           - a targylista atalakitasa (fordulo.htm vagy /k)
   /ini=filenev - melyik ini file legyen a config
   /o           - fordulo letoltes a zordonvidek.example szerverrol

      letolteshez kotelezo parameterek:

      /user=wwwww - zordonvidek.example felhasznalo
      /pass=xxxxx - zordonvidek.example jelszo
      /kar=yyyy   - karakterszam
      /ford=zzz   - forduloszam (lehet "utolso" is)
      /letolt     - csak letoltes, nincs formazas

--- exit 0
