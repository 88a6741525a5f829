#pragma once
// The readers and encoders of whole levelsets that the table of levelset
// formats lists. Readers fill the levelmap of the LevelsetRead they are
// handed from the file's bytes; encoders give the bytes of a file.
#include <string>
#include <vector>

#include "formats/levelset_read.h"

namespace pyrovel {

void readRushLevels(LevelsetRead& read, const Bytes& data, const std::string& path);  // ".gam"
void readAbdLevels(LevelsetRead& read, const Bytes& data, const std::string& path);   // ".caves"
void readBoulderoidLevels(LevelsetRead& read, const Bytes& data, const std::string& path);
void readBd4Levelset(LevelsetRead& read, const Bytes& data, const std::string& path);  // ".lev"
void readBd4V2Level(LevelsetRead& read, const Bytes& data, const std::string& path);   // ".bd4"
void readDasLevels(LevelsetRead& read, const Bytes& data, const std::string& path);    // ".das"
void readBdcff(LevelsetRead& read, const Bytes& data, const std::string& path);        // ".bd"
void readSupaplexLevels(LevelsetRead& read, const Bytes& data, const std::string& path);
void readEmV6Levelset(LevelsetRead& read, const Bytes& data, const std::string& path);

Bytes encodeBd4Levelset(const Levelmap& map, std::vector<std::string>& notes);
Bytes encodeEmV6Levelset(const Levelmap& map, std::vector<std::string>& notes);
Bytes encodeBdcffLevelset(const Levelmap& map, std::vector<std::string>& notes);

}  // namespace pyrovel
