// Shared between the saved-game files; not for the rest of the program.
#pragma once
#include <cstddef>
#include <cstdint>

#include "database/saved_game.h"

constexpr const char SAVED_GAME_MAGIC[] = "ZEPHRONILKARD";
constexpr size_t MAGIC_SIZE = 13;
// The largest file the current or middle format can have: each chunk's
// compressed length may not exceed its plain size.
constexpr size_t MAXIMUM_FILE_SIZE = HEADER_SIZE + (NUMBER_OF_CHUNKS - 1) * (4 + CHUNK_SIZE) + 4 + LAST_CHUNK_SIZE;

// The oldest layout (version 1999 and below).
constexpr int OLDEST_VERSION = 1999;
constexpr int FIRST_ZLIB_VERSION = 2171;
constexpr size_t OLD_IMAGE_SIZE = 2275848;
constexpr size_t OLD_CHUNK_SIZE = 22758;
constexpr size_t OLD_LAST_CHUNK_SIZE = 22806;

inline size_t Chunk_Size(int nChunk, size_t nChunkSize, size_t nLastChunkSize) {
    return nChunk == NUMBER_OF_CHUNKS - 1 ? nLastChunkSize : nChunkSize;
}

// Moves every field of an oldest-layout image to its place in a zeroed
// current image.
void Convert_Oldest_Layout(const uint8_t* pOld, LeagueDatabase* pNew);
// The part of the oldest conversion that works on the players of the live
// league once it holds the converted image: history snapshots, college names.
void Finish_Oldest_Conversion();
// The player conversions by version: Predicted figures of the first version,
// new aging parameters below 2180.
void Convert_Players_For_Version(int nVersion);
void Rebuild_Players_After_Load();  // the player-ID index
// Everything a successful load does to the live league after the image is in.
void Post_Load_Conversions(int nVersion);
// The season index stored as an absolute year, turned back into an index.
void Convert_Absolute_Year();
