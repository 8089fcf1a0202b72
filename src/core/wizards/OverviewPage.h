// The overview.html page, and the picture-size rule it is checked against.
#pragma once

#include <QString>

// What the overview wizard's form holds.
struct OverviewForm
{
    QString missionName;
    QString description; // lines apart by CR LF
    QString picture;     // file name as the src attribute gets it
    int width = 0;
    int height = 0;
};

QString buildOverviewPage(const OverviewForm &form);

namespace OverviewPicture {

// The game takes picture sides from 2 to 4096 that are powers of two.
bool isGoodSide(int length);

// The lines that name a side which is no such power, each ending in CR LF; empty when both are.
QString sizeProblems(int width, int height);

} // namespace OverviewPicture
