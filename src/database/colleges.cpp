#include "database/colleges.h"

#include "platform/platform.h"

namespace {
// The front of the list is drawn more often for new prospects.
const char* const COLLEGE_NAMES[NUMBER_OF_COLLEGES] = {
    "Miami",          "Oregon",          "Florida",              "Tennessee",        "Texas",
    "Oklahoma",       "Nebraska",        "LSU",                  "Colorado",         "Maryland",
    "Washington State", "Illinois",      "South Carolina",       "Syracuse",         "Florida State",
    "Louisville",     "Stanford",        "Virginia Tech",        "Washington",       "Michigan",
    "Marshall",       "Toledo",          "Boston College",       "BYU",              "Georgia",
    "Georgia Tech",   "North Carolina",  "Fresno State",         "Ohio State",       "Texas A+M",
    "Michigan State", "Hawaii",          "Arkansas",             "Alabama",          "Utah",
    "Pittsburgh",     "Auburn",          "Iowa",                 "Clemson",          "Iowa State",
    "Texas Tech",     "UCLA",            "Arizona State",        "Virginia",         "Notre Dame",
    "Houston",        "San Diego State", "Southern California",  "California",       "Kansas",
    "Louisiana State", "Memphis",        "North Carolina A+T",   "Northwestern",     "Penn State",
    "Wisconsin",      "Wyoming",         "Arizona",              "Ball State",       "Cal State Sacramento",
    "Cincinnati",     "Cornell",         "Indiana",              "James Madison",    "Kansas State",
    "Kentucky",       "Knoxville",       "Mississippi State",    "South Carolina State", "West Virginia",
    "Air Force",      "Army",            "Brigham Young",        "Colorado State",   "Rice",
};
}  // namespace

const char* Get_College_Name(int nIndex) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_COLLEGES) {
        Error_Log("Invalid college index in Get_College_Name(%d)", nIndex);
        return "";
    }
    return COLLEGE_NAMES[nIndex];
}
