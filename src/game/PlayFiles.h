#pragma once

#include "core/play/GameStatistics.h"
#include "core/play/KeptGame.h"

#include <optional>
#include <string>

namespace orvane::game {

// The files of play in the data folder, beside the Play menu's settings.
constexpr wchar_t StatisticsFileName[] = L"statistics.txt";
// Where a damaged statistics file is set aside (an older one is replaced).
constexpr wchar_t DamagedStatisticsFileName[] = L"statistics.damaged.txt";
// The game kept for Resume Last Game: a saved game with more lines.
constexpr wchar_t KeptGameFileName[] = L"lastgame.std";

struct StatisticsLoad {
    GameStatistics statistics;
    // The file was damaged: it was set aside and the statistics start afresh.
    bool setAside = false;
};

// The statistics in the file; none yet when it is missing. A file that does
// not read (or that the system will not read) is renamed to `asidePath` and
// the statistics start afresh; the caller tells the player.
StatisticsLoad LoadStatistics(const std::wstring& path, const std::wstring& asidePath);

// Writes the statistics over the file in one step (never half-written). A
// file that cannot be written raises the framework's file error.
void StoreStatistics(const std::wstring& path, const GameStatistics& statistics);

enum class KeptGameState { Missing, Damaged, Read };
struct KeptGameLoad {
    KeptGameState state = KeptGameState::Missing;
    KeptGame kept;
};
KeptGameLoad LoadKeptGame(const std::wstring& path);
void StoreKeptGame(const std::wstring& path, const KeptGame& kept);
void RemoveKeptGame(const std::wstring& path);

} // namespace orvane::game
