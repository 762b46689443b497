// FreeType and fontconfig behind GDI's fonts. The device's face names map to faces of the
// host: its system faces to a sans face, Arial to an Arial-metric face, Courier New to a
// monospaced one. Sizes follow GDI: |lfHeight| is the em height when negative and the cell
// height (ascent + descent from the face's Windows metrics) when positive; the em is rounded
// to whole device pixels so that every scale lays text out identically.
#include "fonts.h"

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include "strings/case_fold.h"

struct FontInstance {
    FT_Face face = nullptr;       // sized to em × scale pixels; nullptr: no face at all
    int scale = 1;                // stored pixels per device pixel
    double em = 0;                // device pixels
    bool synthBold = false;       // the face is regular but bold was asked for
    FontMetrics metrics{};        // device pixels
    GlyphImage* ascii[128] = {};  // fast path for the common characters
    std::unordered_map<char32_t, std::unique_ptr<GlyphImage>> glyphs;

    FontInstance() = default;
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;
    ~FontInstance()
    {
        if (face)
            FT_Done_Face(face);
    }
};

namespace {

constexpr int kDefaultEm = 11;  // lfHeight 0: the device's 8-point text

FT_Library Library()
{
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0)
            return static_cast<FT_Library>(nullptr);
        return lib;
    }();
    return library;
}

std::string Utf8Family(const WCHAR* face)
{
    std::string out;
    for (int i = 0; i < LF_FACESIZE && face[i]; ++i)
        out += face[i] < 0x80 ? char(face[i]) : '?';
    return out;
}

// Face names of the device and the host families that stand in for them; names match as the
// device's names do, without letter case.
struct FaceStandIn {
    const char16_t* device;
    const char* host;
};
constexpr FaceStandIn kStandIns[] = {
    {u"", "DejaVu Sans"},
    {u"System", "DejaVu Sans"},
    {u"MS Sans Serif", "DejaVu Sans"},
    {u"Tahoma", "DejaVu Sans"},
    {u"MS Shell Dlg", "DejaVu Sans"},
    {u"Arial", "Liberation Sans"},
    {u"Helvetica", "Liberation Sans"},
    {u"Courier New", "Liberation Mono"},
    {u"Courier", "Liberation Mono"},
    {u"Times New Roman", "Liberation Serif"},
};

// The host family standing in for a face name of the device.
std::string HostFamily(const WCHAR* face)
{
    size_t length = 0;
    while (length < LF_FACESIZE && face[length])
        ++length;
    for (const FaceStandIn& standIn : kStandIns) {
        if (CompareFolded(std::u16string_view(face, length), standIn.device) == 0)
            return standIn.host;
    }
    return Utf8Family(face);
}

struct FaceFile {
    std::string path;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;  // of the face found
};

const FaceFile& FindFace(const std::string& family, bool bold, bool italic)
{
    static std::map<std::tuple<std::string, bool, bool>, FaceFile> found;
    const auto key = std::make_tuple(family, bold, italic);
    auto it = found.find(key);
    if (it != found.end())
        return it->second;
    FaceFile file;
    if (FcInit()) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
            FcChar8* path = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
                file.path = reinterpret_cast<const char*>(path);
            FcPatternGetInteger(match, FC_INDEX, 0, &file.index);
            FcPatternGetInteger(match, FC_WEIGHT, 0, &file.weight);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    return found.emplace(key, file).first->second;
}

int Round(double v)
{
    return int(std::lround(v));
}

void ComputeMetrics(FontInstance* font, const LOGFONTW& lf)
{
    FT_Face face = font->face;
    const double upem = face->units_per_EM ? face->units_per_EM : 2048;
    double ascentUnits = face->ascender;
    double descentUnits = -face->descender;
    double avgUnits = 0;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            ascentUnits = os2->usWinAscent;
            descentUnits = os2->usWinDescent;
        }
        avgUnits = os2->xAvgCharWidth;
    }
    const double cellUnits = std::max(1.0, ascentUnits + descentUnits);
    FontMetrics& m = font->metrics;
    if (lf.lfHeight > 0) {
        // Cell height: ascent and descent share exactly lfHeight pixels.
        font->em = std::max(1, Round(lf.lfHeight * upem / cellUnits));
        m.ascent = Round(lf.lfHeight * ascentUnits / cellUnits);
        m.descent = lf.lfHeight - m.ascent;
    } else {
        font->em = lf.lfHeight < 0 ? -lf.lfHeight : kDefaultEm;
        m.ascent = Round(ascentUnits * font->em / upem);
        m.descent = Round(descentUnits * font->em / upem);
    }
    m.height = m.ascent + m.descent;
    m.internalLeading = std::max(0, m.height - int(font->em));
    m.externalLeading =
        std::max(0, Round((face->height - ascentUnits - descentUnits) * font->em / upem));
    m.aveCharWidth = std::max(1, Round(avgUnits * font->em / upem));
    m.maxCharWidth = std::max(1, Round((face->bbox.xMax - face->bbox.xMin) * font->em / upem));
}

