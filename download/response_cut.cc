#include "download/response_cut.h"

#include <climits>

#include "text/text.h"

namespace qv {

std::string CutResponse(const std::string& response) {
  std::string text = response;

  const int header = Find("\r\n\r\n", text);
  if (header > 0) text = Copy(text, header + 4, INT_MAX);

  const int tableStart = Find("<TABLE><TR>", text);
  const int tableEnd = Find("</TABLE>", text);
  if (tableStart > 0 && tableEnd > 0)
    text = Copy(text, 1, tableStart - 1) + Copy(text, tableEnd + 9, INT_MAX);

  const int end = Find("</html>", text);
  if (end > 0) text = Copy(text, 1, end + 6);
  return text;
}

}  // namespace qv
