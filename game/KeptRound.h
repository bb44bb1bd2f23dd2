#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "game/Level.h"
#include "game/Round.h"
#include "leveldata/DataFolders.h"

namespace daz {

// The unfinished board kept across a quit.
//
// The level in play is kept in the player's folder, in kept-round.json,
// after every move and at the quit (ProgressKeeper): the mode, the level (its catalogue
// path and a digest of its setme.ini and pictures), the score, and the
// round's state (RoundState). The next start in the same mode at the same,
// unchanged level goes on with it; any start takes the file away, so a
// round is resumed once. The file is written by the atomic replace
// (FileReplace.h): a kill at any moment leaves the round kept before or
// the new one, never a mix.
//
// The file is a small JSON object:
//   { "format": "jilan-llk kept round", "version": 1,
//     "mode": 2, "level": "\\gameg\\星空\\", "levelDigest": "<SHA-256, hex>",
//     "score": 120, "settingsScore": 120, "scoreAtStart": 100,
//     "timeLeft": 2480, "secondsPlayed": 27,
//     "paused": false, "untimed": false, "left": [undo, hint, shuffle], "used": [undo, hint, shuffle],
//     "columns": 12, "rows": 8, "cells": [[row 1 …], [row 2 …], …],
//     "undo": [[x, y, code], …], "seed": "<16 hex digits>", "draws": 130 }
// "settingsScore" is the score the settings file (DAZGame.ini, UserJF)
// held when the round was kept; a file without it was written together
// with the settings, and it is then "score". "seed" and "draws" say where
// the level's generator stands (RandomPlace), so that its later shuffles
// and slides are those it would have had; a file without them goes on
// with a fresh seed. A file without "untimed" was kept before untimed play
// and goes on timed.
// A file that is damaged or made to harm (not JSON, a key twice in an
// object, another version, too large, a link, a board that does not fit
// its level, codes the level does not have, time, seconds or points that
// play cannot reach) is refused, told once and set aside under a dated
// name; the level is then dealt anew.

inline const QString kKeptRoundFile = QStringLiteral("kept-round.json"); // in the player's folder
// A board of the largest size with every undo record is a few tens of KB.
inline constexpr qint64 kKeptRoundBudget = 256 * 1024;

struct KeptRound {
    int mode = 0;
    QString level;                  // the catalogue's MenuPath of the level
    QByteArray levelDigest;         // LevelDigest, in hex
    std::int64_t score = 0;         // the score when it was kept
    std::int64_t settingsScore = 0; // the score in the player's settings file then
    RoundState state;
    friend bool operator==(const KeptRound&, const KeptRound&) = default;
};

// SHA-256 (in hex) of the level's setme.ini and of every picture the level
// shows, with their names and sizes, as the game reads them now.
QByteArray LevelDigest(const DataFolders& folders, const QString& levelFolder, const LevelSettings& settings);

// Why a kept round cannot be used. The numbers the words need are in n,
// in the order given; text holds what is not a number.
enum class KeptRoundProblemKind {
    None,
    Link,                 // the file is a symbolic link
    Unreadable,           // file: why it could not be read
    NotJson,              // not a JSON object
    KeyTwice,             // text: the key written twice (its first 40 characters)
    NotKeptRound,         // not a round this game kept
    UnknownVersion,       // text: the version as written
    ModeLevelOrScore,     // the mode, level or a score is wrong
    TimeOutOfRange,       // the time left or the seconds played
    NoPauseState,         // "paused" is missing
    ToolsOutOfRange,      // the tools' counters
    BoardSizeInvalid,     //
    RowsDisagree,         // the rows and the board's size
    ColumnsDisagree,      // a row's columns and the board's size
    CellCodeInvalid,      // a cell's picture code
    UndoInvalid,          // the undo records
    UndoOutOfRange,       // an undo record's cell or code
    SeedInvalid,          // the level's seed or its count of draws
    NegativeCode,         // n: the code
    PictureUnpaired,      // n: the code, its count on the board
    NoTilesLeft,          //
    UndoAndTilesDisagree, // n: the undo records, the tiles
    UndoNotAPair,         // n: the pair's number, from 1
    UndoCellOffBoard,     // n: x, y
    TimeDisagrees,        // text: the time left; n: the seconds, the pairs removed
    ScoreDisagrees,       // n: the score, the score at start, the pairs removed
    SizeDisagrees,        // n: the round's columns, rows; the level's columns, rows
    PictureNotInLevel,    // n: the level's pictures
    UndoCellNotEmpty,     // n: x, y
};

struct KeptRoundProblem {
    KeptRoundProblem() = default;
    KeptRoundProblem(KeptRoundProblemKind kind, QString text = {}, std::array<std::int64_t, 4> n = {})
        : kind(kind), text(std::move(text)), n(n)
    {
    }

    KeptRoundProblemKind kind = KeptRoundProblemKind::None;
    QString text;
    std::array<std::int64_t, 4> n{};
    FileError file = {};

    explicit operator bool() const { return kind != KeptRoundProblemKind::None; }
};

QByteArray SerializeKeptRound(const KeptRound& kept);
// A kept round whose every value is in its range and whose board, undo
// records, time and points hold together as play leaves them; otherwise
// nothing, and why in problem.
std::optional<KeptRound> ParseKeptRound(const QByteArray& bytes, KeptRoundProblem& problem);
// No problem when the kept round fits the level's settings (its size,
// pictures and undo records), else why not.
KeptRoundProblem CheckKeptRoundFits(const KeptRound& kept, const LevelSettings& settings);

// The kept round's file (empty for none).
QString KeptRoundPath(const DataFolders& folders);

// Keeps a round in the player's folder, by the atomic replace. Empty text
// when done, else why not, for the user.
FileError WriteKeptRound(const DataFolders& folders, const KeptRound& kept);
// Takes any kept round away; a link in its place goes, not what it leads to.
void ForgetKeptRound(const DataFolders& folders);

// A kept round's file that could not be used: the file, where it was set
// aside (nothing when it could not be), and why.
struct KeptRoundRefusal {
    QString file;
    std::optional<QString> aside;
    KeptRoundProblem problem;
};

// What the first level of a start finds kept.
struct KeptRoundTaken {
    std::optional<RoundState> state;         // the round to go on with, or none
    std::int64_t score = 0;                  // and the score it was kept with
    QByteArray digest;                       // and its level's digest, as it is now
    std::optional<KeptRoundRefusal> refused; // a damaged file, to tell the player of
};

// Takes the kept round out of the player's folder as the first level of a
// start is dealt: its state when it was kept in this mode, at this level
// unchanged, beside the score the settings file holds now (settingsScore;
// the round's own score may be higher: it is kept after every move, the
// settings when a level ends). A damaged file is set aside under a name
// that says when (now).
KeptRoundTaken TakeKeptRound(const DataFolders& folders, int mode, const Level& level, std::int64_t settingsScore,
                             const QDateTime& now);

} // namespace daz
