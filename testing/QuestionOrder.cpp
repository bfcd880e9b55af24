#include "testing/QuestionOrder.h"

namespace {

// Fills cell k from one draw unless an earlier cell already holds the code.
void drawInto(QuestionOrder& row, int k, const CodeDraw& draw)
{
    if (row[k])
        return;
    const int code = draw();
    for (int earlier = 0; earlier < k; ++earlier)
        if (row[earlier] == code)
            return;
    row[k] = code;
}

} // namespace

QuestionOrder generateQuestionOrder(const CodeDraw& draw)
{
    QuestionOrder row{};
    for (int k = 0; k < kOrderCells; ++k)
        drawInto(row, k, draw);
    for (int k = 0; k <= kQuestionsPerTest; ++k)
        drawInto(row, k, draw);
    int filler = kLowestFiller;
    for (int k = 0; k <= kQuestionsPerTest; ++k)
        if (!row[k])
            row[k] = filler++;
    return row;
}

QString cellText(const std::optional<int>& cell)
{
    return cell ? QString::number(*cell) : QString();
}
