// The size a picture file claims in its own header, read with a few bounded reads before
// any decoder of the system sees the file: some decoders (Wine's) allocate and decode the
// whole picture as soon as they open it, whatever size it claims.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "plateforme/images.h"

namespace nocturo {

// Reads up to `n` bytes at `position`; returns how many it read.
using LireOctets = std::function<size_t(uint64_t position, void* destination, size_t n)>;

// The kind a file's first bytes say it is, whatever its name says; none when they are no
// signature a loader knows. A few dozen bytes are enough.
std::optional<FormatImage> format_des_octets(std::string_view debut);

// The picture's own size as its header claims it, each side at most INT32_MAX; none when the
// header is damaged or of another format. For an icon, its largest picture; for a GIF, the
// larger of its screen and its first picture; for a TIFF or a JPEG XR, its first directory;
// for a WebP, its canvas; for a HEIF or an AVIF, its primary picture. Metafiles are not read
// here: they are drawn at the size the program asks.
std::optional<Taille> taille_annoncee(FormatImage format, const LireOctets& lire);

// A metafile (EMF, or WMF with or without its placeable header) whose records all lie
// within the file and end with the end record. Some players of the system walk past the
// end of the file on a record of length zero, or loop on it.
bool metafichier_sain(std::string_view octets);

// Not empty, and small enough for a buffer of the program's own (PIXELS_MAX).
bool taille_admissible(Taille t);
// Not empty, and small enough for a file to claim (PIXELS_SOURCE_MAX).
bool source_admissible(Taille t);

}  // namespace nocturo
