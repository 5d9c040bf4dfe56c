#pragma once

#include "core/play/GameStatistics.h"
#include "framework/TButton.h"
#include "framework/TForm.h"
#include "framework/TLabel.h"

#include <array>
#include <string>

namespace orvane::game {

// Puzzle info: the game's level, the puzzle's rating and the techniques it
// needs. Shown modally from the Play menu; while the grader rates the
// puzzle it says "rating…" and takes the result when it comes.
class TfrmPuzzleInfo : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TfrmPuzzleInfo(framework::TComponent* owner);

    void ShowInfo(const std::wstring& level, const std::wstring& rating, const std::wstring& techniques);

    framework::TLabel* LevelText = nullptr;
    framework::TLabel* RatingText = nullptr;
    framework::TLabel* TechniquesText = nullptr;
    framework::TButton* OkButton = nullptr;
};

// Statistics: per level the games started, solved, solved with hints,
// solution shown, hints, best and average time and the current run; below
// them the current game's time. Shown modally from the Play menu.
class TfrmStatistics : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TfrmStatistics(framework::TComponent* owner);

    static constexpr int ColumnCount = 9;
    void ShowStatistics(const GameStatistics& statistics, const std::wstring& currentGame);

    // The table's cells, a row per level after the row of headings.
    std::array<std::array<framework::TLabel*, ColumnCount>, LevelCount + 1> Cells{};
    framework::TLabel* CurrentGameText = nullptr;
    framework::TButton* OkButton = nullptr;
};

} // namespace orvane::game
