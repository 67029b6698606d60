#include "download/turn_request.h"

#include "download/safe_values.h"
#include "platform/encoding.h"
#include "platform/error.h"

namespace qv {

TurnRequest CheckedTurnRequest(const DownloadOptions& options, Console& console) {
  const char* missing = options.user.empty()        ? "Nem adtal meg felhasznalot!"
                        : options.password.empty()  ? "Nem adtal meg jelszot!"
                        : options.character.empty() ? "Nem adtal meg karakterszamot!"
                        : options.turn.empty()      ? "Nem adtal meg fordulo szamot!"
                                                    : nullptr;
  if (missing != nullptr) {
    console.Line(missing);
    console.Line("");
    throw Error(error_kind::kDownload,
                "a letolteshez kell /user=, /pass= (vagy QVFORMAT_PASSWORD), /kar= es /ford=");
  }
  RequireSafeValue(options.character, "a karakterszam (/kar)");
  RequireSafeValue(options.turn, "a fordulo (/ford)");
  TurnRequest request;
  request.user = LocaleTextToCp1250(options.user);
  request.password = LocaleTextToCp1250(options.password);
  request.character = options.character;
  request.turn = options.turn;
  request.downloadOnly = options.downloadOnly;
  return request;
}

}  // namespace qv
