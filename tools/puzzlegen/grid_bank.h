// The bank of filled grids: themed grids take a pack run minutes an attempt to fill, and most
// attempts fail, so they are filled ahead, a few rounds at a time, and kept in a text file
// that pack runs start from. An entry is "grid PACK/NAME" and the grid's fifteen rows
// (letters, '#' on blocks); '#' at the start of a line outside a grid is a comment.
#pragma once

#include <map>
#include <string>

// The entry for the puzzle `key` ("three/hilo") with the filled grid `cells`.
std::string BankEntry(const std::string& key, const std::string& cells);

// Adds the bank's grids to *grids, "pack/name" -> cells; the first entry of a key wins. A
// missing file is an empty bank. False with the line when an entry is malformed.
bool LoadGridBank(const std::string& path, std::map<std::string, std::string>* grids,
                  std::string* error);
