// The colleges players come from. VS_COLLEGE holds an index into this list.
#pragma once

constexpr int NUMBER_OF_COLLEGES = 75;

// The college's name; "" for an index outside 0..74 (logged).
const char* Get_College_Name(int nIndex);
