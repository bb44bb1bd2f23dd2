#pragma once

#include <QAccessible>
#include <QString>

#include "engine/Board.h"

class QObject;

namespace daz {

class BoardView;

// What a screen reader finds in the main window, beyond what Qt's own
// widgets tell it: the board as a table of cells, each named by its place
// and picture, selected where the hand's tile is and focused where the
// keyboard cursor is; the tool strip's labels as buttons that press; the
// announcer as a notification. One factory, installed once, gives them.
void InstallAccessibility();

// The board tells a client what changed, in cells: a cell's name (a tile
// went or came), the selection, the keyboard cursor, and the whole table
// when a level is dealt. Nothing is sent while no client listens.
void TellCellChanged(BoardView& view, Cell cell);
void TellSelection(BoardView& view, Cell cell, bool selected);
void TellCursor(BoardView& view, Cell cell);
void TellTableReset(BoardView& view);

} // namespace daz
