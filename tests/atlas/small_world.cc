#include "tests/atlas/small_world.h"

#include "text/cp1250.h"

namespace qv::test {
namespace {

void Add(std::string& out, std::string_view line) { (out += line) += "\r\n"; }

// The older layout keeps the applet on one line and ends the legend with
// "<P>"; the newer one puts a parameter on a line and ends it with
// "<! end of map>".
void AddMap(std::string& out, Layout layout, const MapSpec& map) {
  if (layout == Layout::kOlder) {
    std::string applet =
        R"(<CENTER> <APPLET CODE="Terkep.class"> <PARAM NAME=koord VALUE=")" + map.frame + ";\">";
    int n = 0;
    for (const std::string& cell : map.cells)
      applet += " <PARAM NAME=p" + std::to_string(++n) + " VALUE=\"" + cell + ";\">";
    Add(out, applet + " </APPLET></CENTER>");
    for (const std::string& line : map.legend) Add(out, line + "<BR>");
    Add(out, "<P>");
    return;
  }
  Add(out, "<center><table><tr><td>");
  Add(out, R"(<applet code="Terkep.class">)");
  Add(out, "<param name=koord value=\"" + map.frame + ";\">");
  int n = 0;
  for (const std::string& cell : map.cells)
    Add(out, "<param name=p" + std::to_string(++n) + " value=\"" + cell + ";\">");
  Add(out, "</applet>");
  Add(out, "</td></tr></table></center>");
  for (const std::string& line : map.legend) Add(out, line + "<br>");
  Add(out, "<! end of map>");
}

}  // namespace

std::string SmallReport(const ReportSpec& spec) {
  const bool older = spec.layout == Layout::kOlder;
  std::string out;
  Add(out, "<HTML>");
  if (older) {
    Add(out, "<TITLE>Zordon Vidék - Árny</TITLE>"_cp);
    Add(out, "<TABLE WIDTH=100% BORDER=0><TR>");
    Add(out, "<TD VALIGN=TOP WIDTH=60%>");
  } else {
    Add(out, "<TITLE>");
    Add(out, "Zordon Vidék - Árny"_cp);
    Add(out, "</TITLE>");
    Add(out, R"(<TABLE WIDTH=750 CLASS="t0"><TR><TD CLASS="t1" VALIGN=TOP>)");
  }
  Add(out, "<B>Betáplálva:</B> ma<BR>"_cp);
  Add(out, std::string("2. JÁTÉKHETED, "_cp) + spec.turn + std::string(". FORDULÓD<BR>"_cp));
  const std::string adventurer = std::string("KALANDOZÓ: Árny ("_cp) + spec.character + ")<BR>";
  if (older) {
    Add(out, "</TD>");
    Add(out, "<TD VALIGN=TOP>" + adventurer);
    Add(out, "SZÁMLA : 10 Ft</TD>"_cp);
    Add(out, "</TR></TABLE>");
    Add(out, "<CENTER><H1>ÁRNY KALANDJAI</H1></CENTER>"_cp);
    Add(out, "<P>Reggel van.");
    Add(out, "<TABLE CLASS=par><TR><TD WIDTH=150>TELEPORT</TD><TD>El.</TD></TR></TABLE>");
  } else {
    Add(out, R"(</TD><TD CLASS="t1" VALIGN=TOP>)" + adventurer);
    Add(out, "SZÁMLA : 10 Ft</TD>"_cp);
    Add(out, "</TD></TR></TABLE>");
    Add(out, "<P><center><h2>ÁRNY KALANDJAI</h2></center>"_cp);
    Add(out, "<P>Reggel van.");
    Add(out,
        R"(<TABLE CELLPADDING=0 CELLSPACING=0><TR><TD CLASS="p" WIDTH=170>TELEPORT</TD><TD CLASS="p">El.</TD></TR></TABLE>)");
  }
  if (spec.teleport) {
    Add(out, older ? "<P><CENTER><B>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</B></CENTER>"_cp
                   : "<P><center><h2>A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED</h2></center>"_cp);
    AddMap(out, spec.layout, *spec.teleport);
  }
  Add(out, "<CENTER><B>ENCYCLOPEDIA FANTASIA</B></CENTER>");
  Add(out, "<CENTER><H2>KARAKTERLAPOD</H2></CENTER>");
  if (spec.steps) {
    Add(out, older ? "<CENTER><B>E KÖRBEN TETT LÉPÉSEID TÉRKÉPE</B></CENTER>"_cp
                   : "<P><center><h2>E körben tett lépéseid térképe</h2></center>"_cp);
    AddMap(out, spec.layout, *spec.steps);
  }
  Add(out, older ? "<CENTER><B>ZORDON VIDÉK REFERENCIA</B></CENTER>"_cp
                 : "<CENTER><B>ZORDON  VIDÉK  REFERENCIA</B></CENTER>"_cp);
  if (!spec.cut) Add(out, "</BODY></HTML>");
  return out;
}

}  // namespace qv::test
