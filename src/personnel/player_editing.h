// What the player editor does to the league: the typed fields and their
// limits, and the four actions (delete, copy, clear statistics, change
// position) with the questions they ask through the platform. A window only
// shows the form; nothing here changes the league until the user agrees.
#pragma once
#include "database/league_database.h"
#include "database/text_format.h"

// The name a copy starts with, "New Player", until the user types his own.
constexpr const char* EDITOR_FIRST_NAME = "New";
constexpr const char* EDITOR_LAST_NAME = "Player";
constexpr int EDITOR_SHORTEST = 66;   // inches, 5-6
constexpr int EDITOR_TALLEST = 86;    // inches, 7-2
constexpr int EDITOR_LIGHTEST = 150;  // pounds
constexpr int EDITOR_HEAVIEST = 400;
constexpr int EDITOR_FASTEST = 420;   // hundredths of a second over 40 yards
constexpr int EDITOR_SLOWEST = 650;
constexpr int EDITOR_HIGHEST_PAY = 30000;  // thousands of dollars a season, salary or bonus
constexpr int EDITOR_LONGEST_CONTRACT = 7;

// The editor's typed fields as the user sees them.
enum EDITOR_FIELD : int {
    EDIT_FIRST_NAME,
    EDIT_LAST_NAME,
    EDIT_HEIGHT,  // "6-2"
    EDIT_WEIGHT,
    EDIT_FORTY,   // "4.52"
    EDIT_SALARY,  // thousands of dollars
    EDIT_BONUS,
    EDIT_CONTRACT_YEARS,
    EDIT_CONTRACT_LEFT,
    NUMBER_OF_EDITOR_FIELDS,
};
const char* Editor_Field_Label(int nField);

struct EditPlayerForm {
    TNUM nTeam;
    PNUM nPlayer;
    int nPosition;  // the position chosen in the list
    char aszField[NUMBER_OF_EDITOR_FIELDS][TEXT_SIZE];
    char aszOpened[NUMBER_OF_EDITOR_FIELDS][TEXT_SIZE];  // as the form opened: never refused
};
// The form as the player's record reads now.
void Open_Edit_Player_Form(TNUM nTeam, PNUM nPlayer, EditPlayerForm* pForm);
// The first field (in form order) that holds what its limits refuse, with
// the message that says what it takes; NUMBER_OF_EDITOR_FIELDS when all are sound.
int Check_Edit_Player_Form(const EditPlayerForm& form, char* szMessage);
// OK: a form with a refused field shows its message ("Edit Player") and
// changes nothing; a sound one is written, the position last through
// Change_Player_Position (which may move him). False when refused or when
// the position change was cancelled (the other fields are then written).
bool Apply_Edit_Player_Form(EditPlayerForm* pForm);

// Within a position group, and neither to nor from quarterback, a player
// changes position keeping his statistics.
bool Position_Change_Keeps_Stats(int nFrom, int nTo);
// The editor's change: a plain change when the statistics stay; otherwise
// asked ("Position Change", OK / Cancel), and OK clears his statistics, gives
// him the league-average season of the new position as his Predicted period
// and re-sorts the roster. *pPlayer follows him to his new slot. True when
// the position changed.
bool Change_Player_Position(TNUM nTeam, PNUM* pPlayer, int nPosition);
// The Change Position window's rating slot nSlot as it would read were he of
// nPosition: "%s: %d", or empty for a slot the position does not have.
void Position_Rating_Text(TNUM nTeam, PNUM nPlayer, int nPosition, int nSlot, char* szOut);
// The window's OK: asked ("Confirm Position Change", Yes / No); Yes sets the
// position and nothing else. True when it changed.
bool Convert_Player_Position(TNUM nTeam, PNUM nPlayer, int nPosition);

// Asked ("Delete Player", OK / Cancel); OK removes him from the game, his
// history with him. True when deleted.
bool Delete_Player_Asked(TNUM nTeam, PNUM nPlayer);
// Asked ("Please verify"); OK clears This Season, Last Season, Career and
// his history. True when cleared.
bool Clear_Statistics_Asked(TNUM nTeam, PNUM nPlayer);
// A copy in the team's first free slot with a new ID, named "New Player"
// and with no history of his own; NO_PLAYER, after "Cannot Copy Player",
// when the roster is full.
PNUM Copy_Player_Edited(TNUM nTeam, PNUM nPlayer);
