// The question order of a test: the two random passes, the filler pass and
// what every generated row guarantees.
#include "testing/QuestionOrder.h"
#include <QRandomGenerator>
#include <QTest>
#include <set>

Q_DECLARE_METATYPE(QList<int>)

namespace {

// A row as the list of its 23 cells, 0 for an empty one.
QList<int> cells(const QuestionOrder& row)
{
    QList<int> out;
    for (const auto& cell : row)
        out << cell.value_or(0);
    return out;
}

// Cells k+1 for k in 0..22, with the listed cells given other values.
QList<int> ascending(std::initializer_list<std::pair<int, int>> changes = {})
{
    QList<int> out;
    for (int k = 0; k < kOrderCells; ++k)
        out << k + 1;
    for (auto [k, v] : changes)
        out[k] = v;
    return out;
}

} // namespace

class QuestionOrderTest : public QObject {
    Q_OBJECT
private slots:
    void fixedDraws_data()
    {
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QList<int>>("row");

        QTest::newRow("every first-pass draw distinct: no filler, no second pass")
            << ascending() << ascending();

        // Cell 1 collides with cell 0 in both passes.
        QList<int> collide{5, 5};
        for (int v = 10; v <= 30; ++v)
            collide << v;
        collide << 5;
        QList<int> collided{5, 102};
        for (int v = 10; v <= 30; ++v)
            collided << v;
        QTest::newRow("collision in both passes gets filler 102") << collide << collided;

        // Cell 2 collides with cell 0 in the first pass; the second pass
        // draws 90, which only cell 14 (a later cell) holds: accepted.
        QList<int> twice = ascending({{0, 40}, {1, 64}, {2, 40}, {14, 90}});
        twice << 90;
        QTest::newRow("second-pass code equal to a later first-pass code stays")
            << twice << ascending({{0, 40}, {1, 64}, {2, 90}, {14, 90}});

        // Cells 4 and 11 collide in both passes.
        QList<int> gaps = ascending({{4, 1}, {11, 2}});
        gaps << 3 << 6;
        QTest::newRow("fillers 102, 103 in column order")
            << gaps << ascending({{4, 102}, {11, 103}});

        // Cells 21 and 22 are drawn only once and never filled.
        QTest::newRow("cells 21 and 22 left empty by the first pass stay empty")
            << ascending({{21, 1}, {22, 2}}) << ascending({{21, 0}, {22, 0}});

        // Cells 2 and 5 empty after the first pass; the second pass fills 2
        // with 50 and then draws 50 for 5, which collides with it.
        QList<int> again = ascending({{2, 1}, {5, 1}});
        again << 50 << 50;
        QTest::newRow("second pass compares with its own earlier codes")
            << again << ascending({{2, 50}, {5, 102}});

        QList<int> same(23, 7);
        same += QList<int>(20, 7);
        QList<int> allSeven{7};
        for (int k = 1; k <= 20; ++k)
            allSeven << 101 + k;
        allSeven << 0 << 0;
        QTest::newRow("the same draw every time: cell 0 drawn, 102..121 after")
            << same << allSeven;
    }
    void fixedDraws()
    {
        QFETCH(QList<int>, draws);
        QFETCH(QList<int>, row);
        qsizetype used = 0;
        bool overrun = false;
        const QuestionOrder order = generateQuestionOrder([&] {
            if (used == draws.size()) {
                overrun = true;
                return 1;
            }
            return draws[used++];
        });
        QVERIFY2(!overrun, "more draws than expected");
        QCOMPARE(used, draws.size());
        QCOMPARE(cells(order), row);
    }

    void invariantsOverManySeeds()
    {
        for (quint32 seed = 1; seed <= 3000; ++seed) {
            QRandomGenerator rng(seed);
            const QuestionOrder row = generateQuestionOrder([&] { return int(rng.bounded(101)) + 1; });
            std::multiset<int> codes;
            int nextFiller = kLowestFiller;
            QVERIFY(row[0] && *row[0] >= 1 && *row[0] <= 101);
            for (int k = 0; k <= kQuestionsPerTest; ++k) {
                QVERIFY2(row[k].has_value(), qPrintable(QString("seed %1 cell %2 empty").arg(seed).arg(k)));
                const int code = *row[k];
                if (code >= kLowestFiller)
                    QCOMPARE(code, nextFiller++);
                else
                    QVERIFY(code >= 1);
                codes.insert(code);
            }
            for (int code : codes)
                QVERIFY2(codes.count(code) <= 2, qPrintable(QString("seed %1 code %2").arg(seed).arg(code)));
            for (int k = 21; k < kOrderCells; ++k)
                QVERIFY(!row[k] || (*row[k] >= 1 && *row[k] <= 101));
        }
    }
};

QTEST_APPLESS_MAIN(QuestionOrderTest)
#include "tst_questionorder.moc"
