#pragma once
// The order in which a test asks its questions: 23 cells of question codes,
// drawn at random from 1 to 101, with the gaps the draws leave filled by the
// consecutive codes 102, 103, ...
#include <QString>
#include <array>
#include <functional>
#include <optional>

inline constexpr int kOrderCells = 23;   // cells written by the generation
inline constexpr int kQuestionsPerTest = 20;
inline constexpr int kLowestFiller = 102;

using QuestionOrder = std::array<std::optional<int>, kOrderCells>;

// One draw: a code from 1 to 101. Tests hand in fixed sequences.
using CodeDraw = std::function<int()>;

// Two random passes and a filler pass. A cell equal to any earlier cell is
// left empty; the second pass tries each empty cell of 0..20 once more,
// again comparing only with the cells before it, so a code may stand twice
// (the earlier cell filled by the second pass, the later one by the first).
QuestionOrder generateQuestionOrder(const CodeDraw& draw);

// The text a cell holds: plain decimal digits, empty for a cell without code.
QString cellText(const std::optional<int>& cell);
