// SPDX-License-Identifier: MIT
// The coach's table on its way to the game: the cache file, trusted only
// when whole, and the worker that reads or works it out, here with a quick
// stand-in for the real computation.
#include "TestMain.h"
#include "game/CoachCache.h"
#include "game/CoachProvider.h"
#include "platform/SettingsLocation.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <thread>

namespace {

const std::vector<double> &pattern()
{
    static const std::vector<double> values = [] {
        std::vector<double> v(coach::Table::Size);
        for (size_t i = 0; i < v.size(); ++i)
            v[i] = double(i) / 7;
        return v;
    }();
    return values;
}

std::unique_ptr<coach::Table> patternTable()
{
    return coach::Table::fromValues(pattern());
}

struct CountingCompute {
    int *calls;
    std::unique_ptr<coach::Table> operator()(const std::atomic<bool> &, std::atomic<int> &percent) const
    {
        ++*calls;
        percent = 50;
        return patternTable();
    }
};

bool waitUntilReady(coach::TableProvider &provider)
{
    QSignalSpy spy(&provider, &coach::TableProvider::tableReady);
    provider.request();
    return spy.wait(5000) && provider.ready();
}

} // namespace

class TestCoachProvider : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }
    void cleanup() { platform::setCoachCacheFilePath({}); }

    void theCacheFolderFollowsXdg_data()
    {
        QTest::addColumn<QString>("cacheHome");
        QTest::addColumn<QString>("path");
        QTest::newRow("XDG_CACHE_HOME set") << "/var/c" << "/var/c/tolmar-quindle/coach-table.bin";
        QTest::newRow("unset: the home's .cache") << "" << "/home/ann/.cache/tolmar-quindle/coach-table.bin";
        QTest::newRow("relative counts as unset") << "c" << "/home/ann/.cache/tolmar-quindle/coach-table.bin";
    }
    void theCacheFolderFollowsXdg()
    {
        QFETCH(QString, cacheHome);
        QTEST(platform::coachCachePathFor(cacheHome, QStringLiteral("/home/ann")), "path");
    }

    // A few values stand for the table: the format is the same for any number.
    void onlyAWholeCacheOfThisVersionIsTrusted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("trusted");
        const std::vector<double> values(pattern().begin(), pattern().begin() + 1000);
        const QByteArray whole = coach::valuesBytes(values);
        QByteArray changedValue = whole;
        changedValue[5000] = char(changedValue[5000] ^ 1);
        QByteArray changedChecksum = whole;
        changedChecksum[20] = char(changedChecksum[20] ^ 0x80);
        QByteArray swapped = whole;
        std::swap_ranges(swapped.begin() + 24, swapped.begin() + 32, swapped.begin() + 32);
        QTest::newRow("whole") << whole << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("cut short by one byte") << whole.chopped(1) << false;
        QTest::newRow("one byte too many") << whole + 'x' << false;
        QTest::newRow("from another version") << coach::valuesBytes(values, coach::TableVersion + 1) << false;
        QTest::newRow("with another number of values") << coach::valuesBytes({values.begin(), values.end() - 1}) << false;
        QTest::newRow("one value changed") << changedValue << false;
        QTest::newRow("two values swapped") << swapped << false;
        QTest::newRow("the checksum changed") << changedChecksum << false;
        QTest::newRow("not a table at all") << QByteArray(whole.size(), 'x') << false;
    }
    void onlyAWholeCacheOfThisVersionIsTrusted()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, trusted);
        const auto values = coach::valuesFromBytes(bytes, 1000);
        QCOMPARE(values.has_value(), trusted);
        if (values)
            QVERIFY(std::equal(values->begin(), values->end(), pattern().begin()));
    }

    // Worked out once, then read back; a spoilt cache is worked out again
    // and put right.
    void theTableIsWorkedOutOnceThenReadFromTheCache()
    {
        const QString path = m_folder.filePath(QStringLiteral("cache/tolmar-quindle/table.bin"));
        platform::setCoachCacheFilePath(path);
        int calls = 0;
        for (const char *step : {"missing", "cached", "spoilt"}) {
            if (QByteArray(step) == "spoilt")
                QVERIFY(QFile::resize(path, 1000));
            coach::TableProvider provider(CountingCompute{&calls});
            QVERIFY2(waitUntilReady(provider), step);
            QCOMPARE(provider.progress(), 100);
            QCOMPARE(provider.fromCache(), QByteArray(step) == "cached");
            QVERIFY(provider.table()->values() == pattern());
            QCOMPARE(provider.values()({0, 0, 0}), 0.0);
        }
        QCOMPARE(calls, 2);
        QVERIFY(coach::readTableCache(path));
    }

    void aCacheThatCannotBeWrittenIsNoError()
    {
        // A file where the folder should be: nothing can be made there.
        QFile blocker(m_folder.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        platform::setCoachCacheFilePath(blocker.fileName() + QStringLiteral("/table.bin"));
        int calls = 0;
        coach::TableProvider provider(CountingCompute{&calls});
        QVERIFY(waitUntilReady(provider));
        QVERIFY(!provider.cacheWritten());
        QVERIFY(provider.table());
    }

    void destroyingTheProviderStopsTheWork()
    {
        platform::setCoachCacheFilePath(m_folder.filePath(QStringLiteral("never.bin")));
        std::atomic<bool> sawCancel{false};
        {
            coach::TableProvider provider([&](const std::atomic<bool> &cancel, std::atomic<int> &percent) {
                for (percent = 1; !cancel; std::this_thread::sleep_for(std::chrono::milliseconds(1))) {}
                sawCancel = true;
                return std::unique_ptr<coach::Table>();
            });
            provider.request();
            QTRY_VERIFY(provider.progress() > 0);
            QVERIFY(!provider.ready());
            QVERIFY(!provider.table());
        }
        QVERIFY(sawCancel);
        QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("never.bin"))));
    }

    void theRealComputationStopsWhenCancelled()
    {
        const std::atomic<bool> cancel{true};
        QVERIFY(!coach::solve({1, 0, &cancel, nullptr}));
    }

private:
    QTemporaryDir m_folder;
};

QUINDLE_TEST_MAIN(TestCoachProvider)
#include "tst_CoachProvider.moc"
