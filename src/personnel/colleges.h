// The colleges a new player can come from (`VS_COLLEGE` indexes this list).
#pragma once

constexpr int NUMBER_OF_COLLEGES = 75;

// The empty text for an index outside 0..74.
const char* Get_College_Name(int nCollege);
