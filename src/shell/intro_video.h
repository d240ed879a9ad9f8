// The introductory video, full screen, when the Welcome dialog opens.
#pragma once

// Plays "video/intro.avi" unless word 53 of the permanent file says not to.
// The video plays in a child process of the game: a media back end that
// fails, even by crashing, only ends the video. False when nothing played.
bool Play_Intro();

// The child's side: "brakvell --play-intro FILE". A key or a click ends the
// video. 0 when it played to its end.
constexpr const char* PLAY_INTRO_SWITCH = "--play-intro";
int Run_Intro_Player(const char* szFile);
