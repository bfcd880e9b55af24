#include "testing/TestRun.h"
#include <QRandomGenerator>
#include <chrono>

namespace {
TestState state;
QRandomGenerator generator;
std::function<int(int)> replacement;
}

TestState& testState()
{
    return state;
}

void resetTestState(qint32 firstCode)
{
    state.AskedCount = 0;
    state.CorrectCount = 0;
    state.WrongCount = 0;
    state.CurrentCode = firstCode;
}

namespace testingRandom {

void seedFromClock()
{
    // Nanoseconds: two screens created within one millisecond still differ.
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{quint32(now), quint32(quint64(now) >> 32)};
    generator.seed(seed);
}

int bounded(int n)
{
    if (replacement)
        return replacement(n);
    return int(generator.bounded(quint32(n)));
}

void setSource(std::function<int(int)> source)
{
    replacement = std::move(source);
}

} // namespace testingRandom

std::array<int, kAnswerCount> arrangementFields(int number)
{
    static constexpr std::array<std::array<int, kAnswerCount>, 5> table{{
        {0, 1, 2, 3, 4},
        {4, 3, 1, 0, 2},
        {1, 2, 3, 4, 0},
        {2, 4, 0, 1, 3},
        {3, 0, 4, 2, 1},
    }};
    return table.at(size_t(number - 1));
}

Answers arrange(const Answers& answers, int number)
{
    Answers shown;
    const auto fields = arrangementFields(number);
    for (int letter = 0; letter < kAnswerCount; ++letter)
        shown[letter] = answers[fields[letter]];
    return shown;
}

QString judgeAnswer(TestState& s, const QString& chosen, const QString& correct)
{
    if (chosen == correct) {
        ++s.CorrectCount;
        return QStringLiteral("Верно");
    }
    ++s.WrongCount;
    return QStringLiteral("Неверно");
}

double scorePercent(qint32 correct, qint32 asked)
{
    return double(correct) / double(asked) * 100.0;
}

namespace {
// Latin digits, no grouping, the locale's decimal separator: the stored
// result must stay a number the results query can order by, whatever
// digits the user's locale writes.
QString decimalText(double value, char format, int precision, const QLocale& locale)
{
    QString text = QLocale::c().toString(value, format, precision);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}
}

QString resultText(double score, const QLocale& locale)
{
    return decimalText(score, 'g', 15, locale);
}

QString summaryMessage(const QString& correctText, double score, const QLocale& locale)
{
    return QStringLiteral("Вы набрали ") + correctText + QStringLiteral(" правильных ответов, что составляет ")
         + decimalText(score, 'f', 2, locale) + QStringLiteral(" % от общей успеваемости");
}
