// Writing the artwork into the game folder: JPEG pictures and WAVE sounds.
// Every writer creates the folders it needs and reports failure by false.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

constexpr int SOUND_RATE = 22050;

bool Write_Jpeg(const std::string& szPath, const Canvas& canvas);
// 16-bit PCM mono at SOUND_RATE; samples are clipped to -1..1.
bool Write_Wave(const std::string& szPath, const std::vector<double>& samples);
bool Write_Text(const std::string& szPath, const std::string& szText);