void RenderGlyph(FontInstance* font, char32_t ch, GlyphImage* glyph)
{
    FT_Face face = font->face;
    const FT_UInt index = FT_Get_Char_Index(face, ch);
    // The advance comes from the design, rounded in device pixels: the same at every scale.
    FT_Fixed units = 0;
    FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &units);
    glyph->advance =
        Round(double(units) * font->em / face->units_per_EM) + (font->synthBold ? 1 : 0);
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0)
        return;
    FT_GlyphSlot slot = face->glyph;
    if (font->synthBold && slot->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_Outline_EmboldenXY(&slot->outline, font->scale * 64, 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph->left = slot->bitmap_left;
    glyph->top = slot->bitmap_top;
    glyph->width = int(bitmap.width);
    glyph->rows = int(bitmap.rows);
    glyph->coverage.resize(size_t(glyph->width) * glyph->rows);
    for (int y = 0; y < glyph->rows; ++y) {
        const uint8_t* row = bitmap.buffer + ptrdiff_t(y) * bitmap.pitch;
        std::copy(row, row + glyph->width, glyph->coverage.begin() + ptrdiff_t(y) * glyph->width);
    }
}

FontInstance* MakeInstance(const LOGFONTW& lf, int scale)
{
    auto* font = new FontInstance{};
    font->scale = scale;
    const bool bold = lf.lfWeight >= FW_SEMIBOLD;
    const FaceFile& file = FindFace(HostFamily(lf.lfFaceName), bold, lf.lfItalic);
    FT_Library lib = Library();
    if (!lib || file.path.empty() || FT_New_Face(lib, file.path.c_str(), file.index, &font->face)) {
        font->face = nullptr;
        font->em = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight > 0 ? lf.lfHeight : kDefaultEm;
        const int em = int(font->em);
        font->metrics = FontMetrics{em - em / 5, em / 5, em, 0, 0, em / 2, em, FW_NORMAL};
        return font;
    }
    font->synthBold = bold && file.weight < FC_WEIGHT_DEMIBOLD;
    ComputeMetrics(font, lf);
    font->metrics.weight = bold ? FW_BOLD : FW_NORMAL;
    FT_Set_Char_Size(font->face, 0, FT_F26Dot6(font->em * scale * 64), 72, 72);
    return font;
}

}  // namespace

FontInstance* GdiFontInstance(const LOGFONTW& lf, int scale)
{
    // Keyed by what changes the picture: face, height, weight class, slant and scale.
    using Key = std::tuple<std::u16string, LONG, bool, bool, int>;
    static std::map<Key, std::unique_ptr<FontInstance>> cache;
    std::u16string face(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE);
    face.resize(face.find(u'\0') == std::u16string::npos ? face.size() : face.find(u'\0'));
    const Key key{face, lf.lfHeight, lf.lfWeight >= FW_SEMIBOLD, lf.lfItalic != 0, scale};
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second.get();
    return cache.emplace(key, std::unique_ptr<FontInstance>(MakeInstance(lf, scale)))
        .first->second.get();
}

const FontMetrics& GdiFontMetrics(const FontInstance* font)
{
    return font->metrics;
}

const GlyphImage& GdiFontGlyph(FontInstance* font, char32_t ch)
{
    if (ch < 128 && font->ascii[ch])
        return *font->ascii[ch];
    auto it = font->glyphs.find(ch);
    if (it != font->glyphs.end())
        return *it->second;
    auto glyph = std::make_unique<GlyphImage>();
    if (font->face)
        RenderGlyph(font, ch, glyph.get());
    else
        glyph->advance = font->metrics.aveCharWidth;
    GlyphImage* raw = glyph.get();
    font->glyphs.emplace(ch, std::move(glyph));
    if (ch < 128)
        font->ascii[ch] = raw;
    return *raw;
}
