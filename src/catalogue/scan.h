// Pure pieces of the catalogue scan and of the cache reader.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/entree_image.h"
#include "forme/controles.h"
#include "plateforme/plateforme.h"

namespace nocturo {

// A directory entry that may be a picture: ".JPG" or ".BMP" anywhere in its name (any
// case), a name that does not start with ".", and a file that is not empty.
bool extension_acceptee(const EntreeRepertoire& entree);

// Makes room for entry `indice` in 1000-entry steps, as the table always grew.
void agrandir_table(std::vector<EntreeImage>& table, int32_t indice);

// Folded lines of the list to the first index holding them: the list's own search
// (first line equal ignoring case) without walking the lines.
void indexer_lignes(const ListBox& liste, std::unordered_map<std::string, int>& index);

}  // namespace nocturo
