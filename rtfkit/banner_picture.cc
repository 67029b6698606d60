#include "rtfkit/banner_picture.h"

#include <span>
#include <string>

#include "graphics/metafile.h"
#include "graphics/pbm_image.h"
#include "graphics/picture_metafile.h"
#include "rtfkit/prologue.h"
#include "text/hex_digits.h"

// assets/banner.pbm, compiled in by qv_embed_file (cmake/EmbedFile.cmake).
extern const unsigned char qv_banner_pbm[];
extern const std::size_t qv_banner_pbm_size;

namespace qv {
namespace {

// 11808 pixels per metre is 300 dots per inch.
constexpr int32_t kPixelsPerMeter = 11808;

// The picture data lines, each with its CR LF; the last one ends with the
// "}" that closes the picture group.
std::string PictureDataLines() { return HexLines(BannerMetafile()) + "}\r\n"; }

const MonoBitmap& Banner() {
  static const MonoBitmap kBitmap =
      ReadPbm(std::span<const uint8_t>(qv_banner_pbm, qv_banner_pbm_size), kBannerWidth,
              kBannerHeight, "a beepitett assets/banner.pbm");
  return kBitmap;
}

}  // namespace

std::span<const uint8_t> BannerBitmap::bytes() const { return Banner().DibRows(); }

std::vector<uint8_t> BannerMetafile() {
  const MonoBitmap& bitmap = Banner();
  MetafileBuilder wmf;
  wmf.SetWindowOrg(0, 0);
  wmf.SetWindowExt(kBannerWidth, kBannerHeight);
  wmf.SetTextColor(kBlack);
  wmf.SetBkColor(kWhite);
  wmf.SetStretchBltMode(1);
  DibFields fields;
  fields.xPixelsPerMeter = kPixelsPerMeter;
  fields.yPixelsPerMeter = kPixelsPerMeter;
  wmf.StretchDib(bitmap, {kWhite, kBlack}, fields);
  return wmf.Finish();
}

void WriteBannerPicture(RtfWriter& out) {
  static const std::string kData = PictureDataLines();
  out.Line(R"(\trowd)");
  out.Line(R"(\trqc)");
  out.Line(R"(\trgaph70\trleft-800)");
  out.Line(R"(\cellx10200)");
  out.Line(R"(\keep\keepn\widctlpar\intbl)");
  out.Line(R"({\pict\wmetafile8\picw19307\pich1000\picwgoal10947\pichgoal567 \picbmp\picbpp1)");
  out.Write(kData);
  out.Line(R"(\cell)");
  out.Line(R"(\row)");
  out.Line(R"(\pard)");
}

}  // namespace qv
