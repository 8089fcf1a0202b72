// The few values the main window's parts share (documents, settings, reference, brackets); nothing
// else is global. The game in force is not here: it is the CurrentGame the windows are given.
#pragma once

#include "settings/ColorText.h"

#include <QString>
#include <QStringList>

namespace ProgramState {

// Full path of the edited document; empty until the first open or Save As. New keeps it.
inline QString currentFileName;

// True for the SQS comment style (';' in the first column), false for the C style ("//", "/* */").
inline bool sqsCommentMode = true;

// Names of the current game for the argument completion; every game switch replaces them.
inline QStringList weaponList;
inline QStringList magazineList; // the magazines, then the equipment
inline QStringList animationList;

// Game executables as the settings hold them; empty when not set.
inline QString ofpExePath;
inline QString armaExePath;

// Save the document before the game is started.
inline bool saveBeforeRun = false;

// Colours of a bracket and its partner.
inline ColorValue bracketFgColor = Colors::clRed;
inline ColorValue bracketBgColor = Colors::clNone;

} // namespace ProgramState
