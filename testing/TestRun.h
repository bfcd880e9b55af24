#pragma once
// The state and rules of one test run: the counters shared by every testing
// screen, the five answer arrangements, judging an answer by its text, and
// the score with the texts it is stored and reported as.
#include <QLocale>
#include <QString>
#include <array>
#include <functional>

// Module-level: every testing screen shares one copy and each creation of a
// testing screen resets it.
struct TestState {
    qint32 CurrentCode = 0;
    qint32 AskedCount = 0;
    qint32 CorrectCount = 0;
    qint32 WrongCount = 0;
    qint32 ArrangementNumber = 0;
    double ScorePercent = 0;
};
TestState& testState();
void resetTestState(qint32 firstCode);

// The random draws of the testing module. bounded(n) lies in 0..n-1.
// A test may replace the source; an empty function restores the generator.
namespace testingRandom {
void seedFromClock();
int bounded(int n);
void setSource(std::function<int(int)> source);
}

inline constexpr int kAnswerCount = 5;
using Answers = std::array<QString, kAnswerCount>;  // [0] is ans1, the correct one

// Which answer field (0 = ans1 ... 4 = ans5) stands at the letters A..E
// in arrangement 1..5. Across the five the correct answer is once at each letter.
std::array<int, kAnswerCount> arrangementFields(int number);
Answers arrange(const Answers& answers, int number);

// Judges by the whole text, case and blanks included, counts the answer and
// returns the verdict "Верно" or "Неверно".
QString judgeAnswer(TestState& state, const QString& chosen, const QString& correct);

double scorePercent(qint32 correct, qint32 asked);
// How a score is stored: shortest general form, at most 15 significant
// digits, the locale's decimal separator, no grouping.
QString resultText(double score, const QLocale& locale);
// "Вы набрали N правильных ответов, что составляет 85,00 % от общей успеваемости"
QString summaryMessage(const QString& correctText, double score, const QLocale& locale);
