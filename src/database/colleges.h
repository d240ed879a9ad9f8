// The colleges players come from; a player's college index points here.
#pragma once

constexpr int NUMBER_OF_COLLEGES = 75;

// The college's name ('&' written as '+'); an empty text for a bad index.
const char* Get_College_Name(int nIndex);
