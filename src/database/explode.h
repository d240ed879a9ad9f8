// Decoder of the PKWARE Data Compression Library "implode" format, which the
// saved games of version 2170 and below use for their chunks. Decompression only.
#pragma once
#include <cstddef>
#include <cstdint>

enum {
    EXPLODE_OK = 0,
    EXPLODE_BAD_HEADER = 1,      // fewer bytes than a header, literal mode not 0/1
    EXPLODE_BAD_DICTIONARY = 2,  // dictionary code outside 4..6
    EXPLODE_BAD_DATA = 3,        // a code that cannot occur, a distance before the start of output
    EXPLODE_TRUNCATED = 4,       // input ended before the end code
    EXPLODE_NO_ROOM = 5,         // the write callback refused output
};

// Callbacks in the style of the original library: read returns the number of bytes put into pBuffer (0 = end of input);
// write returns false to refuse the output (the decoder then stops with EXPLODE_NO_ROOM).
typedef unsigned (*ExplodeRead)(uint8_t* pBuffer, unsigned nSize, void* pParam);
typedef bool (*ExplodeWrite)(const uint8_t* pBuffer, unsigned nSize, void* pParam);

// Decodes one stream. Output goes to pWrite in pieces of at most 4096 bytes; the
// last piece is only handed over once the end code has been read; whatever
// follows the end code is ignored. The work area (about 6 KB) lives on the
// stack; nothing is allocated.
int Explode(ExplodeRead pRead, ExplodeWrite pWrite, void* pParam);

// Convenience over memory: decodes pIn[0..nIn) into pOut[0..nOutSize). *pnWritten = bytes produced, *pnCrc = CRC-32 of them
// (either may be null). Output beyond nOutSize is refused with a box titled "Compression Error" that says
// "Out of buffer space - #1" (some room left but not enough) or "Out of buffer space - #2" (none left), via Message_Box().
// A refused piece is not written in part.
int Explode_Buffer(const uint8_t* pIn, size_t nIn, uint8_t* pOut, size_t nOutSize, size_t* pnWritten, uint32_t* pnCrc);

uint32_t Crc32_Update(uint32_t nCrc, const uint8_t* p, size_t n);  // standard table, polynomial 0xEDB88320; start with 0
