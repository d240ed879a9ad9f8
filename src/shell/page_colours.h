// Colours the season pages share.
#pragma once
#include <QColor>

const QColor HUMAN_ROW_COLOUR(137, 245, 190);    // light green
const QColor COMPUTER_ROW_COLOUR(245, 245, 122); // pale yellow

inline QColor Conference_Colour(int nConference) {
    return nConference == 1 ? QColor(75, 105, 151) : QColor(117, 5, 5); // blue-grey; dark red
}
