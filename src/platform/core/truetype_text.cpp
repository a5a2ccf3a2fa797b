// Liberation Sans through FreeType, standing in for Arial. Faces are loaded
// once and kept for the life of the process.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cstdlib>
#include <map>
#include <string>

#include "platform/core/system.h"
#include "platform/core/text_render.h"

namespace win::core {

FT_Face LoadFontFace(const char* path) {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        return FT_Init_FreeType(&lib) == 0 ? lib : nullptr;
    }();
    static std::map<std::string, FT_Face> faces;  // null entries: failed once, not retried
    auto found = faces.find(path);
    if (found != faces.end()) return found->second;
    FT_Face face = nullptr;
    if (library && FT_New_Face(library, path, 0, &face) != 0) face = nullptr;
    faces[path] = face;
    return face;
}

namespace {

// Windows' sizes: a negative height is the em, a positive one the cell
// (ascent + descent); a width is the average character width.
bool SetSize(FT_Face face, const FontData& font) {
    const int upem = face->units_per_EM;
    int em = 16;
    if (font.height < 0) em = -font.height;
    if (font.height > 0) em = font.height * upem / (face->ascender - face->descender);
    int emWidth = em;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (font.width != 0 && os2 && os2->xAvgCharWidth > 0) emWidth = std::abs(font.width) * upem / os2->xAvgCharWidth;
    return em > 0 && emWidth > 0 && FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(emWidth), static_cast<FT_UInt>(em)) == 0;
}

}  // namespace

bool DrawTrueTypeText(Canvas& c, const FontData& font, int x, int y, const char* text, int length,
                      const TextStyle& style) {
    FT_Face face = LoadFontFace(system::FontFile(font.weight >= 600 ? system::Face::Bold : system::Face::Regular));
    if (!face || !SetSize(face, font)) return false;
    const int ascent = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    const int descent = static_cast<int>((-face->size->metrics.descender + 63) >> 6);

    if (style.opaque) {
        FT_Pos advance = 0;
        for (int i = 0; i < length; ++i)
            if (FT_Load_Char(face, static_cast<unsigned char>(text[i]), FT_LOAD_DEFAULT) == 0)
                advance += face->glyph->advance.x;
        FillRect(c, RECT{x, y, x + static_cast<int>((advance + 32) >> 6), y + ascent + descent}, style.bg);
    }
    FT_Pos pen = static_cast<FT_Pos>(x) << 6;
    for (int i = 0; i < length; ++i) {
        if (FT_Load_Char(face, static_cast<unsigned char>(text[i]), FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = face->glyph;
        const int left = static_cast<int>((pen + 32) >> 6) + g->bitmap_left;
        const int top = y + ascent - g->bitmap_top;
        for (unsigned row = 0; row < g->bitmap.rows; ++row) {
            const unsigned char* line = g->bitmap.buffer + static_cast<std::ptrdiff_t>(row) * g->bitmap.pitch;
            for (unsigned col = 0; col < g->bitmap.width; ++col)
                BlendPixel(c, left + static_cast<int>(col), top + static_cast<int>(row), style.fg, line[col]);
        }
        pen += g->advance.x;
    }
    return true;
}

}  // namespace win::core
