// Taking the textures out of each kind of input, as the panel's choices say. Each reader refuses
// a file it cannot use with one message naming it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "texture/extraction_settings.h"
#include "texture/texture_image.h"

namespace kavrin {

struct ObjectWad;
struct SpriteWad;
struct Ui;

// The largest image read from a raw or Targa file: 8192 x 8192 pixels, or as many in another
// shape.
inline constexpr uint64_t IMAGE_PIXELS_MAX = uint64_t{1} << 26;

// A level's chosen page sets: "32bit" (every page of the 32-bit chunk: room pages, object pages,
// then bump pages), "16bit" (the same pages in ARGB 1555) and "misc" (the font and sky pages).
// With `choices.bumpMap`, also the bump pages: those after the room and object pages of the
// 32-bit chunk.
bool readLevelTextures(Ui& ui, const std::string& path, std::span<const uint8_t> file,
                       const ExtractionChoices& choices, ExtractedTextures& out);

// An object WAD's pages, the set "objects"; a WAD holds no room textures, which the note says
// when they were asked for.
void readObjectWadTextures(const std::string& fileName, const ObjectWad& wad,
                           const ExtractionChoices& choices, ExtractedTextures& out);

// A sprite WAD's page (or pages), the set "sprites".
bool readSpriteWadTextures(Ui& ui, const std::string& path, const SpriteWad& swd,
                           ExtractedTextures& out);

// A raw image of the chosen width, height and byte order, the set "image"; the file must hold
// exactly that many pixels.
bool readRawImage(Ui& ui, const std::string& path, std::span<const uint8_t> file,
                  const ExtractionSettings& settings, const ExtractionChoices& choices,
                  ExtractedTextures& out);

// A Targa (or PNG or BMP) image as it is, the set "image".
bool readImageFile(Ui& ui, const std::string& path, std::span<const uint8_t> file,
                   const ExtractionSettings& settings, const ExtractionChoices& choices,
                   ExtractedTextures& out);

}  // namespace kavrin
