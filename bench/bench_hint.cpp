// SPDX-License-Identifier: MIT
// How soon Options > Hint shows its advice once the coach's table is ready:
// the advice worked out, the box laid out and painted, the marks placed.
#include "FakePlatform.h"
#include "controls/QuindleDice.h"
#include "game/CoachHint.h"
#include "game/CoachProvider.h"
#include "game/HintPanel.h"
#include "game/main.h"

#include <QAction>
#include <QtTest>

class BenchHint : public QObject {
    Q_OBJECT
private slots:
    void hintAfterTheFirstRoll();
};

void BenchHint::hintAfterTheFirstRoll()
{
    FakePlatform quiet;
    // The whole table, worked out once however often the benchmark runs.
    static const std::vector<double> table = coach::solve()->values();
    coach::TableProvider::setDefaultCompute(
        [](const std::atomic<bool> &, std::atomic<int> &) { return coach::Table::fromValues(table); });
    Tw_Quindle_Main main;
    main.Animation1->setChecked(false);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.QuickStart(1, false, false);
    main.pressRoll();
    main.releaseRoll();
    main.Hint1->trigger();
    QTRY_VERIFY(!main.coachHint()->lines().value(0).startsWith(QLatin1String("Coach: working")));
    QBENCHMARK {
        main.Hint1->trigger();
        main.coachHint()->panel()->repaint();
    }
}

QTEST_MAIN(BenchHint)
#include "bench_hint.moc"
