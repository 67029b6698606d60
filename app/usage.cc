#include "app/usage.h"

namespace qv {

std::vector<std::string> UsageLines(const std::string& siteDomain) {
  return {
      "Hasznalat:",
      "",
      "qvformat.exe [parameterek] [fordulo.htm]",
      "",
      "Lehetseges parameterek:",
      "",
      "   /k           - a konyvtarban levo osszes fordulo atalakitasa RTF formatumba",
      "   /t           - a targylista atalakitasa (fordulo.htm vagy /k)",
      "   /ini=filenev - melyik ini file legyen a config",
      "   /o           - fordulo letoltes a " + siteDomain + " szerverrol",
      "   /atlasz      - a fordulok terkepei egy atlaszba (atlasz.txt) osszefesulve",
      "                  (fordulo.htm-ek vagy mintak, nelkuluk a konyvtar osszes forduloja)",
      "      /kar=yyyy - csak ennek a karakternek a fordului",
      "",
      "      letolteshez kotelezo parameterek:",
      "",
      "      /user=wwwww - " + siteDomain + " felhasznalo",
      "      /pass=xxxxx - " + siteDomain + " jelszo",
      "      /kar=yyyy   - karakterszam",
      "      /ford=zzz   - forduloszam (lehet \"utolso\" is)",
      "      /letolt     - csak letoltes, nincs formazas",
      "",
  };
}

}  // namespace qv
